#include "reports/Momsutskrift.h"

#include "core/Momsrutor.h"
#include "core/Taltext.h"

namespace tovana {

namespace {

const std::string kCell = "<font face=\"Verdana\" size=\"2\">";
const std::string kLiten = "<font face=\"Verdana\" size=\"1\">";

std::string Cell(const std::string &text, const char *attribut = "") {
    return std::string("<td") + attribut + ">" + kCell + HtmlText(text) + "</font></td>";
}

} // namespace

Utskrift MomsrapportUtskrift(const Bokforingsdata &data, const Momsrapport &rapport,
                             const Momskoder &koder, const std::string &datum) {
    Utskrift ut(datum);
    ut.Utskriftsrubrik("Momsrapport " + Periodtext(rapport.period) + " för ", Foretagsnamn(data),
                       std::nullopt, true);
    const std::string &orgnr = data.Foretaget.orgnr;
    ut.Rad("<p align=\"center\">" + kCell + "Organisationsnummer: " +
           (orgnr.empty() ? std::string("saknas (ange det under Företag, Företagsuppgifter)")
                          : HtmlText(orgnr)) +
           "</font></p>");
    ut.Rad("<table border=\"0\" width=\"80%\" id=\"table1\">");
    for (const Momsrad &rad : Momsrader(rapport)) {
        const Momsruta *ruta = SokMomsruta(rad.ruta);
        const int64_t kronor = rad.ruta == kRuta49
                                   ? rapport.ruta49
                                   : rapport.kronor[static_cast<std::size_t>(rad.ruta)];
        ut.Rad("<tr>");
        ut.Rad(Cell(Rutnummertext(rad.ruta), " width=\"8%\""));
        ut.Rad(Cell(ruta ? ruta->rubrik : ""));
        ut.Rad(Cell(Kronortext(kronor), " width=\"20%\" align=\"right\""));
        ut.Rad("</tr>");
        // Box 49's accounts are those of the boxes above it.
        if (rad.ruta == kRuta49)
            continue;
        for (const std::string &konto :
             BeraknaRutunderlag(data, rapport.period, koder, rad.ruta).konton)
            ut.Rad("<tr><td></td><td colspan=\"2\">" + kLiten + HtmlText(konto) +
                   "</font></td></tr>");
    }
    ut.Rad("</table>");
    ut.Rad("<p>" + kCell + HtmlText(MomsAttText(rapport.ruta49)) + "</font></p>");
    if (!rapport.problem.empty()) {
        ut.Rad("<p>" + kCell + "Att se över:</font></p>");
        for (const std::string &problem : rapport.problem)
            ut.Rad("<p>" + kLiten + HtmlText(problem) + "</font></p>");
    }
    return ut;
}

} // namespace tovana
