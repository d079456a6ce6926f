#pragma once

#include <QByteArray>

#include <QStringList>

// The windowing platform the program runs on.

// The platform to ask Qt for, from the environment the program was started in, or empty to
// leave the choice to Qt. A platform the user chose (QT_QPA_PLATFORM) stands. Otherwise an X
// display wins, Xwayland included: there the exit screen stays above other windows and
// windows open centred, which native Wayland does not allow a program to ask for. Native
// Wayland serves when there is no X display, and when the X display cannot be reached.
QByteArray chosenPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                          const QByteArray& waylandDisplay);

// What the program prints when Qt cannot start its platform (platform is the one Qt was
// asked for, empty for Qt's own choice; qtSaid, what Qt said on the way, its fatal message
// last). When the display could not be reached, one line naming it; when the display was
// there and the plugin failed (a damaged installation), Qt's own words, which name the
// plugin and the reason.
QByteArray startFailure(const QByteArray& platform, const QByteArray& display,
                        const QByteArray& waylandDisplay, const QStringList& qtSaid);
// The one line for a display that could not be opened.
QByteArray displayFailure(const QByteArray& platform, const QByteArray& display,
                          const QByteArray& waylandDisplay);

// On native Wayland, a request to maximize or show full screen a window of fixed size, from
// Qt's own title bar or from code, is answered by putting the window back to its size. The
// compositor would otherwise end the program with a protocol error, because the window
// cannot take the size it is given. Does nothing on other platforms.
void keepFixedSizeWindowsFixed();
