#pragma once
// Builds the post browsing, changing and deleting panel onto the main window and wires their menu items.

class TForm1;

void ByggPostandringspaneler(TForm1 &form);
