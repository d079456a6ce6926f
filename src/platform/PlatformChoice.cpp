#include "PlatformChoice.h"

QByteArray chosenPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                          const QByteArray& waylandDisplay)
{
    if (!qpaPlatform.isEmpty())
        return {};
    if (!display.isEmpty())
        return waylandDisplay.isEmpty() ? "xcb" : "xcb;wayland";
    if (!waylandDisplay.isEmpty())
        return "wayland";
    return {};
}
