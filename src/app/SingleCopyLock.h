#pragma once

#include <QString>

// The single-copy guard: a lock file of this user's, taken at start and held until the run
// ends.

// True when another copy of the program holds the lock. The first call takes it, and this
// copy then holds it until releaseLock or the process's end, however it ends but a crash; a
// lock whose writer is gone counts for nothing. Where no lock can be had, the copy runs
// without the guard and says so once on stderr.
bool anotherCopyRunning();
void releaseLock();

// The lock file: "<program>-single-copy.lock" in the first of the platform's lock folders
// that is the user's alone; empty when none can be had.
QString lockFilePath();
