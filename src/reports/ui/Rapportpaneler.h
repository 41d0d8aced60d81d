#pragma once
// Builds the report panels onto the main window and wires their menu items.

class Huvudfonster;
class PanelMoms;
class PanelPeriod;
class PanelRR;
class PanelRapport;
class PanelRappkod;
class Panelrapport2;

// The panels the report builder made, registered with the window.
struct Rapportpaneler {
    PanelRR *rr = nullptr;
    PanelRapport *rapport = nullptr;
    Panelrapport2 *rapport2 = nullptr;
    PanelRappkod *rappkod = nullptr;
    PanelPeriod *period = nullptr;
    PanelMoms *moms = nullptr;
};

Rapportpaneler ByggRapportpaneler(Huvudfonster &form);
