#pragma once

#include <functional>

// The program's one way of ending itself.

// Closes every loaded window, releases the single-copy lock and ends the event loop with
// status 0, so that main returns; nothing after the call runs in the loop. A call made while
// a quit is already under way changes nothing.
void QuitProgram();

bool quitUnderWay();

// The windows still waiting to be deleted, and any other, deleted while Qt is whole.
void freeWindows();

// What main does once the event loop has returned with status, before the application object
// goes: the lock released, every window freed, and a run ended by a signal ends the process
// by it. Returns the process's status.
int endRun(int status);

// For tests: what QuitProgram does instead of ending the event loop once every window is
// closed. The quit then counts as over.
void setProcessEnd(std::function<void(int)> end);
