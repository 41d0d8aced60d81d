#include "reports/Dagbok.h"

#include "core/Taltext.h"
#include "core/Teckentabell.h"

namespace tovana {

std::vector<Dagboksrad> ByggDagbok(const Bokforingsdata &data) {
    std::vector<Dagboksrad> rader;
    rader.reserve(data.Postantal > 0 ? data.Postantal : 0);
    for (int32_t i = 1; i <= data.Postantal; ++i) {
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
