#pragma once

class FrmDisplay;
class FrmExitScreen;
class FrmMain;

// The program-wide windows, each created on first touch (and afresh after it was closed) and
// connected to the others: no window knows another; each says what the person asked for, and
// these connections do it.
FrmMain* frmMain();
FrmDisplay* frmDisplay();
FrmExitScreen* frmExitScreen();
