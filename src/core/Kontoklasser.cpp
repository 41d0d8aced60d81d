#include "core/Kontoklasser.h"

namespace tovana {

namespace {

constexpr Sektion Balansrakning = Sektion::Balansrakning;
constexpr Sektion Resultatrakning = Sektion::Resultatrakning;
constexpr Normalsida Debet = Normalsida::Debet;
constexpr Normalsida Kredit = Normalsida::Kredit;

const std::array<Kontoklass, kSistaKlass> kKlasser = {{
    {kTillgangar, "TILLGÅNGAR", "Tillgångar", Balansrakning, Debet, true, true},
    {kEgetKapital, "EGET KAPITAL", "Eget kapital", Balansrakning, Kredit, true, true},
    {kObeskattadeReserver, "OBESKATTADE RESERVER", "Obeskattade reserver", Balansrakning, Kredit,
     true, true},
    {kSkulder, "SKULDER", "Skulder", Balansrakning, Kredit, true, true},
    {kIntakter, "INTÄKTER", "Intäkter", Resultatrakning, Kredit, true, false},
    {kKostnader, "KOSTNADER", "Kostnader", Resultatrakning, Debet, true, false},
    {kBokslutsdispositioner, "BOKSLUTSDISPOSITIONER", "Bokslutsdispositioner", Resultatrakning,
     Debet, false, false},
    {kKoder, "KODER", "Koder", Sektion::Koder, Normalsida::Ingen, false, false},
}};

const Kontoklass kIngenKlass;

} // namespace

const Kontoklass &Klass(int typ) {
    return typ >= kForstaKlass && typ <= kSistaKlass ? kKlasser[static_cast<std::size_t>(typ - 1)]
                                                     : kIngenKlass;
}

const std::array<Kontoklass, kSistaKlass> &Kontoklasser() {
    return kKlasser;
}

bool ArBokforingsklass(int typ) {
    const Sektion s = Klass(typ).sektion;
    return s == Balansrakning || s == Resultatrakning;
}

double Rapporttecken(int typ) {
    const Kontoklass &k = Klass(typ);
    return k.sektion == Balansrakning && k.normalsida == Debet ? 1.0 : -1.0;
}

} // namespace tovana
