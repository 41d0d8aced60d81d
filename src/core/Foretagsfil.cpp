#include "core/Foretagsfil.h"

#include "core/Fel.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <cerrno>

namespace tovana {

Foretag LasForetagsfil(const std::string &sokvag) {
    const Filtext fil = Tolka(LasFil(sokvag), sokvag);
    Radlasare lasare(fil.bytes);
    std::string_view rad;
    Foretag foretag;
    // A missing or empty line names no file: it is reported against the company file.
    if (!lasare.NastaRad(rad) || rad.empty())
        throw Radfel(FilfelText(ENOENT), sokvag, 1);
    foretag.kontoplanfil = Avkoda(rad, fil.kodning);
    if (!lasare.NastaRad(rad) || rad.empty())
        throw Radfel(FilfelText(ENOENT), sokvag, 2);
    foretag.redovisningsfil = Avkoda(rad, fil.kodning);
    return foretag;
}

void SkrivForetagsfil(const std::string &sokvag, const Foretag &foretag) {
    KontrolleraUtanRadbrytning(foretag.kontoplanfil, "Kontoplanens sökväg");
    KontrolleraUtanRadbrytning(foretag.redovisningsfil, "Redovisningens sökväg");
    SkrivFilSakert(sokvag, TillWindows1252Fil(foretag.kontoplanfil + "\r\n" +
                                              foretag.redovisningsfil + "\r\n"));
}

} // namespace tovana
