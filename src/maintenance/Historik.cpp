#include "maintenance/Historik.h"

#include <charconv>

namespace tovana {

Behandlingshistorik::Behandlingshistorik(std::vector<Loggpost> poster)
    : poster_(std::move(poster)) {
    nummer_.reserve(poster_.size());
    for (const Loggpost &post : poster_)
        nummer_.push_back(Verifikationsnummer(post));
}

Behandlingshistorik Behandlingshistorik::Las(const Bokforingsdata &data) {
    if (!data.RedovisningInlast || data.Redovisningsfil.empty())
        return {};
    return Behandlingshistorik(LasLogg(Loggfil(data.Redovisningsfil)));
}

std::vector<std::size_t> Behandlingshistorik::Urval(std::string_view vernr) const {
    while (!vernr.empty() && vernr.front() == ' ')
        vernr.remove_prefix(1);
    while (!vernr.empty() && vernr.back() == ' ')
        vernr.remove_suffix(1);
    std::vector<std::size_t> urval;
    if (vernr.empty()) {
        urval.reserve(poster_.size());
        for (std::size_t i = poster_.size(); i-- > 0;)
            urval.push_back(i);
        return urval;
    }
    int32_t nummer = 0;
    const auto [slut, fel] = std::from_chars(vernr.data(), vernr.data() + vernr.size(), nummer);
    if (fel != std::errc() || slut != vernr.data() + vernr.size())
        return urval;
    for (std::size_t i = poster_.size(); i-- > 0;)
        for (int32_t n : nummer_[i])
            if (n == nummer) {
                urval.push_back(i);
                break;
            }
    return urval;
}

std::string Historikrad(const Loggpost &post, const std::vector<int32_t> &nummer) {
    std::string rad = post.tid + "  " + post.anvandare + "  " + post.vad;
    for (std::size_t i = 0; i < nummer.size(); ++i)
        rad += (i == 0 ? "  ver " : ", ") + std::to_string(nummer[i]);
    return rad;
}

std::string Behandlingshistorik::Rad(std::size_t index) const {
    return Historikrad(poster_.at(index), nummer_.at(index));
}

namespace {

std::string Cell(std::string_view text, std::string_view attribut = {}) {
    std::string cell = "<td";
    if (!attribut.empty()) {
        cell += ' ';
        cell += attribut;
    }
    cell += "><font face=\"Verdana\" size=\"2\">" + HtmlText(text) + "</font></td>";
    return cell;
}

std::string Postradscell(char tecken, const std::string &rad) {
    return "<td colspan=\"2\"><font face=\"Courier New\" size=\"2\">" + std::string(1, tecken) +
           HtmlText(rad) + "</font></td>";
}

} // namespace

Utskrift HistorikUtskrift(const Behandlingshistorik &historik,
                          const std::vector<std::size_t> &urval, const std::string &namn,
                          const std::string &datum) {
    Utskrift ut(datum);
    ut.Utskriftsrubrik("Behandlingshistorik för ", namn, std::nullopt, true);
    ut.Rad("<table border=\"0\" width=\"100%\" id=\"table1\">");
    ut.Rad("<tr>");
    ut.Rad(Cell("Tid"));
    ut.Rad(Cell("Användare"));
    ut.Rad(Cell("Vad"));
    ut.Rad("</tr>");
    for (const std::size_t index : urval) {
        const Loggpost &post = historik.Poster().at(index);
        ut.Rad("<tr>");
        ut.Rad(Cell(post.tid, "nowrap"));
        ut.Rad(Cell(post.anvandare));
        ut.Rad(Cell(post.vad));
        ut.Rad("</tr>");
        for (const std::string &rad : post.borttagna)
            ut.Rad("<tr><td></td>" + Postradscell('-', rad) + "</tr>");
        for (const std::string &rad : post.tillagda)
            ut.Rad("<tr><td></td>" + Postradscell('+', rad) + "</tr>");
    }
    ut.Rad("</table>");
    return ut;
}

} // namespace tovana
