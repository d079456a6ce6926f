#pragma once

#include <QByteArray>

// Linux: the platform to ask Qt for, from the environment the program was started in, or
// empty to leave the choice to Qt. A platform the user chose (QT_QPA_PLATFORM) stands.
// Otherwise an X display wins, Xwayland included: there the exit screen stays above other
// windows and windows open centred, which native Wayland does not allow a program to ask
// for. Native Wayland serves when there is no X display, and when the X display cannot be
// reached. Elsewhere (Windows) always empty: Qt's one platform plugin.
QByteArray chosenPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                          const QByteArray& waylandDisplay);
