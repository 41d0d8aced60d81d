#include "reports/ui/Kontoutdragspaneler.h"

#include "reports/ui/Rapport2panel.h"
#include "shell/Huvudfonster.h"

#include <QAction>

Panelrapport2 *ByggKontoutdragspaneler(Huvudfonster &form) {
    auto *panel = new Panelrapport2(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(QStringLiteral("RapportKonto")), &QAction::triggered, panel,
                     &Panelrapport2::RapportKontoClick);
    QObject::connect(form.Menyval(QStringLiteral("Dagbok")), &QAction::triggered, panel,
                     &Panelrapport2::DagbokClick);
    return panel;
}
