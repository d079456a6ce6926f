#pragma once

#include <QMainWindow>

class QPushButton;

// What the entry window and the result window share: a fixed-size client area under the
// menu bar, the Exit button as default and cancel button, centring on first show, the
// unload handler that leads to the exit screen, and the guard against input meant for the
// window that was there before.
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainForm(int clientWidthTwips, int clientHeightTwips);

    QWidget* client() const { return m_client; }

    // Closes the window for the result window's Back, which shows the entry window instead
    // of the exit screen.
    void closeForBack();

signals:
    // The person left the window (its Exit button, File > Exit, the close box); it is off
    // screen by now and closing.
    void left();

protected:
    // The Exit button: its click runs cmdExit_Click, and Enter (with the focus not on a push
    // button) and Esc press it.
    void setExitButton(QPushButton* button);
    // Fixes the window's size once the menu bar is in place.
    void fixSize();
    // The Exit command of both windows and their File menus: closes the window.
    void cmdExit_Click() { close(); }
    void mnuExit_Click() { cmdExit_Click(); }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();

    QWidget* m_client;
    QPushButton* m_exitButton = nullptr;
    bool m_closingForBack = false;
};
