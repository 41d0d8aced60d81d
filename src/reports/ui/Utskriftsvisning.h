#pragma once
// AvslutaUtskrift as the window does it: the printout replaces "utskrift.html"
// in the current folder and the desktop is asked to open it in the browser.
// A failed write raises Korningsfel before the browser is asked, so run it
// inside TForm1::Kor.

#include "reports/Utskrift.h"

class TForm1;

void AvslutaUtskrift(TForm1 &form, tovana::Utskrift &utskrift);

// The stamp's date text for a printout made now.
std::string Utskriftsdatum();
