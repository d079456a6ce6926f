#pragma once

#include <QString>

// The base name of the running program file, without folder or extension, taken afresh at
// each call: "Quorvex" as delivered. The settings and the single-copy lock are named by it, so
// a renamed copy keeps its own.
QString programFileName();
