#include "reports/ui/Utskriftsvisning.h"

#include "ui/Huvudfonster.h"
#include "ui/Skrivbord.h"

#include <ctime>

void AvslutaUtskrift(Huvudfonster &form, tovana::Utskrift &utskrift) {
    utskrift.Foretagsrad(form.Data().Foretaget);
    tovana::SkrivUtskrift(utskrift);
    form.Desktop().OppnaDokument(QString::fromStdString(tovana::kUtskriftsfil));
}

std::string Utskriftsdatum() {
    return tovana::Utskriftsdatum(std::time(nullptr));
}
