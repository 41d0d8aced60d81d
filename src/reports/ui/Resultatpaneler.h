#pragma once
// Builds the statement panels (income statement and balance sheet) onto the main window and wires their menu items.

class TForm1;

void ByggResultatpaneler(TForm1 &form);
