#include "reports/Listutskrifter.h"

#include "core/Taltext.h"
#include "reports/Kontoutdrag.h"

#include <algorithm>
#include <string_view>

namespace tovana {

namespace {

constexpr std::string_view kSlut = "</font></td>";

std::string Cell(std::string_view oppning, std::string_view varde) {
    std::string rad(oppning);
    rad += varde;
    rad += kSlut;
    return rad;
}

// The journal. The number, date and amount cells do not wrap, so a date such
// as "12-03-15" or a long amount stays on one line in its narrow column.
const std::string kDagbokstabell = "<table border=\"0\" width=\"100%\" id=\"table1\">";
constexpr std::string_view kSmal =
    "<td width=\"6%\" align=\"right\" "
    "style=\"white-space:nowrap\"><font face=\"Verdana\" size=\"2\">";
constexpr std::string_view kBelopp =
    "<td width=\"10%\" align=\"right\" style=\"white-space:nowrap\"><font face=\"Verdana\" "
    "size=\"2\">";
constexpr std::string_view kText = "<td width=\"55%\"><font face=\"Verdana\" size=\"2\">";
constexpr const char *kDagbokFor = "Dagbok för ";

void Dagbokshuvud(Utskrift &ut) {
    ut.Rad(kDagbokstabell);
    ut.Rad("<tr>");
    ut.Rad(Cell(kSmal, "Ver.nr"));
    ut.Rad(Cell(kSmal, "Datum"));
    ut.Rad(Cell(kBelopp, "Belopp"));
    ut.Rad(Cell(kSmal, "Debet"));
    ut.Rad(Cell(kSmal, "Kredit"));
    ut.Rad(Cell(kSmal, "Kod"));
    ut.Rad(Cell(kSmal, " "));
    ut.Rad(Cell(kText, "Text"));
    ut.Rad("</tr>");
}

// The chart.
const std::string kSmalTabell = "<table border=\"0\" width=\"70%\" id=\"table1\">";
constexpr std::string_view kKontocell = "<td width=\"10%\"><font face=\"Verdana\" size=\"2\">";
constexpr const char *kKontoplan = "Kontoplan ";

void Konto(Utskrift &ut, const TKonto &konto) {
    ut.Rad(Cell(kKontocell, std::to_string(konto.nummer)));
    ut.Rad(Cell(kKontocell, HtmlText(konto.namn)));
}

// The account statement, its cells unwrapped as the journal's.
constexpr std::string_view kUtdragSmal =
    "<td width=\"10%\" align=\"right\" style=\"white-space:nowrap\"><font face=\"Verdana\" "
    "size=\"2\">";
constexpr std::string_view kUtdragBred =
    "<td width=\"20%\" align=\"right\" style=\"white-space:nowrap\"><font face=\"Verdana\" "
    "size=\"2\">";
constexpr const char *kKontoutdragFor = "Kontoutdrag för ";

void Utdragshuvud(Utskrift &ut) {
    ut.Rad(kSmalTabell);
    ut.Rad("<tr>");
    ut.Rad(Cell(kUtdragSmal, "Ver.nr"));
    ut.Rad(Cell(kUtdragSmal, "Datum"));
    ut.Rad(Cell(kUtdragBred, "Debiterat"));
    ut.Rad(Cell(kUtdragBred, "Krediterat"));
    ut.Rad(Cell(kUtdragBred, "Saldo"));
    ut.Rad("</tr>");
}

} // namespace

Utskrift DagbokUtskrift(const Bokforingsdata &data, const std::string &datum) {
    Utskrift ut(datum);
    int sida = 1;
    ut.Utskriftsrubrik(kDagbokFor, data.Redovisningsnamn, sida, true);
    Dagbokshuvud(ut);
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const TPost &post = data.Poster[static_cast<std::size_t>(i)];
        ut.Rad("<tr>");
        ut.Rad(Cell(kSmal, std::to_string(post.vernr)));
        ut.Rad(Cell(kSmal, HtmlText(post.datum)));
        ut.Rad(Cell(kBelopp, Beloppstext(post.belopp)));
        ut.Rad(Cell(kSmal, std::to_string(post.debet)));
        ut.Rad(Cell(kSmal, std::to_string(post.kredit)));
        ut.Rad(Cell(kSmal, std::to_string(post.kod)));
        ut.Rad(Cell(kSmal, " "));
        ut.Rad(Cell(kText, HtmlText(post.text)));
        ut.Rad("</tr>");
        if (i % kPosterPerSida == 0) {
            ut.Rad("</table>");
            ut.Sidbrytning(kDagbokFor, data.Redovisningsnamn, ++sida, false);
            Dagbokshuvud(ut);
        }
    }
    ut.Rad("</table>");
    return ut;
}

