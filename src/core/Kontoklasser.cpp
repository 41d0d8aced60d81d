#include "core/Kontoklasser.h"

#include <cctype>

namespace tovana {

namespace {

constexpr Sektion Balansrakning = Sektion::Balansrakning;
constexpr Sektion Resultatrakning = Sektion::Resultatrakning;
constexpr Normalsida Debet = Normalsida::Debet;
constexpr Normalsida Kredit = Normalsida::Kredit;

constexpr Effektsumma Tillgangssumma = Effektsumma::Tillgangar;
constexpr Effektsumma EKSsumma = Effektsumma::EgetKapitalOchSkulder;
constexpr Effektsumma Resultatsumma = Effektsumma::AretsResultat;

const std::array<Kontoklass, kSistaKlass> kKlasser = {{
    {kTillgangar, "TILLGÅNGAR", "Tillgångar", Balansrakning, Debet, true, true, Tillgangssumma, 'T',
     "Tillg"},
    {kEgetKapital, "EGET KAPITAL", "Eget kapital", Balansrakning, Kredit, true, true, EKSsumma, 'S',
     "EK"},
    {kObeskattadeReserver, "OBESKATTADE RESERVER", "Obeskattade reserver", Balansrakning, Kredit,
     true, true, EKSsumma, 'S', "OR"},
    {kSkulder, "SKULDER", "Skulder", Balansrakning, Kredit, true, true, EKSsumma, 'S', "Skuld"},
    {kIntakter, "INTÄKTER", "Intäkter", Resultatrakning, Kredit, true, false, Resultatsumma, 'I',
     "Intäkt"},
    {kKostnader, "KOSTNADER", "Kostnader", Resultatrakning, Debet, true, false, Resultatsumma, 'K',
     "Kost"},
    {kBokslutsdispositioner, "BOKSLUTSDISPOSITIONER", "Bokslutsdispositioner", Resultatrakning,
     Debet, false, false, Effektsumma::Ingen, 'K', "BD"},
    {kKoder, "KODER", "Koder", Sektion::Koder, Normalsida::Ingen, false, false, Effektsumma::Ingen,
     'K', "Kod"},
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

bool ArKontoklass(int typ) {
    return typ >= kForstaKlass && typ <= kSistaKlass;
}

bool ArBokforingsklass(int typ) {
    const Sektion s = Klass(typ).sektion;
    return s == Balansrakning || s == Resultatrakning;
}

double Rapporttecken(int typ) {
    const Kontoklass &k = Klass(typ);
    return k.sektion == Balansrakning && k.normalsida == Debet ? 1.0 : -1.0;
}

Kontotyp KlassAvSiekonto(int32_t nummer, char sietyp) {
    const std::string siffror = std::to_string(nummer);
    const int forsta = siffror[0] - '0';
    const int tva = forsta * 10 + (siffror.size() > 1 ? siffror[1] - '0' : 0);
    constexpr int kEgetKapitalsGrupp = 20;
    constexpr int kObeskattadeReserversGrupp = 21;
    constexpr int kBokslutsdispositionersGrupp = 88;
    switch (std::toupper(static_cast<unsigned char>(sietyp))) {
    case 'T':
        return kTillgangar;
    case 'S':
        return tva == kEgetKapitalsGrupp           ? kEgetKapital
               : tva == kObeskattadeReserversGrupp ? kObeskattadeReserver
                                                   : kSkulder;
    case 'I':
        return tva == kBokslutsdispositionersGrupp ? kBokslutsdispositioner : kIntakter;
    case 'K':
        return tva == kBokslutsdispositionersGrupp ? kBokslutsdispositioner : kKostnader;
    default:
        break;
    }
    if (forsta == 1)
        return kTillgangar;
    if (tva == kEgetKapitalsGrupp)
        return kEgetKapital;
    if (tva == kObeskattadeReserversGrupp)
        return kObeskattadeReserver;
    if (forsta == 2)
        return kSkulder;
    if (forsta == 3)
        return kIntakter;
    if (tva == kBokslutsdispositionersGrupp)
        return kBokslutsdispositioner;
    if (tva >= 80 && tva <= 83)
        return kIntakter; // financial income
    return kKostnader;
}

} // namespace tovana
