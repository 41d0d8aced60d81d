#include "core/Bokforingsdata.h"

#include <utility>

namespace tovana {

namespace {

template <typename T> T &Plats(std::vector<T> &tabell, int32_t slot) {
    if (slot < 0)
        slot = 0;
    const auto plats = static_cast<std::size_t>(slot);
    // Within the room the table has already it grows by the slot alone: a ledger
    // is read with room for the posts keyed next, and moving a million posts
    // for one more would be felt.
    if (plats >= tabell.size())
        tabell.resize(plats < tabell.capacity() ? plats + 1 : plats + 1 + tabell.size() / 2);
    return tabell[plats];
}

} // namespace

const std::string &Klassrubrik(int typ) {
    return Klass(typ).rubrik;
}

const std::string &Klassnamn(int typ) {
    return Klass(typ).namn;
}

Bokforingsdata::Bokforingsdata() : Konton(201), Poster(1001), Arbetsposter(2001) {}

TKonto &Bokforingsdata::Kontoplats(int32_t slot) {
    return Plats(Konton, slot);
}
TPost &Bokforingsdata::Postplats(int32_t slot) {
    return Plats(Poster, slot);
}
TPost &Bokforingsdata::Arbetsplats(int32_t slot) {
    return Plats(Arbetsposter, slot);
}

bool Bokforingsdata::HarKoder() const {
    for (const TKonto &konto : Kontona())
        if (konto.typ == kKoder)
            return true;
    return false;
}

int32_t Bokforingsdata::SokKonto(int32_t nummer) const {
    for (int32_t i = 1; i <= Kontoantal; ++i)
        if (Konton[i].nummer == nummer)
            return i;
    return 0;
}

void Bokforingsdata::TomPoster() {
    for (auto &p : Poster)
        p = TPost{};
}

std::vector<std::string> Klasslista(const Bokforingsdata &data, Listform form) {
    const bool versaler = form == Listform::Versaler;
    auto rubrik = [&](int typ) { return versaler ? Klassrubrik(typ) : Klassnamn(typ); };
    std::vector<std::string> rader;
    rader.push_back(rubrik(kForstaKlass));
    for (int32_t i = 1; i <= data.Kontoantal; ++i) {
        const TKonto &konto = data.Konton[i];
        const int foregaende = data.Konton[i - 1].typ;
        for (int k = kForstaKlass + 1; k <= kSistaKlass; ++k) {
            if (konto.typ == k && foregaende < k) {
                if (!versaler)
                    rader.emplace_back(" ");
                rader.push_back(rubrik(k));
            }
        }
        rader.push_back(std::to_string(konto.nummer) + " " + konto.namn);
    }
    return rader;
}

int32_t Insattningsplats(const Bokforingsdata &data, Kontotyp typ, int32_t nummer) {
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        if (data.Konton[i].typ == typ && nummer < data.Konton[i].nummer)
            return i;
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        if (typ < data.Konton[i].typ)
            return i;
    return data.Kontoantal + 1;
}

int32_t SattInKonto(Bokforingsdata &data, const TKonto &konto) {
    const int32_t plats = Insattningsplats(data, konto.typ, konto.nummer);
    data.Kontoplats(data.Kontoantal + 1);
    for (int32_t i = data.Kontoantal; i >= plats; --i)
        data.Konton[i + 1] = data.Konton[i];
    data.Konton[plats] = konto;
    ++data.Kontoantal;
    return plats;
}

const std::string &Foretagsnamn(const Bokforingsdata &data) {
    return data.Foretaget.namn.empty() ? data.Redovisningsnamn : data.Foretaget.namn;
}

void GlomForetaget(Bokforingsdata &data) {
    data.Foretagsfil.clear();
    data.Foretaget = Foretagsuppgifter{};
}

void LamnaPosternaTillSystemet(Bokforingsdata &data) {
    // Reachable until the end, never freed.
    static auto *kvar = new std::vector<std::vector<TPost>>;
    kvar->push_back(std::exchange(data.Poster, std::vector<TPost>(1)));
    kvar->push_back(std::exchange(data.Arbetsposter, std::vector<TPost>(1)));
    data.Postantal = 0;
}

} // namespace tovana
