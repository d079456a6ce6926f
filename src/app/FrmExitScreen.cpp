#include "FrmExitScreen.h"

#include "ModTellAFriend.h"
#include "Program.h"
#include "links/ModHelp.h"
#include "platform/AccessibleRenewal.h"
#include "platform/AccessibleWindow.h"
#include "platform/Announcement.h"
#include "platform/FocusBeforeText.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Placement.h"
#include "ui/Random.h"
#include "ui/Texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace modTellAFriend;

namespace
{

QStringList supportMessages()
{
    return {
        QStringLiteral(
            "Harrowfen Softwares, such as this can be created and maintained only with your support. "
            "The best way to support Harrowfen is to visit Harrowfen regularly and take part in the "
            "discussions and other activities on the board."),
        QStringLiteral(
            "Visit Harrowfen regularly. Support Harrowfen by taking part in the discussions and other "
            "activities. These softwares cannot be supported and maintained, without you regularly "
            "visiting Harrowfen"),
        QStringLiteral("Harrowfen is a FREE online discussion forum for all things mystic. To help Harrowfen "
                       "develop and maintain this software visit Harrowfen regularly."),
        QStringLiteral(
            "Harrowfen needs your help. All you need to do is visit Harrowfen regularly and take part "
            "in the various discussions and activites to help us maintain and develop more Harrowfen "
            "Softwares."),
    };
}

QString recommendationText()
{
    return QStringLiteral(
               "If you have enjoyed this software you will surely be interested in our other "
               "Harrowfen Softwares. From a single software, we have now grown to become the "
               "world\u2019s largest resource of harrowfen softwares. Be it astrology, psychic, tarot, "
               "numerology or occult, we have programs in all fields thus giving our users a wide "
               "choice depending on their interests.") +
           QString(61, QLatin1Char(' ')) +
           QStringLiteral(
               "All the programs in the Harrowfen Softwares suite are simple and easy to use. They are "
               "not only fun to use but also very informative. Try them out today and share your "
               "experience with your friends and family. ");
}

QLineEdit* formBox(QWidget* parent, const char* name, const QRect& rect, const char* text)
{
    auto* box = new QLineEdit(QString::fromLatin1(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setAccessibleName(QString::fromLatin1(text));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

} // namespace

void FrmExitScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setAttribute(Qt::WA_KeyboardFocusChange); // the focus on Exit is drawn
    // Built hidden by the first request, its controls were met by screen readers while not
    // showing.
    renewAccessibleControls(this);
    // The screen comes up without taking the focus, so nothing tells the screen reader to
    // speak of it: it is announced, with the message it shows.
    announceAfterFocus(this, windowTitle() + QStringLiteral(". ") + Label2->text());
}

FrmExitScreen::FrmExitScreen()
{
    setObjectName(QStringLiteral("frmExitScreen"));
    setWindowTitle(windowCaption());
    setWindowIcon(Look::programIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(tw(11115), tw(4725));
    keepPlaced(this);
    setFont(Look::verdana(8.25));
    Look::setBackground(this, Look::dark);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twRect(360, 120, 540, 540));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(windowIcon().pixmap(32, 32));
    Label1 = Look::label(this, "Label1", twRect(1080, 240, 3915, 435), windowCaption(), Look::white,
                         Look::verdana(12, true));
    Label2 = Look::label(this, "Label2", twRect(120, 840, 6975, 1095), supportMessages().at(1), Look::lilac,
                         Look::verdana(8.25, true));

    Check1 = new QCheckBox(QStringLiteral("Click here to visit www.harrowfen.com now"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twRect(30, 2040, 7185, 555));
    Check1->setFont(Look::verdana(8.25, true));
    Check1->setCursor(Qt::PointingHandCursor);
    Look::setTextColour(Check1, Look::white);

    cmdClose = Look::button(this, "cmdClose", twRect(6000, 2760, 1245, 375), QStringLiteral("E&xit"),
                            Look::buttonFace, Look::verdana(8.25, true));

    Frame2 = Look::titledFrame(this, "Frame2", twRect(120, 3240, 7065, 1455),
                               QStringLiteral("Refer A Friend"), Look::verdana(8.25, true));
    txtName = formBox(Frame2, "txtName", twRect(85, 360, 3375, 285), namePlaceholder);
    txtEmail = formBox(Frame2, "txtEmail", twRect(3600, 360, 3375, 285), emailPlaceholder);
    txtFriendName = formBox(Frame2, "txtFriendName", twRect(85, 720, 3375, 285), friendNamePlaceholder);
    txtFriendEmail = formBox(Frame2, "txtFriendEmail", twRect(3600, 720, 3375, 285), friendEmailPlaceholder);
    cmdSubmit =
        Look::button(Frame2, "cmdSubmit", twRect(1920, 1080, 3375, 285),
                     QStringLiteral("Refer A Friend &Now"), Look::buttonFace, Look::verdana(8.25, true));
    // Below the frame's visible area, yet in the tab order.
    txtMessage = new QPlainTextEdit(Frame2);
    setBoxText(txtMessage, QStringLiteral("Your Message\r\n"));
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(twRect(4800, 3600, 1815, 495));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setAccessibleName(QString::fromLatin1(messagePlaceholder));
    txtMessage->setPalette(txtName->palette());
    for (QWidget* box :
         {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail), static_cast<QWidget*>(txtMessage),
          static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail)}) {
        box->setFont(Look::verdana(8.25));
        box->installEventFilter(this);
    }
    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtMessage);
    setTabOrder(txtMessage, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, cmdSubmit);
    setTabOrder(cmdSubmit, Check1);
    setTabOrder(Check1, cmdClose);

