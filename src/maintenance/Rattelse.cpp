#include "maintenance/Rattelse.h"

#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Teckentabell.h"

#include <algorithm>

namespace tovana {

std::string Rattelsetext(const TPost &post) {
    return ForstaTecken(loggtyp::kRattelseAvVer + std::to_string(post.vernr) + ": " + post.text,
                        kTextlangd);
}

Datum Rattelsedatum(const Bokforingsdata &data, const Datum &idag) {
    if (data.StangdTom && idag <= *data.StangdTom)
        return DagenEfter(*data.StangdTom);
    return idag;
}

int32_t NastaFriaVernr(const Bokforingsdata &data) {
    int32_t hogsta = 0;
    for (const TPost &post : data.Posterna())
        hogsta = std::max(hogsta, post.vernr);
    return hogsta + 1;
}

TPost Omvand(const TPost &post, int32_t vernr, const std::string &datum) {
    TPost omvand = post;
    omvand.vernr = vernr;
    omvand.datum = datum;
    std::swap(omvand.debet, omvand.kredit);
    omvand.text = Rattelsetext(post);
    return omvand;
}

namespace {

// Whether the boxes' post books anything other than the post: the verification
// number is the correction's own, so it does not count.
bool BokforAnnat(const TPost &post, const TPost &rutornas) {
    return rutornas.datum != post.datum || rutornas.belopp != post.belopp ||
           rutornas.debet != post.debet || rutornas.kredit != post.kredit ||
           rutornas.kod != post.kod || rutornas.text != post.text;
}

} // namespace

Rattelse BeraknaRattelse(const Bokforingsdata &data, int32_t plats, const Postrutor &rutor,
                         const Datum &idag, Andringsfel &fel) {
    TPost rattad;
    fel = TolkaAndringsrutor(data, plats, rutor, rattad);
    if (fel != Andringsfel::Inget)
        return {};
    const TPost &post = data.Poster[plats];
    Rattelse rattelse;
    rattelse.vernr = NastaFriaVernr(data);
    const std::string datum = Datumtext(Rattelsedatum(data, idag));
    rattelse.poster.push_back(Omvand(post, rattelse.vernr, datum));
    if (BokforAnnat(post, rattad)) {
        rattad.vernr = rattelse.vernr;
        rattad.datum = datum;
        rattelse.poster.push_back(std::move(rattad));
    }
    return rattelse;
}

Andringsfel SparaRattelse(Bokforingsdata &data, int32_t plats, const Postrutor &rutor,
                          const Datum &idag, Rattelse &rattelse) {
    KontrolleraSkrivbarRedovisning(data);
    Andringsfel fel = Andringsfel::Inget;
    Rattelse ny = BeraknaRattelse(data, plats, rutor, idag, fel);
    if (fel != Andringsfel::Inget)
        return fel;
    std::vector<std::string> rader;
    for (const TPost &post : ny.poster)
        rader.push_back(Postrad(post));
    MedLogg(data, NyLoggpost(loggtyp::kRattelse, {}, rader),
            [&] { SparaNyaPostrader(data, rader); });
    for (const TPost &post : ny.poster) {
        data.Postplats(data.Postantal + 1) = post;
        ++data.Postantal;
    }
    rattelse = std::move(ny);
    return Andringsfel::Inget;
}

std::vector<int32_t> RattadGenom(std::span<const Loggpost> logg, const TPost &post) {
    std::vector<int32_t> verifikationer;
    for (const Loggpost &rad : logg) {
        if (rad.vad != loggtyp::kRattelse)
            continue;
        for (const std::string &tillagd : rad.tillagda) {
            const std::optional<TPost> lagd = TolkaPostrad(tillagd);
            if (!lagd)
                continue;
            const TPost vantad = Omvand(post, lagd->vernr, lagd->datum);
            if (Postrad(*lagd) == Postrad(vantad)) {
                if (std::find(verifikationer.begin(), verifikationer.end(), lagd->vernr) ==
                    verifikationer.end())
                    verifikationer.push_back(lagd->vernr);
                break;
            }
        }
    }
    return verifikationer;
}

std::string RattadGenomText(const std::vector<int32_t> &verifikationer) {
    std::string text;
    for (int32_t vernr : verifikationer)
        text += (text.empty() ? "Rättad genom ver " : ", ") + std::to_string(vernr);
    return text;
}

} // namespace tovana
