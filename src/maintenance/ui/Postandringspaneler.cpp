#include "maintenance/ui/Postandringspaneler.h"

#include "entry/ui/Senasteposter.h"
#include "maintenance/ui/PanelRedRedigera.h"
#include "maintenance/ui/Postbladdring.h"
#include "shell/Arbetspanel.h"
#include "shell/TForm1.h"

void ByggPostandringspaneler(TForm1 &form) {
    auto *redigera = new PanelRedRedigera(form);
    form.RegistreraArbetspanel(redigera);
    // The paging, jump and post-number controls stand on the entry panel's rows.
    auto *senaste = form.Panel(QStringLiteral("PanelRedovisa"))
                        ->findChild<Senasteposter *>(QStringLiteral("Senasteposter"));
    new Postbladdring(form, *senaste, *redigera);
}
