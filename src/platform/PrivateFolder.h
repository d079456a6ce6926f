#pragma once

#include <QString>

// Where the program keeps its files (settings, lock), no one but the user may reach. On Linux
// that is checked by owner and mode; elsewhere the user's profile is taken as the user's.

// Whether the folder is a real folder (not a link) of this user's that neither the group nor
// anyone else can write to.
bool isOwnPrivateFolder(const QString& folder);
// Makes the folder when it is not there yet, readable by the user alone, with its parents;
// then whether it is the user's own private folder.
bool ensureOwnPrivateFolder(const QString& folder);
// Whether the file can be opened without hanging the program or reaching what is not the
// user's: absent, or a regular file of this user's (or the user's own link to one) of at most
// largest bytes, not a FIFO or a device.
bool isAbsentOrOwnFile(const QString& file, qint64 largest);
