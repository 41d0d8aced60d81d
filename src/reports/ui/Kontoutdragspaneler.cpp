#include "reports/ui/Kontoutdragspaneler.h"

#include "shell/TForm1.h"

void ByggKontoutdragspaneler(TForm1 &) {}
