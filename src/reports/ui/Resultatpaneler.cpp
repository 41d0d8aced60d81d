#include "reports/ui/Resultatpaneler.h"

#include "shell/TForm1.h"

void ByggResultatpaneler(TForm1 &) {}
