#include "reports/ui/Resultatpaneler.h"
#include "core/Menynamn.h"

#include "reports/ui/PanelRR.h"
#include "reports/ui/PanelRapport.h"
#include "ui/Huvudfonster.h"

#include <QAction>

Resultatpaneler ByggResultatpaneler(Huvudfonster &form) {
    auto *rr = new PanelRR(form);
    auto *rapport = new PanelRapport(form);
    form.RegistreraArbetspanel(rr);
    form.RegistreraArbetspanel(rapport);

    QObject::connect(form.Menyval(tovana::meny::RapportRes), &QAction::triggered, rr,
                     &PanelRR::RapportResClick);
    QObject::connect(form.Menyval(tovana::meny::RapportBal), &QAction::triggered, rr,
                     &PanelRR::RapportBalClick);
    QObject::connect(form.Menyval(tovana::meny::Startsidautskrift), &QAction::triggered, rapport,
                     &PanelRapport::StartsidautskriftClick);
    return {rr, rapport};
}
