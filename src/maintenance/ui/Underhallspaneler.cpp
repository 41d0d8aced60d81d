#include "maintenance/ui/Underhallspaneler.h"

#include "maintenance/ui/IBpaneler.h"
#include "maintenance/ui/Kontrollpaneler.h"
#include "maintenance/ui/PanelSIE.h"
#include "maintenance/ui/Postandringspaneler.h"
#include "maintenance/ui/Sorteringspaneler.h"
#include "shell/TForm1.h"

void ByggUnderhallspaneler(TForm1 &form) {
    ByggPostandringspaneler(form);
    ByggSorteringspaneler(form);
    ByggIBpaneler(form);
    ByggKontrollpaneler(form);
    ByggSIEpanel(form);
}
