#include "reports/ui/Resultatpaneler.h"

#include "reports/ui/PanelRR.h"
#include "reports/ui/PanelRapport.h"
#include "shell/Huvudfonster.h"

#include <QAction>

Resultatpaneler ByggResultatpaneler(Huvudfonster &form) {
    auto *rr = new PanelRR(form);
    auto *rapport = new PanelRapport(form);
    form.RegistreraArbetspanel(rr);
    form.RegistreraArbetspanel(rapport);

    QObject::connect(form.Menyval(QStringLiteral("RapportRes")), &QAction::triggered, rr,
                     &PanelRR::RapportResClick);
    QObject::connect(form.Menyval(QStringLiteral("RapportBal")), &QAction::triggered, rr,
                     &PanelRR::RapportBalClick);
    QObject::connect(form.Menyval(QStringLiteral("Startsidautskrift")), &QAction::triggered,
                     rapport, &PanelRapport::StartsidautskriftClick);
    return {rr, rapport};
}
