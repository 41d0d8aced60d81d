#include "reports/ui/Rapportpaneler.h"

#include "shell/TForm1.h"

void ByggRapportpaneler(TForm1 &) {}
