#include "reports/ui/Utskriftsvisning.h"

#include "shell/TForm1.h"

#include <ctime>

void AvslutaUtskrift(TForm1 &form, tovana::Utskrift &utskrift) {
    tovana::SkrivUtskrift(utskrift);
    form.Desktop().OppnaDokument(QString::fromStdString(tovana::kUtskriftsfil));
}

std::string Utskriftsdatum() {
    return tovana::Utskriftsdatum(std::time(nullptr));
}
