#include "PlatformChoice.h"

QByteArray chosenPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                          const QByteArray& waylandDisplay)
{
#ifdef Q_OS_LINUX
    if (!qpaPlatform.isEmpty())
        return {};
    if (!display.isEmpty())
        return waylandDisplay.isEmpty() ? "xcb" : "xcb;wayland";
    if (!waylandDisplay.isEmpty())
        return "wayland";
#else
    // Windows has one platform, which Qt picks; an X display there is wine's own business.
    Q_UNUSED(qpaPlatform);
    Q_UNUSED(display);
    Q_UNUSED(waylandDisplay);
#endif
    return {};
}
