#pragma once

class QWidget;

// Find and Back each put the other main window where the button was, and a message box
// closing gives the window under it the keyboard again. The second click of a double click
// would land on the new window (Back lies right where Find was) and undo the first; so would
// the second of two quick Enters, pressing Exit. So within the double-click interval of the
// window appearing, presses of the mouse and keys that would press a button (Enter and
// Return, the keypad's too, anywhere in the window; Space on a button) are dropped; within
// that of its becoming active again (a box over it closed, the user came back from another
// program), only those keys are, and a click counts. Typing is left alone. The guard
// watches the window's own native window, which sees its input before any control does.
void guardInput(QWidget* window);
