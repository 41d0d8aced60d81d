#pragma once
// Builds the account statement and journal panel onto the main window and wires their menu items.

class TForm1;

void ByggKontoutdragspaneler(TForm1 &form);
