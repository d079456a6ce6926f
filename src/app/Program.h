#pragma once

#include <functional>

// The program's one way of ending itself.

// Closes every loaded window, releases the single-copy lock and ends the event loop with
// status 0, so that main returns; nothing after the call runs in the loop. A call made while
// a quit is already under way changes nothing.
void QuitProgram();

bool quitUnderWay();

// What main does once the event loop has returned, before the application object goes: the
// windows still waiting to be deleted, and any other, are deleted while Qt is whole.
void freeWindows();

// For tests: what QuitProgram does instead of ending the event loop once every window is
// closed. The quit then counts as over.
void setProcessEnd(std::function<void(int)> end);
