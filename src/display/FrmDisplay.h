#pragma once

#include "app/MainForm.h"

class LinkLabel;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// The result window: the sign found and its paragraph, with Back to the entry window.
class FrmDisplay : public MainForm
{
    Q_OBJECT
public:
    FrmDisplay();

    QPushButton* cmdBack;
    QPushButton* cmdExit;
    QWidget* Frame2;
    LinkLabel* Label61;
    QWidget* Frame5;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;
    QGroupBox* fraPowerSign;
    QLabel* Label3;
    QLabel* lblSignDesc;
    QLabel* lblZevodSign;
    QMenu* mnuFile;
    QMenu* mnuHelp;

    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void mnuFileBack_Click();
    void mnuExit_Click();

    bool m_signToSay = false;
};

// The program-wide result window, created on first touch.
FrmDisplay* frmDisplay();

// Puts the paragraph of strZevodSign (when the sign has a row) and the sign itself into
// the result window.
void showZevodSignInResult();
