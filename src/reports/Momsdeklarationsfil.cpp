#include "reports/Momsdeklarationsfil.h"

#include "core/Fel.h"
#include "core/Momsrutor.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>
#include <cstdio>

namespace tovana {

std::string EskdOrganisationsnummer(std::string_view orgnr) {
    while (!orgnr.empty() && static_cast<unsigned char>(orgnr.front()) <= ' ')
        orgnr.remove_prefix(1);
    while (!orgnr.empty() && static_cast<unsigned char>(orgnr.back()) <= ' ')
        orgnr.remove_suffix(1);
    if (orgnr.empty())
        throw Korningsfel("Företagets organisationsnummer saknas. Fyll i det under "
                          "Företagsuppgifter; ingen fil har sparats.");
    // Ten digits, with a hyphen after the sixth or without one.
    std::string siffror(orgnr);
    if (siffror.size() == 11 && siffror[6] == '-')
        siffror.erase(6, 1);
    if (siffror.size() != 10 ||
        !std::all_of(siffror.begin(), siffror.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw Korningsfel("Organisationsnumret \"" + Visningstext(orgnr, 20) +
                          "\" ska skrivas med tio siffror, NNNNNN-NNNN; ingen fil har sparats.");
    return siffror.substr(0, 6) + "-" + siffror.substr(6);
}

std::string MomsdeklarationBytes(const Momsrapport &rapport, std::string_view orgnr) {
    const std::string nummer = EskdOrganisationsnummer(orgnr);
    char period[8];
    std::snprintf(period, sizeof period, "%04d%02d", rapport.period.till.ar,
                  rapport.period.till.manad);
    std::string ut = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                     "<!DOCTYPE eSKDUpload PUBLIC \"-//Skatteverket, Sweden//DTD Skatteverket "
                     "eSKDUpload-DTD Version 6.0//SV\" "
                     "\"https://www1.skatteverket.se/demoeskd/eSKDUpload_6p0.dtd\">\r\n"
                     "<eSKDUpload Version=\"6.0\">\r\n"
                     "  <OrgNr>" +
                     nummer +
                     "</OrgNr>\r\n"
                     "  <Moms>\r\n"
                     "    <Period>" +
                     period + "</Period>\r\n";
    for (const int r : Filordning()) {
        const int64_t kr =
            r == kRuta49 ? rapport.ruta49 : rapport.kronor[static_cast<std::size_t>(r)];
        if (kr == 0 && r != kRuta49)
            continue;
        const std::string element = SokMomsruta(r)->element;
        ut += "    <" + element + ">" + std::to_string(kr) + "</" + element + ">\r\n";
    }
    ut += "  </Moms>\r\n</eSKDUpload>\r\n";
    return ut;
}

void SparaMomsdeklaration(const std::string &sokvag, const Momsrapport &rapport,
                          std::string_view orgnr) {
    SkrivFilSakert(sokvag, MomsdeklarationBytes(rapport, orgnr));
}

} // namespace tovana
