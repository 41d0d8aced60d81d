#include "reports/Dagbok.h"

#include "core/Taltext.h"
#include "core/Teckentabell.h"

#include <algorithm>

namespace tovana {

std::vector<Dagboksrad> ByggDagbok(const Bokforingsdata &data) {
    return ByggDagbokssida(data, 0, data.Postantal);
}

std::vector<Dagboksrad> ByggDagbokssida(const Bokforingsdata &data, int forsta, int antal) {
    std::vector<Dagboksrad> rader;
    const auto sista =
        static_cast<int32_t>(std::min<int64_t>(data.Postantal, int64_t{forsta} + antal));
    rader.reserve(static_cast<std::size_t>(std::max(0, sista - std::max(0, forsta))));
    for (int32_t i = std::max(0, forsta) + 1; i <= sista; ++i) {
        const TPost &post = data.Poster[i];
        Dagboksrad rad;
        rad.vernr = std::to_string(post.vernr);
        rad.datum = ForstaTecken(post.datum, 10);
        rad.belopp = KortBeloppstext(post.belopp);
        rad.debet = std::to_string(post.debet);
        rad.kredit = std::to_string(post.kredit);
        if (data.KoderFinns)
            rad.kod = std::to_string(post.kod);
        rad.text = ForstaTecken(post.text, kTextlangd);
        rader.push_back(std::move(rad));
    }
    return rader;
}

} // namespace tovana
