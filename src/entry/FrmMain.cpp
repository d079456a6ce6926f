#include "FrmMain.h"

#include "links/Promotions.h"
#include "links/WebMenus.h"
#include "platform/ListValueSpeech.h"
#include "sign/SignTable.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/RunStep.h"
#include "ui/Texts.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace
{

QComboBox* picker(QWidget* parent, const char* name, const QRect& rect, const char* accessibleName)
{
    QComboBox* list = newHeardList(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(rect);
    list->setAccessibleName(QLatin1String(accessibleName));
    QPalette palette = list->palette();
    for (auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, Look::dark);
    for (auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, Look::lilac);
    list->setPalette(palette);
    list->setMaxVisibleItems(8); // the rows a drop-down list shows on the platform it came from
    return list;
}

QLabel* caption(QWidget* parent, const char* name, int left, int top, int width, int height, const char* text,
                bool bold)
{
    return Look::label(parent, name, twRect(left, top, width, height), QLatin1String(text), Look::white,
                       Look::verdana(8.25, bold, true), Qt::AlignLeft | Qt::AlignTop, Look::GrowsToFit);
}

} // namespace

FrmMain::FrmMain() : MainForm(7485, 5910)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Look::setBackground(client(), QColor(255, 224, 192));

    Frame2 = Look::panel(client(), "Frame2", twRect(0, 0, 7500, 855), Look::band);
    Frame1 = Look::panel(client(), "Frame1", twRect(0, 840, 7500, 4215), Look::dark);
    Picture1 = Look::panel(Frame1, "Picture1", twRect(735, 1560, 6015, 1575), Look::dark);
    // The lists and the name box take their font from here. A list given a font of its own
    // builds its drop-down at once; this way it waits until it first drops down.
    Picture1->setFont(Look::verdana(8.25, true));
    cboMonth = picker(Picture1, "cboMonth", twRect(2760, 960, 1500, 315), "Month");
    txtName = new QLineEdit(Picture1);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(twRect(1680, 240, 3735, 375));
    txtName->setPalette(cboMonth->palette());
    txtName->setAccessibleName(QStringLiteral("Name"));
    txtName->installEventFilter(this);
    cboDate = picker(Picture1, "cboDate", twRect(1680, 960, 900, 315), "Date");
    cboYear = picker(Picture1, "cboYear", twRect(4440, 960, 1020, 315), "Year");
    Label7 = caption(Picture1, "Label7", 3240, 720, 510, 195, "Month", false);
    Label2 = caption(Picture1, "Label2", 240, 1020, 1245, 195, "Date Of Birth", true);
    Label1 = caption(Picture1, "Label1", 240, 330, 555, 195, "Name", true);
    Label5 = caption(Picture1, "Label5", 1920, 720, 405, 195, "Date", false);
    Label6 = caption(Picture1, "Label6", 4680, 720, 390, 195, "Year", false);
    // Each caption labels its input for screen readers.
    Label1->setBuddy(txtName);
    Label5->setBuddy(cboDate);
    Label7->setBuddy(cboMonth);
    Label6->setBuddy(cboYear);
    cmdNext = Look::button(Frame1, "cmdNext", twRect(735, 3360, 6015, 615),
                           QStringLiteral("Find My &Zevod Astrology Sign"), Look::buttonFace,
                           Look::verdana(9, true));
    Label3 = Look::label(Frame1, "Label3", twRect(240, 240, 7095, 855), introText(), Look::lilac,
                         Look::verdana(8.25, true), Qt::AlignHCenter | Qt::AlignTop);
    Frame5 = Look::panel(client(), "Frame5", twRect(0, 5040, 7500, 855), Look::band);
    cmdExit = Look::button(Frame5, "cmdExit", twRect(6000, 240, 1260, 465), QStringLiteral("&Exit"),
                           Look::buttonFace, Look::verdana(8.25, true));
    std::tie(Label61, lblCobrand, lblFullBrand) =
        createPromoLabels(Frame2, Frame5,
                          {twRect(150, 240, 7185, 555), twRect(120, 160, 5745, 615),
                           twRect(120, 165, 5745, 615), Qt::AlignLeft});

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);
    setExitButton(cmdExit);

    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    buildMenus();
    // Alt+O presses the Find button as well as the Alt+Z of its caption. The menu bar also
    // claims Alt+O for its switched-off "Make Money &Online", so either may receive it.
    auto* altO = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), this);
    connect(altO, &QShortcut::activated, cmdNext, &QPushButton::animateClick);
    connect(altO, &QShortcut::activatedAmbiguously, cmdNext, &QPushButton::animateClick);
    menuBar()->installEventFilter(this);
    fixSize();
    Form_Load();
    txtName->setFocus();
}

void FrmMain::buildMenus()
{
    mnuFile = addMenu(this, "mnuFile", "&File");
    addMenuItem(mnuFile, this, "mnuFindPowerSign", "Find My &Zevod Astrology Sign",
                [this] { mnuFindPowerSign_Click(); });
    addMenuItem(mnuFile, this, "mnuExit", "E&xit", [this] { mnuExit_Click(); });
    mnuHelp = addWebMenus(this, {"Check for Software &Update", "mnuHelp1", "mnuHelp2"});
}

