#pragma once
// AvslutaUtskrift as the window does it: the company's line goes above the
// first heading when its name is known (Utskrift::Foretagsrad), the printout replaces
// "utskrift.html" in the current folder and the desktop is asked to open it in the browser. A
// failed write raises Korningsfel before the browser is asked, so run it inside Huvudfonster::Kor.

#include "reports/Utskrift.h"

class Huvudfonster;

void AvslutaUtskrift(Huvudfonster &form, tovana::Utskrift &utskrift);

// The stamp's date text for a printout made now.
std::string Utskriftsdatum();
