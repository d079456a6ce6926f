#pragma once

class QComboBox;
class QWidget;

// A new list, which a screen reader hears closed as its name (the label's words) with its value.
// Qt before 6.5 does not tell screen readers a closed list's value; its description carries
// it there, read with the name and again whenever it changes. Later Qt on Linux gives the
// list its value as its name, beside the label, so that a screen reader such as Orca 48 says
// the value twice ("Date 1 combo box 1"); there the list keeps its own name, gives the
// value as its value, and offers the picked entry as its selection, which Orca 48 follows
// to say a new value. Windows' Qt names the list by its own name already.
QComboBox* newHeardList(QWidget* parent);
