#include "core/Foretagsfil.h"

#include "core/Fel.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <cerrno>

namespace tovana {

Foretag LasForetagsfil(const std::string &sokvag) {
    const std::string bytes = LasFil(sokvag);
    Radlasare lasare(bytes);
    std::string_view rad;
    Foretag foretag;
    // A missing or empty line names no file: it is reported against the company file.
    if (!lasare.NastaRad(rad) || rad.empty())
        throw Radfel(FilfelText(ENOENT), sokvag, 1);
    foretag.kontoplanfil = FranWindows1252(rad);
    if (!lasare.NastaRad(rad) || rad.empty())
        throw Radfel(FilfelText(ENOENT), sokvag, 2);
    foretag.redovisningsfil = FranWindows1252(rad);
    return foretag;
}

void SkrivForetagsfil(const std::string &sokvag, const Foretag &foretag) {
    SkrivFilSakert(
        sokvag, TillWindows1252(foretag.kontoplanfil + "\r\n" + foretag.redovisningsfil + "\r\n"));
}

} // namespace tovana
