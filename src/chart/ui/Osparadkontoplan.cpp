#include "chart/ui/Osparadkontoplan.h"

#include "chart/Kontoplan.h"
#include "ui/Huvudfonster.h"
#include "ui/Skrivbord.h"

const QString kOsparadKontoplan =
    QStringLiteral("Kontoplanen har ändringar som inte är sparade. Vill du spara dem?");

bool ErbjudSparaKontoplan(Huvudfonster &form) {
    auto &data = form.Data();
    if (!data.KontoplanAndrad)
        return true;
    switch (form.Desktop().FragaMedAvbryt(&form.Agare(), kOsparadKontoplan)) {
    case Skrivbord::Svar::Nej:
        return true;
    case Skrivbord::Svar::Avbryt:
        return false;
    case Skrivbord::Svar::Ja:
        break;
    }
    if (data.Kontoplanfil.empty()) {
        const QString sokvag = form.ValjSparfil(QStringLiteral("*.kpl"));
        if (sokvag.isEmpty())
            return false;
        tovana::SparaKontoplanSom(data, sokvag.toStdString());
    } else {
        tovana::SparaKontoplan(data);
    }
    form.VisaAktuellKontoplan();
    return true;
}
