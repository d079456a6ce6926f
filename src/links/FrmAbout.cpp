#include "FrmAbout.h"

#include "ModHelp.h"
#include "ui/Forms.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/Placement.h"
#include "ui/Texts.h"

#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

FrmAbout::FrmAbout(QWidget* caller) : QDialog(caller)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(windowCaption());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(tw(6345), tw(3960));
    setFont(Look::verdana(8.25));
    Look::setBackground(this, Look::dark);

    // First in the tab order, so it holds the focus when the window opens.
    cmdOK = Look::button(this, "cmdOK", twRect(4920, 3480, 1260, 345), QStringLiteral("&OK"),
                         Look::buttonFace, Look::verdana(8.25, true));
    cmdOK->setDefault(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twRect(150, 150, 510, 510));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(Look::programIcon().pixmap(32, 32));
    Label2 = Look::label(this, "Label2", twRect(960, 240, 2670, 240), windowCaption(), Look::lilac,
                         Look::verdana(9.75, true), Qt::AlignLeft | Qt::AlignTop, Look::GrowsToFit);
    Label1 = Look::label(this, "Label1", twRect(210, 720, 5985, 1095),
                         introText() + QStringLiteral(" Copyright Harrowfen Softwares."), Look::lilac,
                         Look::verdana(8.25));
    lblHomePage =
        new LinkLabel(this, "lblHomePage", twRect(1560, 1920, 4650, 195),
                      QStringLiteral("Click here to visit ") + homePageAddress(), 8.25, Qt::AlignLeft);
    lblHomePage->growToFit();
    Label6 = Look::label(
        this, "Label6", twRect(240, 2400, 5775, 675),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website."),
        Look::lilac, Look::verdana(8.25, true));
    Label5 = new LinkLabel(this, "Label5", twRect(3600, 3120, 2610, 195),
                           QStringLiteral("Click here for more details"), 8.25, Qt::AlignLeft);
    Label5->growToFit();
    Line2 = new QWidget(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setGeometry(tw(-60), tw(3360), tw(6360) - tw(-60) + 1, 1);
    Look::setBackground(Line2, Look::lilac);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(lblHomePage, &LinkLabel::clicked, this, [this] { lblHomePage_Click(); });
    connect(Label5, &LinkLabel::clicked, this, [this] { Label5_Click(); });
    cmdOK->setFocus();
}

void FrmAbout::cmdOK_Click() { accept(); }
void FrmAbout::lblHomePage_Click() { OpenHomePage(); }
void FrmAbout::Label5_Click() { OpenFullBrandPage(); }

void showAboutWindow()
{
    QPointer<FrmAbout> about = new FrmAbout(Forms::owner());
    Forms::add(about);
    keepPlaced(about);
    about->exec(); // Esc and the close box reject, Enter accepts: each closes it
    Forms::remove(about);
    delete about;
}
