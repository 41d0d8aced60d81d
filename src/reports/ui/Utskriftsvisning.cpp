#include "reports/ui/Utskriftsvisning.h"

#include "shell/Huvudfonster.h"
#include "shell/Skrivbord.h"

#include <ctime>

void AvslutaUtskrift(Huvudfonster &form, tovana::Utskrift &utskrift) {
    utskrift.Foretagsrad(form.Data().Foretaget);
    tovana::SkrivUtskrift(utskrift);
    form.Desktop().OppnaDokument(QString::fromStdString(tovana::kUtskriftsfil));
}

std::string Utskriftsdatum() {
    return tovana::Utskriftsdatum(std::time(nullptr));
}
