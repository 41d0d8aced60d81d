#include "maintenance/ui/Underhallspaneler.h"

#include "maintenance/ui/Postandringspaneler.h"
#include "maintenance/ui/Sorteringspaneler.h"
#include "shell/TForm1.h"

void ByggUnderhallspaneler(TForm1 &form) {
    ByggPostandringspaneler(form);
    ByggSorteringspaneler(form);
}
