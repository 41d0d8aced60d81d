// Fuzzes the chart reader: a refused file leaves the chart in memory as it was;
// an accepted one, written back by the chart writer, reads again into the same
// name, accounts and code flag.

#include "Fuzzstod.h"
#include "core/Fel.h"
#include "core/Kontoplanfil.h"

using namespace tovana;
using namespace tovana::fuzz;

namespace {

bool SammaKontoplan(const Bokforingsdata &a, const Bokforingsdata &b) {
    if (a.Kontoplannamn != b.Kontoplannamn || a.Kontoantal != b.Kontoantal ||
        a.KoderFinns != b.KoderFinns)
        return false;
    for (int32_t i = 1; i <= a.Kontoantal; ++i)
        if (!(a.Konton[i] == b.Konton[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string fil = Skrapfil("indata.kpl");
    SkrivSkrapfil(fil, std::string_view(reinterpret_cast<const char *>(indata), storlek));

    Bokforingsdata data = KantTillstand();
    const Bokforingsdata fore = data;
    try {
        LasKontoplan(data, fil);
    } catch (const Korningsfel &) {
        Krav(data.Konton == fore.Konton && SammaKontoplan(data, fore),
             "a refused chart changed the chart in memory");
        return 0;
    }
    // The writer may refuse a name it cannot store; then there is nothing to compare.
    std::string bytes;
    try {
        bytes = KontoplanBytes(data);
    } catch (const Korningsfel &) {
        return 0;
    }
    if (LasesSomUtf8(bytes))
        return 0;
    const std::string igen = Skrapfil("igen.kpl");
    SkrivSkrapfil(igen, bytes);
    Bokforingsdata last = KantTillstand();
    try {
        LasKontoplan(last, igen);
    } catch (const Korningsfel &fel) {
        Fynd("a chart as written does not read back", fel.what());
    }
    // The code flag is only ever set by a read, so both start from the known state's.
    Krav(SammaKontoplan(data, last), "a chart read back differs from the one written", bytes);
    return 0;
}
