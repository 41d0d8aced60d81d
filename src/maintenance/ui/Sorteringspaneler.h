#pragma once
// Builds the re-sorting panel onto the main window and wires their menu items.

class TForm1;

void ByggSorteringspaneler(TForm1 &form);
