#pragma once
// Builds the ledger maintenance panels onto the main window and wires their menu items.

class TForm1;

void ByggUnderhallspaneler(TForm1 &form);
