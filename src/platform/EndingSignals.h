#pragma once

#include <functional>

// Unix: SIGTERM, SIGINT and SIGHUP end the program through quit, from the event loop (the
// handler writes the signal's number into a socket pair, the one thing it may safely do, and
// the loop reads it); a signal that the program was started ignoring (nohup, a background
// job) stays ignored. Windows: the session's end (log off, shut down) ends it through quit.
void watchEndingSignals(std::function<void()> quit);
// Forgets the signal that ended the run, for a run that goes on (tests).
void forgetEndingSignal();
// Once the run is over: a run ended by a signal ends the process by it too, as it would have
// ended without a handler, so that whoever started the program sees how it ended.
void endAsSignalled();
