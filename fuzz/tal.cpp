// Fuzzes the number parsers. The raising and the non-raising forms agree; an
// accepted amount written as Taltext parses again to the same value to 15
// significant digits; an accepted integer written in decimal parses to itself.
// The display texts of any accepted amount, and of the input's first eight bytes
// taken as a double, never crash.

#include "Fuzzstod.h"
#include "core/Fel.h"
#include "core/Taltext.h"

#include <cmath>
#include <cstring>

using namespace tovana;
using namespace tovana::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string_view text(reinterpret_cast<const char *>(indata), storlek);

    int32_t heltal = 0;
    const bool arHeltal = ForsokTextTillHeltal(text, heltal);
    bool heltalKastade = false;
    int32_t heltalKastande = 0;
    try {
        heltalKastande = TextTillHeltal(text);
    } catch (const Korningsfel &) {
        heltalKastade = true;
    }
    Krav(heltalKastade == !arHeltal && (heltalKastade || heltalKastande == heltal),
         "the integer readers disagree");
    if (arHeltal) {
        int32_t igen = 0;
        Krav(ForsokTextTillHeltal(std::to_string(heltal), igen) && igen == heltal,
             "an integer does not read back", std::to_string(heltal));
    }

    double belopp = 0;
    const bool arBelopp = ForsokTextTillBelopp(text, belopp);
    bool beloppKastade = false;
    double beloppKastande = 0;
    try {
        beloppKastande = TextTillBelopp(text);
    } catch (const Korningsfel &) {
        beloppKastade = true;
    }
    Krav(beloppKastade == !arBelopp && (beloppKastade || SammaBelopp(beloppKastande, belopp)),
         "the amount readers disagree");
    if (arBelopp) {
        Krav(std::isfinite(belopp), "an accepted amount is not finite");
        const std::string skriven = Taltext(belopp);
        double igen = 0;
        Krav(ForsokTextTillBelopp(skriven, igen), "an accepted amount's Taltext does not parse",
             skriven);
        Krav(SammaBelopp(igen, belopp), "an amount does not survive its Taltext",
             skriven + " / " + Femton(igen));
        Beloppstext(belopp);
        KortBeloppstext(belopp);
    }

    if (storlek >= sizeof(double)) {
        double v = 0;
        std::memcpy(&v, indata, sizeof v);
        const std::string skriven = Taltext(v);
        Beloppstext(v);
        KortBeloppstext(v);
        double igen = 0;
        if (std::isfinite(v) && ForsokTextTillBelopp(skriven, igen))
            Krav(SammaBelopp(igen, v), "a double does not survive its Taltext", skriven);
    }
    return 0;
}
