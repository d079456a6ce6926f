#pragma once

#include <QtGlobal>

class QString;
class QWidget;

// Has a screen reader, when one listens, say a text that no focused control carries (the
// sign found, the screen that came up), after what it says of the focus. Qt 6.8 and later
// send it as an announcement; older Qt has no way to, and the caller leaves the text where
// those screen readers read it (a window's description).
void announce(QWidget* source, const QString& text);

// Whether a list says its value to screen readers itself (Qt 6.5 and later); before that,
// its description has to carry the value.
constexpr bool listsSpeakTheirValue()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return true;
#else
    return false;
#endif
}
