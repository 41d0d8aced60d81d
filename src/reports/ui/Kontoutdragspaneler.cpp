#include "reports/ui/Kontoutdragspaneler.h"
#include "core/Menynamn.h"

#include "reports/ui/Rapport2panel.h"
#include "ui/Huvudfonster.h"

#include <QAction>

Panelrapport2 *ByggKontoutdragspaneler(Huvudfonster &form) {
    auto *panel = new Panelrapport2(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::RapportKonto), &QAction::triggered, panel,
                     &Panelrapport2::RapportKontoClick);
    QObject::connect(form.Menyval(tovana::meny::Dagbok), &QAction::triggered, panel,
                     &Panelrapport2::DagbokClick);
    return panel;
}