Kontoplanssida KontoplanSida(int sida) {
    if (sida <= 1)
        return {1, 33};
    return {67 + (sida - 2) * 68, 34};
}

Utskrift KontoplanUtskrift(const Bokforingsdata &data, const std::string &datum) {
    Utskrift ut(datum);
    ut.Utskriftsrubrik(kKontoplan, data.Kontoplannamn, 1, true);
    for (int sida = 1;; ++sida) {
        const Kontoplanssida plats = KontoplanSida(sida);
        if (sida > 1) {
            // A page exists only for accounts beyond the earlier pages.
            if (data.Kontoantal < plats.forsta)
                break;
            ut.Sidbrytning(kKontoplan, data.Kontoplannamn, sida, true);
        }
        ut.Rad(kSmalTabell);
        if (sida == 1) {
            ut.Rad("<tr>");
            ut.Rad("<td width=\"10%\" align=\"right\"><font face=\"Verdana\" "
                   "size=\"2\">Nummer</font></td>");
            ut.Rad("<td width=\"40%\"><font face=\"Verdana\" size=\"2\">Kontonamn</font></td>");
            ut.Rad("<td width=\"10%\"><font face=\"Verdana\" size=\"2\">Nummer</font></td>");
            ut.Rad("<td width=\"40%\"><font face=\"Verdana\" size=\"2\">Kontonamn</font></td>");
            ut.Rad("</tr>");
        }
        const int32_t sista = std::min(plats.forsta + plats.rader - 1, data.Kontoantal);
        for (int32_t i = plats.forsta; i <= sista; ++i) {
            ut.Rad("<tr>");
            Konto(ut, data.Konton[static_cast<std::size_t>(i)]);
            const int32_t hoger = i + plats.rader;
            if (hoger <= data.Kontoantal)
                Konto(ut, data.Konton[static_cast<std::size_t>(hoger)]);
        }
        ut.Rad("</tr>");
        ut.Rad("</table>");
    }
    return ut;
}

Utskrift KontoutdragUtskrift(const Bokforingsdata &data, int32_t nummer, const std::string &datum) {
    const Kontoutdrag utdrag = ByggKontoutdrag(data, nummer);
    Utskrift ut(datum);
    int sida = 1;
    ut.Utskriftsrubrik(kKontoutdragFor, utdrag.namn, sida, true);
    Utdragshuvud(ut);
    int rad = 0;
    for (const Trapport2 &linje : utdrag.Kontoutdragsrader) {
        ut.Rad("<tr>");
        ut.Rad(Cell(kUtdragSmal, linje.vernr));
        ut.Rad(Cell(kUtdragSmal, HtmlText(linje.datum)));
        ut.Rad(Cell(kUtdragBred, linje.debet));
        ut.Rad(Cell(kUtdragBred, linje.kredit));
        ut.Rad(Cell(kUtdragBred, linje.saldo));
        ut.Rad("</tr>");
        if (++rad % kPosterPerSida == 0) {
            ut.Rad("</table>");
            ut.Sidbrytning(kKontoutdragFor, utdrag.namn, ++sida, true);
            Utdragshuvud(ut);
        }
    }
    ut.Rad("</table>");
    return ut;
}

} // namespace tovana
