#include "chart/ui/Kontoplanspaneler.h"

#include "shell/TForm1.h"

void ByggKontoplanspaneler(TForm1 &) {}