// Fills the three lists once, each in one go, and selects 1, January, 1900.
void FrmMain::Form_Load()
{
    QStringList days, months, years;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    for (const char* month : monthNames)
        months << QLatin1String(month);
    for (int year = 1900; year <= 2035; ++year)
        years << QString::number(year);
    cboDate->addItems(days);
    cboMonth->addItems(months);
    cboYear->addItems(years);
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

QString FrmMain::yearText() const { return cboYear->currentText(); }
QString FrmMain::monthText() const { return cboMonth->currentText(); }
QString FrmMain::dayText() const { return cboDate->currentText(); }

// The sign request: check the entry and look the date up; the result window then shows the
// sign in this window's place. A lookup that fails leaves the sign of the last one.
void FrmMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    runStep([this] { FindZevodSign(*this); });
    emit signRequested(strZevodSign);
}

void FrmMain::mnuFindPowerSign_Click() { cmdNext_Click(); }

bool FrmMain::ValidateEntry()
{
    if (txtName->text().isEmpty()) {
        MsgBox(QStringLiteral("Please Enter Your Name"), QMessageBox::Information);
        txtName->setFocus();
        return false;
    }
    const int day = cboDate->currentIndex();
    const int month = cboMonth->currentIndex();
    const bool leapYear = cboYear->currentText().toInt() % 4 == 0;
    if (month == 1 && (leapYear ? day >= 29 : day >= 28)) {
        MsgBox(QStringLiteral("Please Enter Correct Date Or Month!"), QMessageBox::Information);
        return false;
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30) {
        MsgBox(QStringLiteral("Please Enter Correct Date Or Month !"), QMessageBox::Information);
        return false;
    }
    return true;
}

// The name box takes letters, which become capitals, and space, backspace and carriage
// return. Anything else is refused with a message; 0 discards the character.
void FrmMain::txtName_KeyPress(int& KeyAscii)
{
    if ((KeyAscii >= 'A' && KeyAscii <= 'Z') || (KeyAscii >= 'a' && KeyAscii <= 'z')) {
        if (KeyAscii >= 'a')
            KeyAscii -= 32;
        return;
    }
    if (KeyAscii == 8 || KeyAscii == 13 || KeyAscii == 32)
        return;
    MsgBox(QStringLiteral("Please Enter only Letters"), QMessageBox::Information);
    KeyAscii = 0;
}

// Every character typed into the name box goes through txtName_KeyPress before the box sees
// it, one code point at a time: the text of a key press, and the text an input method or a
// compose sequence (a dead key, say) commits. A code point outside the 16-bit character
// codes is refused like any other non-letter. Pasted text does not pass here.
QString FrmMain::filterTyped(const QString& text, int controlCode)
{
    QString accepted;
    for (char32_t character : text.toUcs4()) {
        int code = controlCode ? controlCode : character > 0x7fff ? -1 : static_cast<int>(character);
        txtName_KeyPress(code);
        if (code != 0)
            accepted.append(QChar(code));
    }
    return accepted;
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menuBar() && event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->key() == QKeySequence(Qt::ALT | Qt::Key_O)) {
        cmdNext->animateClick();
        return true;
    }
    if (watched != txtName || m_forwarding)
        return MainForm::eventFilter(watched, event);
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString accepted = filterTyped(input->commitString());
        if (accepted == input->commitString())
            return false;
        QInputMethodEvent replaced(input->preeditString(), input->attributes());
        replaced.setCommitString(accepted, input->replacementStart(), input->replacementLength());
        forwardToName(&replaced);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    // Tab, Esc and Delete are navigation, not characters.
    auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    if (key->text().isEmpty() || k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Escape ||
        k == Qt::Key_Delete)
        return false;
    // An Alt chord is a command, never a character: the access keys have had their turn.
    if (key->modifiers().testFlag(Qt::AltModifier) && !key->modifiers().testFlag(Qt::ControlModifier))
        return true;
    // Ctrl with a letter gives its control code, whatever text the platform attached.
    const bool control = key->modifiers().testFlag(Qt::ControlModifier) &&
                         !key->modifiers().testFlag(Qt::AltModifier) && k >= Qt::Key_A && k <= Qt::Key_Z;
    const QString accepted = filterTyped(key->text(), control ? k - Qt::Key_A + 1 : 0);
    if (accepted == key->text())
        return false;
    if (!accepted.isEmpty()) {
        QKeyEvent replaced(QEvent::KeyPress, k, key->modifiers(), accepted, key->isAutoRepeat());
        forwardToName(&replaced);
    }
    return true;
}

void FrmMain::forwardToName(QEvent* event)
{
    m_forwarding = true;
    QCoreApplication::sendEvent(txtName, event);
    m_forwarding = false;
}
