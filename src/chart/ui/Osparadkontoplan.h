#pragma once
// Before a command that puts another chart in memory or ends the program, a
// chart changed since it was last read or written (an account added, renamed
// or removed) is offered for saving, so that no change is lost unseen.

#include <QString>

class Huvudfonster;

// The question, answered "Ja", "Nej" or "Avbryt".
extern const QString kOsparadKontoplan;

// True when the command may go on: the chart is unchanged, the user answered
// "Nej", or "Ja" and the chart was saved (to its file; through the save dialog
// when it has none). False when the user answered "Avbryt" or cancelled the
// save dialog. A save that fails raises, so the command is abandoned with its
// message under the window's error policy.
bool ErbjudSparaKontoplan(Huvudfonster &form);
