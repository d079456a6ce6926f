#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class LinkLabel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The exit screen: shown above every other window when the user leaves a main window, with
// a support message, links to the maker's pages and the refer-a-friend form. Closing it
// ends the program.
class FrmExitScreen : public QWidget
{
    Q_OBJECT
public:
    FrmExitScreen();

    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QCheckBox* Check1;
    QPushButton* cmdClose;
    QGroupBox* Frame2;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPlainTextEdit* txtMessage;
    QPushButton* cmdSubmit;
    QGroupBox* Frame6;
    QLabel* Label3;
    LinkLabel* lblGoToHome;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    void box_GotFocus(QWidget* box);
    void box_LostFocus(QWidget* box);
    bool email_KeyPress(QWidget* box, const QString& typed);

    QString boxText(QWidget* box) const;
    void setBoxText(QWidget* box, const QString& text);
    QString placeholderOf(QWidget* box) const;
};

// How screen readers meet the exit screen: as a window; installed once, at start-up.
void installExitScreenAccessibility();
