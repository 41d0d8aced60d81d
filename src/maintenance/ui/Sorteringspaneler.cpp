#include "maintenance/ui/Sorteringspaneler.h"

#include "shell/TForm1.h"

void ByggSorteringspaneler(TForm1 &) {}
