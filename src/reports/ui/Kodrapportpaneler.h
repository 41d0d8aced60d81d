#pragma once
// Builds the reports with codes onto the main window and wires their menu items.

class TForm1;

void ByggKodrapportpaneler(TForm1 &form);
