#include "reports/ui/Rapportpaneler.h"

#include "reports/ui/Kodrapportpaneler.h"
#include "reports/ui/Kontoutdragspaneler.h"
#include "reports/ui/PanelMoms.h"
#include "reports/ui/PanelPeriod.h"
#include "reports/ui/Resultatpaneler.h"
#include "ui/Huvudfonster.h"

Rapportpaneler ByggRapportpaneler(Huvudfonster &form) {
    Rapportpaneler paneler;
    const auto [rr, rapport] = ByggResultatpaneler(form);
    paneler.rr = rr;
    paneler.rapport = rapport;
    paneler.rapport2 = ByggKontoutdragspaneler(form);
    paneler.rappkod = ByggKodrapportpaneler(form);
    paneler.period = ByggPeriodpanel(form, *rr);
    paneler.moms = ByggMomspanel(form);
    return paneler;
}
