#pragma once
// Builds the ledger and entry panels onto the main window and wires their menu items.

class Huvudfonster;
class Redovisapanel;
class SkapaRedpanel;

// The panels the ledger builder made, registered with the window.
struct Redovisningspaneler {
    SkapaRedpanel *skapa = nullptr;
    Redovisapanel *redovisa = nullptr;
};

Redovisningspaneler ByggRedovisningspaneler(Huvudfonster &form);
