#pragma once
// Builds the ledger maintenance panels onto the main window and wires their menu items.

class Huvudfonster;
class PanelIB;
class PanelKollaRed;
class PanelLogg;
class PanelPerioder;
class PanelRedRedigera;
class PanelSIE;
class PanelSortera;
class Paneloanvandakonton;
class Redovisapanel;

// The panels the maintenance builder made, registered with the window.
struct Underhallspaneler {
    PanelRedRedigera *redigera = nullptr;
    PanelSortera *sortera = nullptr;
    PanelIB *ib = nullptr;
    PanelKollaRed *kolla = nullptr;
    Paneloanvandakonton *oanvanda = nullptr;
    PanelSIE *sie = nullptr;
    PanelPerioder *perioder = nullptr;
    PanelLogg *logg = nullptr;
};

// The post-change controls work on the last-posts rows of `redovisa`.
Underhallspaneler ByggUnderhallspaneler(Huvudfonster &form, Redovisapanel &redovisa);
