#include "maintenance/ui/Kontrollpaneler.h"

#include "shell/TForm1.h"

void ByggKontrollpaneler(TForm1 &) {}
