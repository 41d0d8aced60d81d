#pragma once
// Builds the ledger and entry panels onto the main window and wires their menu items.

class TForm1;

void ByggRedovisningspaneler(TForm1 &form);
