#include "entry/Foretag.h"

#include "core/Foretagsfil.h"
#include "core/Kontoplanfil.h"
#include "core/Skrivlas.h"
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
    foretag.kontoplanfil = ForetagetsSokvag(foretagsfil, foretag.kontoplanfil);
    foretag.redovisningsfil = ForetagetsSokvag(foretagsfil, foretag.redovisningsfil);
    auto kontoplanslas = TaSkrivlas(data.Kontoplanslas, foretag.kontoplanfil);
    auto redovisningslas = TaSkrivlas(data.Redovisningslas, foretag.redovisningsfil);

    // The chart is read into a scratch state so that a ledger that fails to
    // read afterwards leaves the chart in memory untouched.
    Bokforingsdata kontoplan;
    kontoplan.Konton = data.Konton;
    kontoplan.KoderFinns = data.KoderFinns;
    LasKontoplan(kontoplan, foretag.kontoplanfil);
    Redovisningsinnehall redovisning = LasRedovisningstabell(foretag.redovisningsfil);

    data.Konton = std::move(kontoplan.Konton);
    data.Kontoantal = kontoplan.Kontoantal;
    data.Kontoplannamn = std::move(kontoplan.Kontoplannamn);
    data.KoderFinns = kontoplan.KoderFinns;
    data.Kontoplanfil = foretag.kontoplanfil;
    data.KontoplanInlast = true;
    data.KontoplanAndrad = false;
    data.Foretagsfil = foretagsfil;
    SattRedovisning(data, std::move(redovisning), foretag.redovisningsfil);

    std::string besked = SattKontoplanslas(data, std::move(kontoplanslas));
    const std::string redovisningsbesked = SattRedovisningslas(data, std::move(redovisningslas));
    if (!besked.empty() && !redovisningsbesked.empty())
        besked += "\n\n";
    return besked + redovisningsbesked;
}

void SparaForetag(Bokforingsdata &data, const std::string &foretagsfil) {
    SkrivForetagsfil(foretagsfil, Foretag{data.Kontoplanfil, data.Redovisningsfil});
    data.Foretagsfil = foretagsfil;
}

std::string ForetagSparatText(const std::string &foretagsfil) {
    return "I fortsättningen kan du öppna kontoplan och redovisning genom att öppna " + foretagsfil;
}

} // namespace tovana
