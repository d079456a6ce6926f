#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// Every message of the program goes through MsgBox: a modal box titled "Quorvex", owned by
// the window it speaks for (Forms::owner), centred on it and shown above it, also when that
// window stays above all others.
struct MsgBoxRequest {
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QWidget* owner;
};

QMessageBox::StandardButton MsgBox(const QString& text, QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// For tests: when set, MsgBox shows nothing and returns what the answerer says.
using MsgBoxAnswerer = std::function<QMessageBox::StandardButton(const MsgBoxRequest&)>;
void setMsgBoxAnswerer(MsgBoxAnswerer answerer);
