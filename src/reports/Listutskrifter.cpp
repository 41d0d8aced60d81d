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

// A cell holding a text from the ledger or the chart, which may be longer than
// its column: cut on paper with an ellipsis, whole in the cell's title.
std::string Textcell(std::string_view text) {
    const std::string escaped = HtmlText(text);
    return "<td title=\"" + escaped + "\"><font face=\"Verdana\" size=\"2\">" + escaped +
           std::string(kSlut);
}

// The journal. Its columns have fixed widths (the stylesheet's "rader"
// tables): the number, date and amount columns are wide enough for their
// values, and the text column takes the rest of the sheet.
const std::string kDagbokstabell =
    "<table class=\"rader\" border=\"0\" width=\"100%\" id=\"table1\">";
const std::string kDagbokskolumner =
    "<colgroup><col style=\"width:3.5em\"><col style=\"width:5em\"><col style=\"width:8.5em\">"
    "<col style=\"width:3.5em\"><col style=\"width:3.5em\"><col style=\"width:3em\">"
    "<col style=\"width:0.5em\"><col></colgroup>";
constexpr std::string_view kHoger = "<td align=\"right\"><font face=\"Verdana\" size=\"2\">";
constexpr std::string_view kVanster = "<td><font face=\"Verdana\" size=\"2\">";
constexpr const char *kDagbokFor = "Dagbok för ";

void Dagbokshuvud(Utskrift &ut) {
    ut.Rad(kDagbokstabell);
    ut.Rad(kDagbokskolumner);
    ut.Rad("<tr>");
    ut.Rad(Cell(kHoger, "Ver.nr"));
    ut.Rad(Cell(kHoger, "Datum"));
    ut.Rad(Cell(kHoger, "Belopp"));
    ut.Rad(Cell(kHoger, "Debet"));
    ut.Rad(Cell(kHoger, "Kredit"));
    ut.Rad(Cell(kHoger, "Kod"));
    ut.Rad(Cell(kHoger, " "));
    ut.Rad(Cell(kVanster, "Text"));
    ut.Rad("</tr>");
}

// The chart: a number column and a name column, twice across the sheet.
const std::string kKontoplanstabell =
    "<table class=\"rader\" border=\"0\" width=\"100%\" id=\"table1\">";
const std::string kKontoplanskolumner =
    "<colgroup><col style=\"width:5em\"><col><col style=\"width:5em\"><col></colgroup>";
constexpr const char *kKontoplan = "Kontoplan ";

void Konto(Utskrift &ut, const TKonto &konto) {
    ut.Rad(Cell(kVanster, std::to_string(konto.nummer)));
    ut.Rad(Textcell(konto.namn));
}

// The account statement, in columns of fixed widths as the journal's.
const std::string kUtdragstabell =
    "<table class=\"rader\" border=\"0\" width=\"70%\" id=\"table1\">";
const std::string kUtdragskolumner =
    "<colgroup><col style=\"width:3.5em\"><col style=\"width:5em\"><col style=\"width:9em\">"
    "<col style=\"width:9em\"><col style=\"width:9em\"></colgroup>";
constexpr const char *kKontoutdragFor = "Kontoutdrag för ";

void Utdragshuvud(Utskrift &ut) {
    ut.Rad(kUtdragstabell);
    ut.Rad(kUtdragskolumner);
    ut.Rad("<tr>");
    ut.Rad(Cell(kHoger, "Ver.nr"));
    ut.Rad(Cell(kHoger, "Datum"));
    ut.Rad(Cell(kHoger, "Debiterat"));
    ut.Rad(Cell(kHoger, "Krediterat"));
    ut.Rad(Cell(kHoger, "Saldo"));
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
        ut.Rad(Cell(kHoger, std::to_string(post.vernr)));
        ut.Rad(Cell(kHoger, HtmlText(post.datum)));
        ut.Rad(Cell(kHoger, Beloppstext(post.belopp)));
        ut.Rad(Cell(kHoger, std::to_string(post.debet)));
        ut.Rad(Cell(kHoger, std::to_string(post.kredit)));
        ut.Rad(Cell(kHoger, std::to_string(post.kod)));
        ut.Rad(Cell(kHoger, " "));
        ut.Rad(Textcell(post.text));
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
        ut.Rad(kKontoplanstabell);
        ut.Rad(kKontoplanskolumner);
        if (sida == 1) {
            ut.Rad("<tr>");
            ut.Rad(Cell(kHoger, "Nummer"));
            ut.Rad(Cell(kVanster, "Kontonamn"));
            ut.Rad(Cell(kVanster, "Nummer"));
            ut.Rad(Cell(kVanster, "Kontonamn"));
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
        ut.Rad(Cell(kHoger, linje.vernr));
        ut.Rad(Cell(kHoger, HtmlText(linje.datum)));
        ut.Rad(Cell(kHoger, linje.debet));
        ut.Rad(Cell(kHoger, linje.kredit));
        ut.Rad(Cell(kHoger, linje.saldo));
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
