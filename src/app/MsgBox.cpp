#include "MsgBox.h"

const char* const appTitle = "Quorvex";

namespace
{
MsgBoxAnswerer& answerer()
{
    static MsgBoxAnswerer instance;
    return instance;
}
} // namespace

void setMsgBoxAnswerer(MsgBoxAnswerer a) { answerer() = std::move(a); }

QMessageBox::StandardButton MsgBox(const QString& text, QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    if (answerer())
        return answerer()(MsgBoxRequest{text, icon, buttons, defaultButton});

    // A lone carriage return breaks the line, as the message texts expect.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QString::fromLatin1(appTitle), shown, buttons);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
