#include "maintenance/Postandring.h"

#include "core/Behandlingslogg.h"
#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "entry/Redovisning.h"

#include <algorithm>

namespace tovana {

namespace {

// The posts in slots [fran, till) of the table, written as they stand.
std::span<const TPost> Poster(const Bokforingsdata &data, int32_t fran, int32_t till) {
    return {data.Poster.data() + fran, static_cast<std::size_t>(till - fran)};
}

// The paging offset of the oldest group: the groups of six end at posts
// n, n - 6, ..., and the oldest of them still ends at post 1 or above. An offset
// left from a longer ledger is brought back to it.
int32_t AldstaSida(const Bokforingsdata &data) {
    return data.Postantal > 0 ? (data.Postantal - 1) / kSenasteradantal : 0;
}

// A date or text that one field of the ledger line cannot hold: a line break
// would split the post, and a ";" in the date would shift every later field.
void KontrolleraFritext(const std::string &datum, const std::string &text) {
    const auto radbrytning = [](const std::string &s) {
        return s.find_first_of("\r\n") != std::string::npos;
    };
    if (radbrytning(datum) || radbrytning(text))
        throw Korningsfel("Datum och text får inte innehålla radbrytningar.");
    if (datum.find(';') != std::string::npos)
        throw Korningsfel("Datumet får inte innehålla semikolon (;).");
}

} // namespace

std::optional<int32_t> BladdraBakat(const Bokforingsdata &data, Postformular &formular) {
    const int32_t n = data.Postantal;
    int32_t sida = std::clamp(formular.Sexpostsida, 0, AldstaSida(data)) + 1;
    if (kSenasteradantal * sida >= n)
        --sida;
    formular.Sexpostsida = sida;
    if (kSenasteradantal * sida < n)
        return n - kSenasteradantal * sida;
    return std::nullopt;
}

std::optional<int32_t> BladdraFramat(const Bokforingsdata &data, Postformular &formular) {
    if (formular.Sexpostsida <= 0)
        return std::nullopt;
    // An offset left beyond the oldest group moves on from just past it.
    formular.Sexpostsida = std::min(formular.Sexpostsida, AldstaSida(data) + 1) - 1;
    if (data.Postantal < 1)
        return std::nullopt;
    return data.Postantal - kSenasteradantal * formular.Sexpostsida;
}

std::optional<int32_t> HoppTillPostnr(const Bokforingsdata &data, std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const int32_t a = TextTillHeltal(text);
    if (a < 1 || data.Postantal < 1)
        return std::nullopt;
    return std::min(a, data.Postantal);
}

std::optional<int32_t> HoppTillVernr(const Bokforingsdata &data, std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const int32_t v = TextTillHeltal(text);
    if (data.Postantal < 1)
        return std::nullopt;
    int32_t funnen = data.Postantal;
    bool hittad = false;
    for (int32_t i = 1; i <= data.Postantal; ++i)
        if (data.Poster[i].vernr == v) {
            funnen = i;
            hittad = true;
        }
    return hittad ? funnen : data.Postantal;
}

std::optional<int32_t> PostnummerIEtikett(const Bokforingsdata &data, std::string_view etikett) {
    if (etikett.size() < 3 || etikett.front() != '[' || etikett.back() != ']')
        return std::nullopt;
    int32_t plats = 0;
    if (!ForsokTextTillHeltal(etikett.substr(1, etikett.size() - 2), plats))
        return std::nullopt;
    if (plats < 1 || plats > data.Postantal)
        return std::nullopt;
    return plats;
}

Postrutor Andringsrutor(const TPost &post) {
    return Postrutor{std::to_string(post.vernr),
                     post.datum,
                     Taltext(post.belopp),
                     std::to_string(post.debet),
                     std::to_string(post.kredit),
                     std::to_string(post.kod),
                     post.text};
}

bool GodtagbartKontonummer(const Bokforingsdata &data, int32_t nummer) {
    for (const TKonto &konto : data.Kontona())
        if (nummer == 0 || konto.nummer == nummer)
            return true;
    return false;
}

Andringsfel TolkaAndringsrutor(const Bokforingsdata &data, int32_t plats, const Postrutor &rutor,
                               TPost &post) {
    if (plats < 1 || plats > data.Postantal)
        throw Korningsfel("Det finns ingen post nummer " + std::to_string(plats) +
                          " i redovisningen.");
    post = TPost{};
    post.debet = TextTillHeltal(rutor.debet);
    post.kredit = TextTillHeltal(rutor.kredit);
    post.kod = TextTillHeltal(rutor.kod);
    if (!GodtagbartKontonummer(data, post.debet))
        return Andringsfel::Debet;
    if (!GodtagbartKontonummer(data, post.kredit))
        return Andringsfel::Kredit;
    if (!GodtagbartKontonummer(data, post.kod))
        return Andringsfel::Kod;
    post.vernr = TextTillHeltal(rutor.vernr);
    post.belopp = TextTillBelopp(rutor.belopp);
    KontrolleraFritext(rutor.datum, rutor.text);
    // A date left as it stands is kept, readable or not; a changed one must be
    // a date, and is stored as the entry form stores it.
    if (rutor.datum != data.Poster[plats].datum && !LasDatum(rutor.datum))
        return Andringsfel::Datum;
    post.datum = ForstaTecken(Lagringsdatum(rutor.datum), kDatumlangd);
    post.text = ForstaTecken(rutor.text, kTextlangd);
    return Andringsfel::Inget;
}

Andringsfel AndraPost(Bokforingsdata &data, int32_t plats, const Postrutor &rutor) {
    KontrolleraSkrivbarRedovisning(data);
    // A post of the closed period is corrected, not changed (see Rattelse.h).
    if (plats >= 1 && plats <= data.Postantal)
        KontrolleraOppenPeriod(data, data.Poster[plats]);
    TPost post;
    if (const Andringsfel fel = TolkaAndringsrutor(data, plats, rutor, post);
        fel != Andringsfel::Inget)
        return fel;
    // Nor may a change move a post into the closed period.
    KontrolleraOppenPeriod(data, post);
    const TPost &gammal = data.Poster[plats];

    // The log, then the file, the table only once it is written.
    MedLogg(data, NyLoggpost(loggtyp::kAndradPost, {Postrad(gammal)}, {Postrad(post)}), [&] {
        SkrivRedovisningsfil(
            data.Redovisningsfil, data.Redovisningsnamn,
            {Poster(data, 1, plats), {&post, 1}, Poster(data, plats + 1, data.Postantal + 1)});
    });
    data.RedovisningLastSomUtf8 = false;
    data.Poster[plats] = std::move(post);
    return Andringsfel::Inget;
}

void RaderaPost(Bokforingsdata &data, int32_t plats) {
    KontrolleraSkrivbarRedovisning(data);
    if (plats < 1 || plats > data.Postantal)
        throw Korningsfel("Det finns ingen post nummer " + std::to_string(plats) +
                          " i redovisningen.");
    KontrolleraOppenPeriod(data, data.Poster[plats]);
    MedLogg(data, NyLoggpost(loggtyp::kRaderadPost, {Postrad(data.Poster[plats])}), [&] {
        SkrivRedovisningsfil(data.Redovisningsfil, data.Redovisningsnamn,
                             {Poster(data, 1, plats), Poster(data, plats + 1, data.Postantal + 1)});
    });
    data.RedovisningLastSomUtf8 = false;
    for (int32_t i = plats; i < data.Postantal; ++i)
        data.Poster[i] = std::move(data.Poster[i + 1]);
    data.Poster[data.Postantal] = TPost{}; // the freed slot is empty like every slot beyond
    --data.Postantal;
}

void BytRedovisningsnamn(Bokforingsdata &data, std::string_view namn) {
    KontrolleraSkrivbarRedovisning(data);
    std::string nytt = ForstaTecken(namn, kNamnlangd);
    if (nytt.find_first_of("\r\n") != std::string::npos)
        throw Korningsfel("Namnet får inte innehålla radbrytningar.");
    MedLogg(data, NyLoggpost(loggtyp::kNyttNamn, {data.Redovisningsnamn}, {nytt}), [&] {
        SkrivRedovisningsfil(data.Redovisningsfil, nytt, {Poster(data, 1, data.Postantal + 1)});
    });
    data.RedovisningLastSomUtf8 = false;
    data.Redovisningsnamn = std::move(nytt);
}

} // namespace tovana
