#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// Names the program and its version, with links to the home page and the fully-branded
// offer. Created each time it is opened, destroyed when closed.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    // The window that opened it, if any: the About window stays above it and takes no
    // taskbar entry of its own.
    explicit FrmAbout(QWidget* caller = nullptr);

    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    LinkLabel* lblHomePage;
    QLabel* Label6;
    LinkLabel* Label5;
    QWidget* Line2;
    QPushButton* cmdOK;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void Label5_Click();
};

// Shows the About window modally and returns when it is closed.
void showAboutWindow();
