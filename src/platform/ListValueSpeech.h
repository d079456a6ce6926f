#pragma once

class QComboBox;

// Qt before 6.5: screen readers do not hear a closed list's value; its description carries it
// there, read with the name and again whenever it changes. Later Qt says the value itself, and
// a description would say it twice, so there this does nothing.
void makeListValueHeard(QComboBox* list);
