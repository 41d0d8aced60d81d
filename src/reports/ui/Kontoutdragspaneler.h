#pragma once
// Builds the account statement and journal panel onto the main window and wires their menu items.

class Huvudfonster;
class Panelrapport2;

Panelrapport2 *ByggKontoutdragspaneler(Huvudfonster &form);
