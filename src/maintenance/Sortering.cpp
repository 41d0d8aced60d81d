#include "maintenance/Sortering.h"

#include "core/Behandlingslogg.h"
#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Skrivlas.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tovana {

namespace {

// The text right-aligned in `bredd` characters; a longer text is kept whole.
std::string Hogerstallt(const std::string &text, std::size_t bredd) {
    const std::size_t langd = Teckenantal(text);
    return langd < bredd ? std::string(bredd - langd, ' ') + text : text;
}

// The order of slots 1..Postantal by the key, equal keys in ledger order.
template <typename Nyckel>
std::vector<int32_t> StabilOrdning(int32_t antal, const std::vector<Nyckel> &nycklar) {
    std::vector<int32_t> ordning(static_cast<std::size_t>(antal));
    std::iota(ordning.begin(), ordning.end(), 1);
    std::stable_sort(ordning.begin(), ordning.end(), [&](int32_t a, int32_t b) {
        return nycklar[static_cast<std::size_t>(a)] < nycklar[static_cast<std::size_t>(b)];
    });
    return ordning;
}

} // namespace

namespace {

// The key of the older forms: month and day of D/M, the whole number otherwise.
std::optional<int32_t> Heltalsnyckel(const std::string &datum) {
    std::string text = datum;
    if (const auto snedstreck = datum.find('/'); snedstreck != std::string::npos) {
        std::string huvud = datum.substr(0, snedstreck);
        const std::string svans = datum.substr(snedstreck + 1);
        if (Teckenantal(huvud) == 1)
            huvud = "0" + huvud;
        text = svans + huvud;
    }
    int32_t nyckel = 0;
    if (!ForsokTextTillHeltal(text, nyckel))
        return std::nullopt;
    return nyckel;
}

} // namespace

int32_t Datumnyckel(const std::string &datum) {
    const auto nyckel = Heltalsnyckel(datum);
    if (!nyckel)
        throw Korningsfel("'" + Visningstext(datum) + "' is not a valid integer value");
    return *nyckel;
}

std::optional<int32_t> Sorteringsnyckel(const std::string &datum) {
    if (const auto las = LasDatum(datum))
        return Datumtal(*las);
    return Heltalsnyckel(datum);
}

std::string Sorteringsrad(const TPost &post) {
    std::string rad = Hogerstallt(std::to_string(post.vernr), 3);
    const std::size_t datumlangd = Teckenantal(post.datum);
    if (datumlangd >= 3 && datumlangd <= 6)
        rad += std::string(7 - datumlangd, ' ');
    rad += post.datum;
    rad += Hogerstallt(Taltext(post.belopp), 10);
    rad += Hogerstallt(std::to_string(post.debet), 6);
    rad += Hogerstallt(std::to_string(post.kredit), 6);
    rad += Hogerstallt(std::to_string(post.kod), 6);
    return rad;
}

void SorteraPoster(Bokforingsdata &data, Sorteringsordning ordning) {
    const int32_t antal = data.Postantal;
    std::vector<int32_t> platser;
    switch (ordning) {
    case Sorteringsordning::Inmatning:
        platser.resize(static_cast<std::size_t>(antal));
        std::iota(platser.begin(), platser.end(), 1);
        break;
    case Sorteringsordning::Vernr: {
        std::vector<int32_t> nycklar(static_cast<std::size_t>(antal) + 1);
        for (int32_t i = 1; i <= antal; ++i)
            nycklar[static_cast<std::size_t>(i)] = data.Poster[static_cast<std::size_t>(i)].vernr;
        platser = StabilOrdning(antal, nycklar);
        break;
    }
    case Sorteringsordning::Datum: {
        // Every key first: one date without a key leaves the work table untouched.
        std::vector<int32_t> nycklar(static_cast<std::size_t>(antal) + 1);
        for (int32_t i = 1; i <= antal; ++i) {
            const TPost &post = data.Poster[static_cast<std::size_t>(i)];
            const auto nyckel = Sorteringsnyckel(post.datum);
            if (!nyckel)
                throw Korningsfel("Post " + std::to_string(i) + " (verifikation " +
                                  std::to_string(post.vernr) + ") har datumet \"" +
                                  Visningstext(post.datum) +
                                  "\", som inte kan sorteras. Ändra datumet till ÅÅMMDD, "
                                  "ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD och sortera sedan igen.");
            nycklar[static_cast<std::size_t>(i)] = *nyckel;
        }
        platser = StabilOrdning(antal, nycklar);
        break;
    }
    }
    for (int32_t i = 1; i <= antal; ++i)
        data.Arbetsplats(i) =
            data.Poster[static_cast<std::size_t>(platser[static_cast<std::size_t>(i - 1)])];
}

void SparaSortering(Bokforingsdata &data) {
    KontrolleraSkrivbarRedovisning(data);
    const int32_t antal = data.Postantal;
    // A closed period keeps its posts where they are: one in it refuses all.
    if (data.StangdTom)
        for (const TPost &post : data.Posterna())
            if (IStangdPeriod(data, post.datum))
                throw Korningsfel("Redovisningen kan inte sorteras om: " +
                                  StangdPeriodText(data, post));
    // The sorted work table is written as it stands; the ledger's table takes
    // its order only once the file holds it. The record carries no lines, as
    // the posts stay the same: a re-sort cut short by a kill leaves the old
    // order, which changes nothing the log speaks of.
    data.Arbetsplats(antal);
    MedLogg(data, NyLoggpost(loggtyp::kOmsorterad), [&] {
        SkrivRedovisningsfil(data.Redovisningsfil, data.Redovisningsnamn,
                             {{data.Arbetsposter.data() + 1, static_cast<std::size_t>(antal)}});
    });
    std::copy(data.Arbetsposter.begin() + 1, data.Arbetsposter.begin() + 1 + antal,
              data.Poster.begin() + 1);
    data.RedovisningLastSomUtf8 = false;
}

} // namespace tovana
