#include "entry/Foretag.h"

#include "core/Fel.h"
#include "core/Foretagsfil.h"
#include "core/Kontoplanfil.h"
#include "core/Skrivlas.h"
#include "core/Teckentabell.h"
#include "entry/Redovisning.h"

#include <filesystem>
#include <system_error>

namespace tovana {

std::string ForetagetsSokvag(const std::string &foretagsfil, const std::string &sokvag) {
    namespace fs = std::filesystem;
    const fs::path stig(sokvag);
    const fs::path mapp = fs::path(foretagsfil).parent_path();
    if (stig.is_absolute() || mapp.empty())
        return sokvag;
    const fs::path bredvid = mapp / stig;
    std::error_code fel;
    if (!fs::exists(bredvid, fel) && fs::exists(stig, fel))
        return sokvag;
    return bredvid.string();
}

std::string OppnaForetag(Bokforingsdata &data, const std::string &foretagsfil) {
    Foretag foretag = LasForetagsfil(foretagsfil);
    const Foretagsuppgifter uppgifter = foretag.uppgifter;
    foretag.kontoplanfil = ForetagetsSokvag(foretagsfil, foretag.kontoplanfil);
    foretag.redovisningsfil = ForetagetsSokvag(foretagsfil, foretag.redovisningsfil);
    auto kontoplanslas = TaSkrivlas(data.Kontoplanslas, foretag.kontoplanfil);
    auto redovisningslas = TaSkrivlas(data.Redovisningslas, foretag.redovisningsfil);

    // Both files are read whole before either is handed over, so that a ledger
    // that fails to read leaves the chart in memory untouched.
    Kontoplaninnehall kontoplan = LasKontoplanfil(foretag.kontoplanfil);
    Redovisningsinnehall redovisning = LasRedovisningstabell(foretag.redovisningsfil);
    const Loggvidoppning logg = LasLoggVidOppning(foretag.redovisningsfil, redovisning,
                                                  redovisningslas && redovisningslas->Tagen());

    SattInKontoplan(data, std::move(kontoplan), foretag.kontoplanfil);
    SattRedovisning(data, std::move(redovisning), foretag.redovisningsfil);

    data.Foretagsfil = foretagsfil;
    data.Foretaget = uppgifter;

    std::string besked = SattKontoplanslas(data, std::move(kontoplanslas));
    const auto lagg = [&besked](const std::string &stycke) {
        if (!besked.empty() && !stycke.empty())
            besked += "\n\n";
        besked += stycke;
    };
    lagg(SattRedovisningslas(data, std::move(redovisningslas)));
    lagg(OrdnaLoggVidOppning(data, logg));
    if (!foretag.problem.empty()) {
        std::string problem = "Några företagsuppgifter kunde inte läsas:";
        for (const auto &rad : foretag.problem)
            problem += "\n" + rad;
        lagg(problem);
    }
    return besked;
}

void SparaForetag(Bokforingsdata &data, const std::string &foretagsfil) {
    SparaNyttForetag(data, foretagsfil, data.Foretaget);
}

std::string ForetagSparatText(const std::string &foretagsfil) {
    return "I fortsättningen kan du öppna kontoplan och redovisning genom att öppna " + foretagsfil;
}

Uppgiftsprovning ProvaForetagsuppgifter(const Uppgiftsrutor &rutor) {
    Uppgiftsprovning provning;
    const auto fel = [&provning](std::string text, Uppgiftsruta ruta) {
        provning.fel = std::move(text);
        provning.ruta = ruta;
        return provning;
    };
    Foretagsuppgifter u;
    const auto trimmad = [](std::string_view text) {
        const auto borjan = text.find_first_not_of(" \t");
        if (borjan == std::string_view::npos)
            return std::string();
        return std::string(text.substr(borjan, text.find_last_not_of(" \t") - borjan + 1));
    };
    u.namn = trimmad(rutor.namn);
    if (u.namn.find_first_of("\r\n") != std::string::npos)
        return fel("Företagets namn får inte innehålla radbrytningar.", Uppgiftsruta::Namn);
    if (Teckenantal(u.namn) > kForetagsnamnlangd)
        return fel("Företagets namn får vara högst " + std::to_string(kForetagsnamnlangd) +
                       " tecken.",
                   Uppgiftsruta::Namn);
    if (!ArWindows1252Text(u.namn))
        return fel("Företagets namn innehåller ett tecken som inte kan sparas i företagsfilen.",
                   Uppgiftsruta::Namn);

    if (!trimmad(rutor.orgnr).empty()) {
        if (const std::string text = OrgnrFel(rutor.orgnr); !text.empty())
            return fel(text, Uppgiftsruta::Orgnr);
        u.orgnr = *LasOrgnr(rutor.orgnr);
    }

    const std::string fran = trimmad(rutor.arFran);
    const std::string till = trimmad(rutor.arTill);
    if (!fran.empty() || !till.empty()) {
        if (fran.empty() || till.empty())
            return fel("Ange både räkenskapsårets första och sista dag, eller lämna båda tomma.",
                       fran.empty() ? Uppgiftsruta::ArFran : Uppgiftsruta::ArTill);
        const auto forsta = LasDatum(fran);
        if (!forsta)
            return fel("Räkenskapsårets första dag: " + kOlasbartDatum, Uppgiftsruta::ArFran);
        const auto sista = LasDatum(till);
        if (!sista)
            return fel("Räkenskapsårets sista dag: " + kOlasbartDatum, Uppgiftsruta::ArTill);
        const Arsperiod ar{*forsta, *sista};
        if (const std::string text = RakenskapsarFel(ar); !text.empty())
            return fel(text, Uppgiftsruta::ArTill);
        u.rakenskapsar = ar;
    }
    u.momsperiod = rutor.momsperiod;
    provning.uppgifter = u;
    return provning;
}

Uppgiftsrutor Uppgiftsrutorna(const Foretagsuppgifter &uppgifter) {
    Uppgiftsrutor rutor{uppgifter.namn, uppgifter.orgnr, {}, {}, uppgifter.momsperiod};
    if (uppgifter.rakenskapsar) {
        rutor.arFran = Datumtext(uppgifter.rakenskapsar->fran);
        rutor.arTill = Datumtext(uppgifter.rakenskapsar->till);
    }
    return rutor;
}

void SparaForetagsuppgifter(Bokforingsdata &data, const Foretagsuppgifter &uppgifter) {
    if (data.Foretagsfil.empty())
        throw Korningsfel("Det finns ingen företagsfil att spara företagsuppgifterna i.");
    // The path lines as the file holds them (a relative path stays relative).
    Foretag foretag = LasForetagsfil(data.Foretagsfil);
    std::vector<std::string> ovriga;
    for (auto &rad : foretag.ovrigaRader)
        if (!ArUppgiftsrad(rad))
            ovriga.push_back(std::move(rad));
    foretag.ovrigaRader = std::move(ovriga);
    foretag.uppgifter = uppgifter;
    SkrivForetagsfil(data.Foretagsfil, foretag);
    data.Foretaget = uppgifter;
}

void SparaNyttForetag(Bokforingsdata &data, const std::string &foretagsfil,
                      const Foretagsuppgifter &uppgifter) {
    if (data.Kontoplanfil.empty() || data.Redovisningsfil.empty())
        throw Korningsfel("Kontoplanen och redovisningen måste ha var sin fil innan de kan sparas "
                          "som ett företag.");
    Foretag foretag{data.Kontoplanfil, data.Redovisningsfil, uppgifter, {}, {}};
    SkrivForetagsfil(foretagsfil, foretag);
    data.Foretagsfil = foretagsfil;
    data.Foretaget = uppgifter;
}

} // namespace tovana
