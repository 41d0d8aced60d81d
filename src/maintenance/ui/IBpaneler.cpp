#include "maintenance/ui/IBpaneler.h"

#include "shell/TForm1.h"

void ByggIBpaneler(TForm1 &) {}
