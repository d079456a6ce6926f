#pragma once

#include <QByteArray>

// The windowing platform the program runs on.

// The platform to ask Qt for, from the environment the program was started in, or empty to
// leave the choice to Qt. A platform the user chose (QT_QPA_PLATFORM) stands. Otherwise an X
// display wins, Xwayland included: there the exit screen stays above other windows and
// windows open centred, which native Wayland does not allow a program to ask for. Native
// Wayland serves when there is no X display, and when the X display cannot be reached.
QByteArray chosenPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                          const QByteArray& waylandDisplay);

// The one line the program prints when Qt cannot open the display it asked for: which
// display that was (platform is the one Qt was asked for, empty for Qt's own choice).
QByteArray displayFailure(const QByteArray& platform, const QByteArray& display,
                          const QByteArray& waylandDisplay);

// On native Wayland, a request to maximize or show full screen a window of fixed size, from
// Qt's own title bar or from code, is answered by putting the window back to its size. The
// compositor would otherwise end the program with a protocol error, because the window
// cannot take the size it is given. Does nothing on other platforms.
void keepFixedSizeWindowsFixed();
