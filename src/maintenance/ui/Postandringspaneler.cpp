#include "maintenance/ui/Postandringspaneler.h"

#include "entry/ui/Senasteposter.h"
#include "maintenance/ui/PanelRedRedigera.h"
#include "maintenance/ui/Postbladdring.h"
#include "ui/Huvudfonster.h"

PanelRedRedigera *ByggPostandringspaneler(Huvudfonster &form, Senasteposter &senaste,
                                          tovana::Postformular &formular) {
    auto *redigera = new PanelRedRedigera(form);
    form.RegistreraArbetspanel(redigera);
    // The paging, jump and post-number controls stand on the entry panel's rows.
    new Postbladdring(form, senaste, formular, *redigera);
    return redigera;
}
