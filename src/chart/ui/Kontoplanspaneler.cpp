#include "chart/ui/Kontoplanspaneler.h"
#include "core/Menynamn.h"

#include "chart/ui/PanelKplanRedigera.h"
#include "chart/ui/PanelMomskoder.h"
#include "chart/ui/PanelOppnaKplan.h"
#include "chart/ui/Panelnyakonton.h"
#include "chart/ui/Panelnykontoplan.h"
#include "ui/Huvudfonster.h"

#include <QAction>

Kontoplanspaneler ByggKontoplanspaneler(Huvudfonster &form) {
    auto *nyakonton = new Panelnyakonton(form);
    auto *nykontoplan = new Panelnykontoplan(form, *nyakonton);
    auto *oppna = new PanelOppnaKplan(form);
    auto *redigera = new PanelKplanRedigera(form);
    form.RegistreraArbetspanel(nykontoplan);
    form.RegistreraArbetspanel(nyakonton);
    form.RegistreraArbetspanel(oppna);
    form.RegistreraArbetspanel(redigera);

    QObject::connect(form.Menyval(tovana::meny::Skapany1), &QAction::triggered, nykontoplan,
                     &Panelnykontoplan::Skapany1Click);
    QObject::connect(form.Menyval(tovana::meny::Nyttkonto1), &QAction::triggered, nyakonton,
                     &Panelnyakonton::Nyttkonto1Click);
    QObject::connect(form.Menyval(tovana::meny::Oppna1), &QAction::triggered, oppna,
                     &PanelOppnaKplan::Oppna1Click);
    QObject::connect(form.Menyval(tovana::meny::Visa1), &QAction::triggered, oppna,
                     &PanelOppnaKplan::Visa1Click);
    QObject::connect(form.Menyval(tovana::meny::SparasomKplan), &QAction::triggered, oppna,
                     &PanelOppnaKplan::SparasomKplanClick);
    QObject::connect(form.Menyval(tovana::meny::Redigera1), &QAction::triggered, redigera,
                     &PanelKplanRedigera::Redigera1Click);
    return {nykontoplan, nyakonton, oppna, redigera, ByggMomskodpanel(form)};
}