    Frame6 = Look::titledFrame(this, "Frame6", twRect(7320, 120, 3735, 4575),
                               QStringLiteral("Download Harrowfen Softwares"), Look::verdana(8.25, true));
    Label3 = Look::label(Frame6, "Label3", twRect(120, 360, 3495, 3855), recommendationText(), Look::lilac,
                         Look::verdana(8.25));
    // Smaller than the other links, so that the whole text fits the frame's width.
    lblGoToHome =
        new LinkLabel(Frame6, "lblGoToHome", twRect(75, 4250, 3585, 210),
                      QStringLiteral("Click Here To Visit Harrowfen Softwares"), 7.5, Qt::AlignLeft);
    setTabOrder(cmdClose, lblGoToHome);
    // The keyboard starts on Exit, with its focus shown: a Space or Enter pressed at once
    // ends the program, as the screen invites, rather than ticking the box that opens the
    // browser.
    cmdClose->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(lblGoToHome, &LinkLabel::clicked, this, [this] { lblGoToHome_Click(); });
    connect(cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });

    Form_Load();
}

// Runs once, when the exit screen is created: draws the support message. (The constructor
// has made the window stay above all others.) Whoever touched it decides whether it shows.
void FrmExitScreen::Form_Load()
{
    Randomize();
    const int k = static_cast<int>(Rnd() * 4);
    Label2->setText(supportMessages().at(k));
}

void FrmExitScreen::closeEvent(QCloseEvent*) { Form_Unload(); }

void FrmExitScreen::Form_Unload() { QuitProgram(); }

void FrmExitScreen::cmdClose_Click() { QuitProgram(); }

void FrmExitScreen::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenHomePage();
}

void FrmExitScreen::lblGoToHome_Click() { OpenSoftwaresPage(); }

void FrmExitScreen::cmdSubmit_Click()
{
    strName = trimBlanks(txtName->text());
    strEmail = trimBlanks(txtEmail->text());
    strMessage = trimBlanks(boxText(txtMessage));
    strFriendName = trimBlanks(txtFriendName->text());
    strFriendEmail = trimBlanks(txtFriendEmail->text());
    if (strEmail == strFriendEmail) {
        MsgBox(QStringLiteral("Please Enter Distinct Email Addresses"), QMessageBox::Critical);
        return;
    }
    for (const QString& email : {strEmail, strFriendEmail}) {
        if (!email.contains(QLatin1Char('@')) || !email.contains(QLatin1Char('.'))) {
            MsgBox(QStringLiteral("Please Enter Proper Email Address"), QMessageBox::Critical);
            return;
        }
    }
    SubmitReferral();
}

QString FrmExitScreen::boxText(QWidget* box) const
{
    // The message box keeps its line breaks as carriage return and line feed.
    if (box == txtMessage)
        return txtMessage->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return static_cast<QLineEdit*>(box)->text();
}

void FrmExitScreen::setBoxText(QWidget* box, const QString& text)
{
    if (box == txtMessage)
        txtMessage->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

QString FrmExitScreen::placeholderOf(QWidget* box) const
{
    if (box == txtName)
        return QString::fromLatin1(namePlaceholder);
    if (box == txtEmail)
        return QString::fromLatin1(emailPlaceholder);
    if (box == txtMessage)
        return QString::fromLatin1(messagePlaceholder);
    if (box == txtFriendName)
        return QString::fromLatin1(friendNamePlaceholder);
    return QString::fromLatin1(friendEmailPlaceholder);
}

// The five boxes show their placeholder until the user types: entering a box that shows it
// clears it, leaving a box that holds only blanks puts it back.
void FrmExitScreen::box_GotFocus(QWidget* box)
{
    changeAfterFocusIsSaid(box, [this, box] {
        if (trimBlanks(boxText(box)) == placeholderOf(box))
            setBoxText(box, QString());
    });
}

void FrmExitScreen::box_LostFocus(QWidget* box)
{
    if (trimBlanks(boxText(box)).isEmpty())
        setBoxText(box, placeholderOf(box));
}

// The two e-mail boxes refuse a typed blank.
bool FrmExitScreen::email_KeyPress(QWidget* box, const QString& typed)
{
    if (typed != QLatin1String(" "))
        return false;
    MsgBox(QStringLiteral("Email Address Cannot Contain Space"), QMessageBox::Critical);
    box->setFocus();
    return true;
}

bool FrmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn)
        box_GotFocus(box);
    else if (event->type() == QEvent::FocusOut)
        box_LostFocus(box);
    else if (event->type() == QEvent::KeyPress && (box == txtEmail || box == txtFriendEmail))
        return email_KeyPress(box, static_cast<QKeyEvent*>(event)->text());
    return QWidget::eventFilter(watched, event);
}

void installExitScreenAccessibility() { meetAsWindow(FrmExitScreen::staticMetaObject); }
