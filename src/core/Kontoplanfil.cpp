#include "core/Kontoplanfil.h"

#include "core/Fel.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <utility>

namespace tovana {

namespace {

// Whether a line has the shape of a ledger's post line: seven fields, of which
// the verification number, debit, credit and code are whole numbers and the
// third an amount. A chart line never has it unless its name happens to.
bool ArPostrad(std::string_view rad) {
    std::string_view falt[6];
    for (auto &f : falt) {
        const auto semikolon = rad.find(';');
        if (semikolon == std::string_view::npos)
            return false;
        f = rad.substr(0, semikolon);
        rad.remove_prefix(semikolon + 1);
    }
    int32_t heltal = 0;
    double belopp = 0;
    return ForsokTextTillHeltal(falt[0], heltal) && ForsokTextTillBelopp(falt[2], belopp) &&
           ForsokTextTillHeltal(falt[3], heltal) && ForsokTextTillHeltal(falt[4], heltal) &&
           ForsokTextTillHeltal(falt[5], heltal);
}

// The chart's name, accounts and count in `data`; KoderFinns set for a code.
void LaggInKontoplan(Bokforingsdata &data, Kontoplaninnehall innehall) {
    data.Kontoplannamn = std::move(innehall.namn);
    for (std::size_t i = 0; i < innehall.konton.size(); ++i)
        data.Kontoplats(static_cast<int32_t>(i + 1)) = std::move(innehall.konton[i]);
    data.Kontoantal = static_cast<int32_t>(innehall.konton.size());
    if (innehall.koder)
        data.KoderFinns = true;
}

} // namespace

Kontoplaninnehall LasKontoplanfil(const std::string &sokvag) {
    const Filtext fil = Tolka(LasFil(sokvag), sokvag);
    const auto text = [&](std::string_view falt) { return Avkoda(falt, fil.kodning); };
    Radlasare lasare(fil.bytes);
    std::string_view rad;
    std::string namn;
    if (lasare.NastaRad(rad))
        namn = ForstaTecken(text(rad), kNamnlangd);

    std::vector<TKonto> konton;
    bool koder = false;
    bool allaSomPoster = true;
    while (lasare.NastaPostrad(rad)) {
        allaSomPoster = allaSomPoster && ArPostrad(rad);
        // A field is the text before its ";"; without one the field is empty, so a
        // line cut short fails its conversion instead of passing as an account.
        const auto forsta = rad.find(';');
        const std::string_view klasstext =
            forsta == std::string_view::npos ? std::string_view{} : rad.substr(0, forsta);
        std::string_view rest =
            forsta == std::string_view::npos ? std::string_view{} : rad.substr(forsta + 1);
        const auto andra = rest.find(';');
        const std::string_view nummertext =
            andra == std::string_view::npos ? std::string_view{} : rest.substr(0, andra);
        const std::string_view namntext =
            andra == std::string_view::npos ? std::string_view{} : rest.substr(andra + 1);
        TKonto konto;
        try {
            const int32_t klass = TextTillHeltal(text(klasstext));
            if (klass < kForstaKlass || klass > kSistaKlass)
                throw Korningsfel("'" + Visningstext(text(klasstext)) +
                                  "' är ingen kontoklass (1–8)");
            konto.typ = static_cast<Kontotyp>(klass);
            konto.nummer = TextTillHeltal(text(nummertext));
        } catch (const Korningsfel &fel) {
            throw Radfel(fel.what(), sokvag, lasare.Radnummer());
        }
        konto.namn = ForstaTecken(text(namntext), kNamnlangd);
        koder = koder || konto.typ == kKoder;
        konton.push_back(std::move(konto));
    }

    // A ledger chosen by mistake reads as accounts when its first verification
    // numbers are 1 to 8; saving that "chart" would then write over the ledger.
    if (!konton.empty() && allaSomPoster)
        throw Korningsfel("Filen är en redovisning, inte en kontoplan. Välj en kontoplan "
                          "(.kpl).\nFil: " +
                          sokvag);

    return {std::move(namn), std::move(konton), koder};
}

void SattInKontoplan(Bokforingsdata &data, Kontoplaninnehall innehall, const std::string &sokvag) {
    LaggInKontoplan(data, std::move(innehall));
    data.Kontoplanfil = sokvag;
    data.KontoplanInlast = true;
    data.KontoplanAndrad = false;
}

void LasKontoplan(Bokforingsdata &data, const std::string &sokvag) {
    // Everything read before the chart in memory changes.
    LaggInKontoplan(data, LasKontoplanfil(sokvag));
}

std::string KontoplanBytes(const Bokforingsdata &data) {
    KontrolleraUtanRadbrytning(data.Kontoplannamn, "Kontoplanens namn");
    std::string text = data.Kontoplannamn + "\r\n";
    for (const TKonto &k : data.Kontona()) {
        KontrolleraUtanRadbrytning(k.namn, "Kontonamnet för " + std::to_string(k.nummer));
        text += std::to_string(k.typ) + ";" + std::to_string(k.nummer) + ";" + k.namn + "\r\n";
    }
    return TillWindows1252Fil(text);
}

void SkrivKontoplan(const Bokforingsdata &data, const std::string &sokvag) {
    SkrivFilSakertMedKopior(sokvag, KontoplanBytes(data));
}

} // namespace tovana
