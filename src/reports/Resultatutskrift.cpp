#include "reports/Resultatutskrift.h"

#include "reports/Balansberakning.h"

namespace tovana {

namespace {

Utskrift Rapportutskrift(const Rapportrader &rader, std::string_view titelord,
                         const std::string &namn, const std::string &datum) {
    Utskrift ut(datum);
    ut.Utskriftsrubrik(titelord, namn, std::nullopt, true);
    ut.Rad("<table border=\"0\" width=\"70%\" id=\"table1\">");
    for (int k = 1; k <= Sistarad(rader); ++k) {
        const Trapport &rad = rader[static_cast<std::size_t>(k)];
        ut.Rad("<tr>");
        ut.Rad("<td><font face=\"Verdana\" size=\"2\">" + HtmlText(rad.radnamn) + "</font></td>");
        ut.Rad("<td width=\"30%\" align=\"right\"><font face=\"Verdana\" size=\"2\">" +
               HtmlText(rad.radbelopp) + "</font></td>");
        ut.Rad("</tr>");
    }
    ut.Rad("</table>");
    return ut;
}

} // namespace

Utskrift ResultatrakningUtskrift(const Bokforingsdata &data, const std::string &datum) {
    return Rapportutskrift(ByggResultatrakning(data, Rapportform::Utskrift), "Resultaträkning för ",
                           data.Redovisningsnamn, datum);
}

Utskrift BalansrakningUtskrift(const Bokforingsdata &data, const std::string &datum) {
    return Rapportutskrift(ByggBalansrakning(data, Rapportform::Utskrift), "Balansräkning för ",
                           data.Redovisningsnamn, datum);
}

Utskrift PeriodrapportUtskrift(const Bokforingsdata &data, const Periodrapport &rapport,
                               const std::string &datum) {
    return Rapportutskrift(rapport.rader, rapport.rubrik + " för ", data.Redovisningsnamn, datum);
}

std::vector<std::string> Utskriftskonton(const Bokforingsdata &data) {
    std::vector<std::string> rader;
    for (const TKonto &konto : data.Kontona()) {
        if (konto.typ != kKoder)
            rader.push_back(std::to_string(konto.nummer) + " " + konto.namn);
    }
    return rader;
}

} // namespace tovana
