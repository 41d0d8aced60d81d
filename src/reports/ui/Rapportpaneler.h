#pragma once
// Builds the report panels onto the main window and wires their menu items.

class TForm1;

void ByggRapportpaneler(TForm1 &form);
