#pragma once

// Start-up: what runs once, before and as the first window appears.

// What the process sets up once its QApplication exists and before any window: the style,
// the names by which the desktop knows the program (its window class "Quorvex" and the
// desktop entry com.harrowfen.quorvex), that only QuitProgram ends the run, the signals
// that end it through QuitProgram, and how screen readers meet the program's own controls.
void setUpApplication();

// Runs once when the process starts: the single-copy guard, seeding the random generator,
// the update reminder, the entry window and the offer rotation. Returns once the entry
// window is showing, or, in a second copy, once it has quit.
void StartProgram();
