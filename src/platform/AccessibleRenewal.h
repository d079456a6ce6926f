#pragma once

class QWidget;

// AT-SPI screen readers (Orca) remember a control as they first met it: a window built hidden
// keeps its controls hidden to them when it shows, since Qt tells them only of the window
// showing. So each control of the window is made anew for them: its old accessible object
// goes, a new one, showing, comes. Call it as the window shows; without a screen reader it
// does nothing.
void renewAccessibleControls(QWidget* window);
