// Fuzzes the SIE reader: any bytes give either errors and nothing else, or a
// chart and ledger that the program's own chart and ledger files hold and read
// back unchanged. An accepted file whose posts all fall within one financial
// year (the one StandardRakenskapsar picks) is exported and imported again:
// the accounts keep their class and number, and every account's balance (in
// all, and per code) stays the same to the öre. Names and texts are not
// compared across that trip: the export writes PC8, where a letter the ledger
// holds but PC8 lacks becomes its nearest one ("Ø" "O") or is spelled out
// ("€" "EUR"), and a name so lengthened past 80 characters is cut again when
// read. From the second export on the file is fixed: a third export is the
// same as the second, as long as both exports read back as PC8 (a name made
// mostly of PC8's graphic characters can tip the reader's guess to
// Windows-1252). An import whose posts span several years, or that holds an
// opening balance on a result account, exports with problems, and nothing more
// is compared for it. Every export carries a #KSUMMA checksum, so each import
// of one also checks that the checksum written is the one read.

#include "Fuzzstod.h"
#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "maintenance/Sieexport.h"
#include "maintenance/Siefil.h"
#include "maintenance/Sieimport.h"
#include "reports/Balansberakning.h"

#include <cmath>
#include <set>

using namespace tovana;
using namespace tovana::fuzz;

namespace {

std::string Rader(const std::vector<std::string> &rader) {
    std::string text;
    for (const auto &rad : rader)
        text += rad + "\n";
    return text;
}

// The chart and ledger files written and read back into what was written.
void KravLagras(const Bokforingsdata &data) {
    const std::string kpl = Skrapfil("import.kpl"), red = Skrapfil("import.red");
    std::string kbytes, rbytes;
    try {
        kbytes = KontoplanBytes(data);
        rbytes = RedovisningBytes(data.Redovisningsnamn, data.Poster.data() + 1,
                                  static_cast<std::size_t>(data.Postantal));
    } catch (const Korningsfel &fel) {
        Fynd("an accepted import cannot be written as chart and ledger", fel.what());
    }
    if (LasesSomUtf8(kbytes) || LasesSomUtf8(rbytes))
        return;
    SkrivSkrapfil(kpl, kbytes);
    SkrivSkrapfil(red, rbytes);
    Bokforingsdata last;
    try {
        LasKontoplan(last, kpl);
        LasRedovisning(last, red);
    } catch (const Korningsfel &fel) {
        Fynd("an imported chart or ledger does not read back", fel.what());
    }
    Krav(last.Kontoplannamn == data.Kontoplannamn && last.Kontoantal == data.Kontoantal,
         "the imported chart reads back otherwise", kbytes);
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        Krav(last.Konton[i] == data.Konton[i], "an imported account reads back otherwise", kbytes);
    Krav(last.Postantal == data.Postantal, "the imported ledger reads back otherwise", rbytes);
    for (int32_t i = 1; i <= data.Postantal; ++i)
        Krav(SammaPost(last.Poster[i], data.Poster[i]), "an imported post reads back otherwise",
             Beskriv(data.Poster[i]) + "\n" + Beskriv(last.Poster[i]));
}

// Every account's balance in all and per code, the same to the öre (with room
// for the different order the two ledgers add their posts in).
void KravSammaSaldon(const Bokforingsdata &a, const Bokforingsdata &b, const std::string &fil) {
    std::set<std::optional<int32_t>> koder = {std::nullopt, 0};
    double storst = 0;
    for (int32_t i = 1; i <= a.Postantal; ++i) {
        koder.insert(a.Poster[i].kod);
        storst = std::max(storst, std::fabs(a.Poster[i].belopp));
    }
    const double marginal = 0.005 + storst * a.Postantal * 1e-15;
    for (const auto &kod : koder) {
        const Saldotabell fore(a, kod), efter(b, kod);
        for (int32_t i = 1; i <= a.Kontoantal; ++i) {
            const TKonto &konto = a.Konton[i];
            if (konto.typ == kKoder)
                continue;
            const double x = fore.Saldo(konto.nummer, konto.typ);
            const double y = efter.Saldo(konto.nummer, konto.typ);
            Krav(std::fabs(x - y) <= marginal, "a balance changed in the export and import",
                 std::to_string(konto.nummer) + " " + Femton(x) + " / " + Femton(y) + "\n" + fil);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string_view bytes(reinterpret_cast<const char *>(indata), storlek);
    const SieImport imp = Importera(bytes);
    if (!imp.Lyckades()) {
        Krav(imp.konton.empty() && imp.poster.empty() && imp.sammanfattning.empty(),
             "a refused import still gives a chart or a ledger", Rader(imp.fel));
        return 0;
    }
    const Bokforingsdata data = SomBokforingsdata(imp);
    KravLagras(data);

    const Rakenskapsar ar = StandardRakenskapsar(data, "20261208");
    const SieExport exp = Exportera(data, ar.fran, ar.till, "20261208");
    if (!exp.Lyckades())
        return 0;
    const SieImport igen = Importera(exp.bytes);
    if (!igen.Lyckades())
        Fynd("an export does not import", Rader(igen.fel) + exp.bytes);
    const Bokforingsdata tillbaka = SomBokforingsdata(igen);
    Krav(tillbaka.Kontoantal == data.Kontoantal, "the number of accounts changed", exp.bytes);
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        Krav(tillbaka.Konton[i].typ == data.Konton[i].typ &&
                 tillbaka.Konton[i].nummer == data.Konton[i].nummer,
             "an account changed class or number", exp.bytes);
    KravSammaSaldon(data, tillbaka, exp.bytes);

    const SieExport andra = Exportera(tillbaka, ar.fran, ar.till, "20261208");
    Krav(andra.Lyckades(), "a second export has problems", Rader(andra.problem) + exp.bytes);
    const auto somPc8 = [](const std::string &bytes) {
        const auto text = LasSietext(bytes);
        return text && text->kodning == Siekodning::Pc8;
    };
    if (!somPc8(exp.bytes) || !somPc8(andra.bytes))
        return 0;
    const SieImport tredje = Importera(andra.bytes);
    if (!tredje.Lyckades())
        Fynd("a second export does not import", Rader(tredje.fel) + andra.bytes);
    const SieExport sista = Exportera(SomBokforingsdata(tredje), ar.fran, ar.till, "20261208");
    Krav(sista.bytes == andra.bytes, "a third export differs from the second",
         andra.bytes + "\n----\n" + sista.bytes);
    return 0;
}
