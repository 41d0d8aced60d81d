#pragma once
// Builds the statement screen (income statement and balance sheet) and the
// printout start page onto the main window and wires their menu items.

class Huvudfonster;
class PanelRR;
class PanelRapport;

// The statement screen and the printout start page, registered with the window.
struct Resultatpaneler {
    PanelRR *rr = nullptr;
    PanelRapport *rapport = nullptr;
};

Resultatpaneler ByggResultatpaneler(Huvudfonster &form);
