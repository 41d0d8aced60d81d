#include "entry/ui/Redovisningspaneler.h"

#include "shell/TForm1.h"

void ByggRedovisningspaneler(TForm1 &) {}
