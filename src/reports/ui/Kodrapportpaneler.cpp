#include "reports/ui/Kodrapportpaneler.h"

#include "shell/TForm1.h"

void ByggKodrapportpaneler(TForm1 &) {}
