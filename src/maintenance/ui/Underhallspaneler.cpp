#include "maintenance/ui/Underhallspaneler.h"

#include "shell/TForm1.h"

void ByggUnderhallspaneler(TForm1 &) {}
