#pragma once

#include <QString>

// The per-user settings store: INI text in the platform's settings folder, addressed by the
// program's file name, the section "Settings" and the encoded key. Keys and values are
// stored encoded. Nothing is cached: every read and write goes to the store.

// The stored value of a key, decoded; empty when there is none. Throws std::runtime_error
// when the store cannot be read safely (see Settings.cpp).
QString GetStoredSetting(const QString& key);
// Stores the value under the key, both encoded, in a file of the user's alone (0600, its
// folder 0700 when the program makes it). Throws std::runtime_error when the store cannot
// be written.
void SaveStoredSetting(const QString& key, const QString& value);

// Each character's Latin-1 code shifted up (or down) by 85. A character that has no
// Latin-1 code, or whose shifted code would leave 0..255, is left out.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);
