#pragma once

#include <QByteArray>
#include <QStringList>

// When Qt cannot open the display, it aborts with advice to reinstall the program; the user
// gets one plain line instead, and status 1. On Windows, where a GUI program has no console,
// the line comes in a message box unless stderr was taken.

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

// While Qt opens the display (between the two calls), its messages wait. If it fails, the
// process prints startFailure and ends with status 1; once the display is open, what Qt
// said goes out as it would have.
void holdStartMessages(const QByteArray& platform, const QByteArray& display,
                       const QByteArray& waylandDisplay);
void releaseStartMessages();
