#include "FrmDisplay.h"

#include "links/Promotions.h"
#include "links/WebMenus.h"
#include "platform/Announcement.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/Texts.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace
{

// The paragraph the window is designed with, replaced by each request.
QString placeholderDescription()
{
    return QStringLiteral(
        "This is an idealistic combination and you shall be able to approach issues with a "
        "neutral attitude. You will have a sense of vision accompanied by imagination and "
        "innovativeness. You have a humane nature. But be careful not to make excuses when you "
        "are needed.");
}

} // namespace

FrmDisplay::FrmDisplay() : MainForm(7455, 5520)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    Look::setBackground(client(), Look::dark);

    const QColor grey(128, 128, 128);
    cmdBack = Look::button(client(), "cmdBack", twRect(1320, 4160, 6135, 465), QStringLiteral("&Back"), grey,
                           Look::verdana(8.25, true));
    cmdExit = Look::button(client(), "cmdExit", twRect(0, 4160, 1215, 465), QStringLiteral("&Exit"), grey,
                           Look::verdana(8.25, true));
    Frame2 = Look::panel(client(), "Frame2", twRect(0, 0, 7455, 855), Look::band);
    Frame5 = Look::panel(client(), "Frame5", twRect(0, 4680, 7455, 855), Look::band);
    std::tie(Label61, lblCobrand, lblFullBrand) =
        createPromoLabels(Frame2, Frame5,
                          {twRect(120, 240, 7200, 465), twRect(255, 160, 6945, 615),
                           twRect(255, 160, 6945, 615), Qt::AlignHCenter});

    fraPowerSign = Look::titledFrame(client(), "fraPowerSign", twRect(0, 840, 7455, 3255),
                                     QStringLiteral("Zevod Astrology Sign"), Look::verdana(9, true));
    fraPowerSign->setFlat(true);
    Look::setBackground(fraPowerSign, Look::dark);
    Label3 = Look::label(fraPowerSign, "Label3", twRect(180, 360, 7095, 855), introText(), Look::lilac,
                         Look::verdana(8.25, true), Qt::AlignHCenter | Qt::AlignTop);
    lblSignDesc =
        Look::label(fraPowerSign, "lblSignDesc", twRect(240, 1680, 7095, 1335), placeholderDescription(),
                    Look::lilac, Look::verdana(8.25, true), Qt::AlignHCenter | Qt::AlignTop);
    lblZevodSign = Look::label(fraPowerSign, "lblZevodSign", twRect(3030, 1320, 1260, 210),
                               QStringLiteral("lblZevodSign"), Look::white, Look::verdana(9, true),
                               Qt::AlignHCenter | Qt::AlignTop, Look::GrowsToFit);

    setTabOrder(cmdExit, cmdBack);
    setExitButton(cmdExit);
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });

    mnuFile = addMenu(this, "mnuFile", "&File");
    addMenuItem(mnuFile, this, "mnuFileBack", "&Back", [this] { mnuFileBack_Click(); });
    addMenuItem(mnuFile, this, "mnuExit", "E&xit", [this] { mnuExit_Click(); });
    mnuHelp = addWebMenus(this, {"&Check for Software Update", "mnuFileSep1", "mnuFileSep2"});

    fixSize();
    cmdExit->setFocus();
}

void FrmDisplay::showSign(const QString& sign, const std::optional<QString>& description)
{
    if (description)
        lblSignDesc->setText(*description);
    lblZevodSign->setText(sign);
    Look::growToFit(lblZevodSign);
    // What a screen reader says of the window as it opens: the sign and its paragraph, which
    // a sighted user sees at once, though no label of them takes the focus. Screen readers
    // of Qt before 6.8 read it from the description; later ones hear it announced.
    setAccessibleDescription(fraPowerSign->title() + QStringLiteral(": ") + sign + QStringLiteral(". ") +
                             lblSignDesc->text());
}

// Back: the entry window takes this window's place (whoever listens to backRequested puts it
// there).
void FrmDisplay::cmdBack_Click() { emit backRequested(); }

void FrmDisplay::mnuFileBack_Click() { cmdBack_Click(); }

void FrmDisplay::showEvent(QShowEvent* event)
{
    MainForm::showEvent(event);
    m_signToSay = true;
}

// The sign is said once the window is active and the screen reader has said where the focus
// is, which would otherwise cut it short.
bool FrmDisplay::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_signToSay) {
        m_signToSay = false;
        announceAfterFocus(this, accessibleDescription());
    }
    return MainForm::event(event);
}
