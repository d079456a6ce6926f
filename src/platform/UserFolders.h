#pragma once

#include <QStringList>

// Where each platform keeps a program's per-user files. With QStandardPaths' test mode on,
// the same folders under "qttest", as Qt does for its own locations.

// The folder of the settings file: Linux: the user's config folder (~/.config), where
// QSettings keeps an INI file for the user; Windows: the roaming application data
// (%APPDATA%), where QSettings keeps it there, so that the settings follow a roaming profile.
QString settingsFolder();
// The folders a lock of this login may go in, best first: Linux: the session's runtime folder,
// then the user's cache folder (su, ssh, startx without logind); Windows: the local
// application data (%LOCALAPPDATA%), which is of this machine and never roams.
QStringList lockFolders();
