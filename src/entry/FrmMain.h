#pragma once

#include "sign/ModPlanetSign.h"
#include "ui/MainForm.h"

class LinkLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The entry window: the user types a name, picks a date of birth and asks for the sign. Its
// Exit command (cmdExit_Click, mnuExit_Click) is MainForm's.
class FrmMain : public MainForm, public DatePickers
{
    Q_OBJECT
public:
    FrmMain();

    QWidget* Frame2;
    LinkLabel* Label61;
    QWidget* Frame1;
    QWidget* Picture1;
    QComboBox* cboMonth;
    QLineEdit* txtName;
    QComboBox* cboDate;
    QComboBox* cboYear;
    QLabel* Label7;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* cmdNext;
    QLabel* Label3;
    QWidget* Frame5;
    QPushButton* cmdExit;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;
    QMenu* mnuFile;
    QMenu* mnuHelp;

    // The whole-entry check run before a lookup; shows its message and answers false when
    // the entry is refused.
    bool ValidateEntry();

    QString yearText() const override;
    QString monthText() const override;
    QString dayText() const override;

signals:
    // The person asked for the sign of the entry, which was accepted and looked up: the
    // result window is to show it in this window's place.
    void signRequested(const QString& sign);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdNext_Click();
    void mnuFindPowerSign_Click();
    void txtName_KeyPress(int& KeyAscii);
    void buildMenus();
    // The part of typed text that the filter lets in; controlCode stands in for every
    // character when Ctrl made the key a control code.
    QString filterTyped(const QString& text, int controlCode = 0);
    void forwardToName(QEvent* event);

    bool m_forwarding = false;
};
