#include "reports/ui/Rapportpaneler.h"

#include "reports/ui/Kodrapportpaneler.h"
#include "reports/ui/Kontoutdragspaneler.h"
#include "reports/ui/Resultatpaneler.h"
#include "shell/TForm1.h"

void ByggRapportpaneler(TForm1 &form) {
    ByggResultatpaneler(form);
    ByggKontoutdragspaneler(form);
    ByggKodrapportpaneler(form);
}
