// Fuzzes the settings reader: a refused file leaves the colour as it was; an
// accepted one, written back by the settings writer, reads again into the same
// colour text and colour.

#include "core/Installningar.h"
#include "Fuzzstod.h"
#include "core/Fel.h"

using namespace tovana;
using namespace tovana::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string fil = Skrapfil("indata.farg");
    SkrivSkrapfil(fil, std::string_view(reinterpret_cast<const char *>(indata), storlek));

    Installningsdata data = KantaInstallningar();
    try {
        LasInstallningar(data, fil);
    } catch (const Korningsfel &) {
        const Installningsdata kand = KantaInstallningar();
        Krav(data.Fargtext == kand.Fargtext && data.Bakgrundsfarg == kand.Bakgrundsfarg,
             "refused settings changed the colour");
        return 0;
    }
    const std::string igen = Skrapfil("igen.farg");
    try {
        SkrivInstallningar(data, igen);
    } catch (const Korningsfel &) {
        return 0; // a colour text the writer cannot store
    }
    Installningsdata last = KantaInstallningar();
    try {
        LasInstallningar(last, igen);
    } catch (const Korningsfel &fel) {
        Fynd("settings as written do not read back", fel.what());
    }
    Krav(last.Fargtext == data.Fargtext && last.Bakgrundsfarg == data.Bakgrundsfarg,
         "settings read back differ from those written", data.Fargtext);
    return 0;
}
