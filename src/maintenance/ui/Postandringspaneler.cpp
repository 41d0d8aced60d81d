#include "maintenance/ui/Postandringspaneler.h"

#include "shell/TForm1.h"

void ByggPostandringspaneler(TForm1 &) {}
