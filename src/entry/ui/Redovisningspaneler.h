#pragma once
// Builds the ledger and entry panels onto the main window and wires their menu items.

class Huvudfonster;
class QString;
class Redovisapanel;
class SkapaRedpanel;

// The panels the ledger builder made, registered with the window.
struct Redovisningspaneler {
    SkapaRedpanel *skapa = nullptr;
    Redovisapanel *redovisa = nullptr;
};

Redovisningspaneler ByggRedovisningspaneler(Huvudfonster &form);

// "Öppna företag": the chart and the ledger of a company file, read whole
// before anything changes, then the entry panel with the newest posts. An
// unsaved chart is offered for saving first. `sokvag` is the company file, or
// empty for the open dialog to choose it.
void OppnaForetagsfil(Huvudfonster &form, Redovisapanel &redovisa, const QString &sokvag);
