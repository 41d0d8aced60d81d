#include "maintenance/ui/Underhallspaneler.h"

#include "entry/ui/Redovisapanel.h"
#include "maintenance/ui/Kontrollpaneler.h"
#include "maintenance/ui/PanelIB.h"
#include "maintenance/ui/PanelSIE.h"
#include "maintenance/ui/Periodpaneler.h"
#include "maintenance/ui/Postandringspaneler.h"
#include "maintenance/ui/Sorteringspaneler.h"
#include "ui/Huvudfonster.h"

Underhallspaneler ByggUnderhallspaneler(Huvudfonster &form, Redovisapanel &redovisa) {
    Underhallspaneler paneler;
    paneler.redigera = ByggPostandringspaneler(form, redovisa.Senaste(), redovisa.Formular());
    paneler.sortera = ByggSorteringspaneler(form);
    paneler.ib = ByggIBpaneler(form);
    const auto [kolla, oanvanda] = ByggKontrollpaneler(form);
    paneler.kolla = kolla;
    paneler.oanvanda = oanvanda;
    paneler.sie = ByggSIEpanel(form, redovisa.Formular());
    const auto [perioder, logg] = ByggPeriodpaneler(form);
    paneler.perioder = perioder;
    paneler.logg = logg;
    return paneler;
}
