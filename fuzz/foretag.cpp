// Fuzzes the company-file reader: an accepted file, written back by the
// company-file writer, reads again into the same two paths, the same details
// and the same other lines.

#include "Fuzzstod.h"
#include "core/Fel.h"
#include "core/Foretagsfil.h"
#include "core/Textfil.h"

using namespace tovana;
using namespace tovana::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string fil = Skrapfil("indata.ftg");
    SkrivSkrapfil(fil, std::string_view(reinterpret_cast<const char *>(indata), storlek));

    Foretag foretag;
    try {
        foretag = LasForetagsfil(fil);
    } catch (const Korningsfel &) {
        return 0;
    }
    Krav(!foretag.kontoplanfil.empty() && !foretag.redovisningsfil.empty(),
         "a company file was accepted with an empty path");
    const std::string igen = Skrapfil("igen.ftg");
    try {
        SkrivForetagsfil(igen, foretag);
    } catch (const Korningsfel &) {
        return 0; // a path the writer cannot store
    }
    if (LasesSomUtf8(LasFil(igen)))
        return 0;
    Foretag last;
    try {
        last = LasForetagsfil(igen);
    } catch (const Korningsfel &fel) {
        Fynd("a company file as written does not read back", fel.what());
    }
    Krav(last.kontoplanfil == foretag.kontoplanfil &&
             last.redovisningsfil == foretag.redovisningsfil &&
             last.uppgifter == foretag.uppgifter && last.ovrigaRader == foretag.ovrigaRader,
         "a company file read back differs from the one written",
         foretag.kontoplanfil + "\n" + foretag.redovisningsfil);
    return 0;
}
