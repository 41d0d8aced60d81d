#pragma once
// Builds the consistency check panels onto the main window and wires their menu items.

class TForm1;

void ByggKontrollpaneler(TForm1 &form);
