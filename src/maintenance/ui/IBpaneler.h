#pragma once
// Builds the panel that brings in opening balances from last year's ledger onto the main window and wires their menu items.

class TForm1;

void ByggIBpaneler(TForm1 &form);
