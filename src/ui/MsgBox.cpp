#include "MsgBox.h"

#include "Forms.h"
#include "Placement.h"

namespace
{

// The title of every message box.
const char* const appTitle = "Quorvex";

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
    QWidget* owner = Forms::owner();
    if (answerer())
        return answerer()(MsgBoxRequest{text, icon, buttons, defaultButton, owner});

    // A lone carriage return breaks the line, as the message texts expect.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QString::fromLatin1(appTitle), shown, buttons, owner);
    box.setTextFormat(Qt::PlainText);
    // A box of a window that stays above the others must stay above too, or it opens
    // underneath it and the program looks frozen. So must a box with no window of the
    // program under it (the update question at start, a second copy's refusal): it may open
    // where another program's top-most window, or the first copy's exit screen, covers it.
    if (!owner || owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepPlaced(&box, owner);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
