#pragma once

#include <functional>

// Start-up and the program's one way of ending itself.

// What the process sets up once its QApplication exists and before any window: the style,
// the names by which the desktop knows the program (its window class "Quorvex" and the
// desktop entry com.harrowfen.Quorvex), and that only QuitProgram ends the run.
void setUpApplication();

// Runs once when the process starts: the single-copy guard, seeding the random generator,
// the update reminder, the entry window and the offer rotation. Returns once the entry
// window is showing (or, in a second copy, never).
void StartProgram();

// Closes every loaded window, releases the lock and ends the event loop with status 0, so
// that main returns; nothing after the call runs in the loop. A call made while a quit is
// already under way changes nothing.
void QuitProgram();

// What main does once the event loop has returned, before the application object goes: the
// windows still waiting to be deleted, and any other, are deleted while Qt is whole.
void freeWindows();

bool quitUnderWay();

// For tests: what QuitProgram does instead of ending the process once every window is
// closed. The quit then counts as over.
void setProcessEnd(std::function<void(int)> end);

// True when another copy of the program holds the per-user lock. The first call takes the
// lock, which this copy then holds until it ends: QuitProgram, the end of the event loop and
// the signals that end a session release it. A crash leaves it behind, and the next start
// finds its owner gone.
bool anotherCopyRunning();
void releaseLock();
