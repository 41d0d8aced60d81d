#include "shell/Fargpanel.h"

#include "shell/TForm1.h"

void ByggFargpanel(TForm1 &) {}
