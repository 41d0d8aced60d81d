#pragma once
// Builds the colour panel and the decimal option of the Special menu onto the
// main window and wires their menu items.

class TForm1;

void ByggFargpanel(TForm1 &form);
