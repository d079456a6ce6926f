#pragma once

#include <QString>

// Texts that more than one window shows, each kept in this one place.

// Every window's caption, and the title line of the exit screen and the About window.
QString windowCaption();

// The introductory paragraph of the entry window, the result window and the About window.
QString introText();
