#pragma once
// Builds the chart-of-accounts panels onto the main window and wires their menu items.

class TForm1;

void ByggKontoplanspaneler(TForm1 &form);
