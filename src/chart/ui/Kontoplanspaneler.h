#pragma once
// Builds the chart-of-accounts panels onto the main window and wires their menu items.

class Huvudfonster;
class PanelKplanRedigera;
class PanelMomskoder;
class PanelOppnaKplan;
class Panelnyakonton;
class Panelnykontoplan;

// The panels the chart builder made, registered with the window.
struct Kontoplanspaneler {
    Panelnykontoplan *nykontoplan = nullptr;
    Panelnyakonton *nyakonton = nullptr;
    PanelOppnaKplan *oppna = nullptr;
    PanelKplanRedigera *redigera = nullptr;
    PanelMomskoder *momskoder = nullptr;
};

Kontoplanspaneler ByggKontoplanspaneler(Huvudfonster &form);
