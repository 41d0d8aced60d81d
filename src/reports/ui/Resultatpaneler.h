#pragma once
// Builds the statement screen (income statement and balance sheet) and the
// printout start page onto the main window and wires their menu items.

class TForm1;

void ByggResultatpaneler(TForm1 &form);
