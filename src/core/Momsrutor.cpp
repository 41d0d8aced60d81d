#include "core/Momsrutor.h"

#include <array>

namespace tovana {

namespace {

// The captions of form SKV 4700 and the elements of the eSKD upload file
// (eSKDUpload version 6.0), in the form's order.
constexpr std::array<Momsruta, 29> kRutor = {{
    {5, "Momspliktig försäljning som inte ingår i ruta 06, 07 eller 08", "ForsMomsEjAnnan",
     Rutslag::Forsaljning},
    {6, "Momspliktiga uttag", "UttagMoms", Rutslag::Forsaljning},
    {7, "Beskattningsunderlag vid vinstmarginalbeskattning", "UlagMargbesk", Rutslag::Forsaljning},
    {8, "Hyresinkomster vid frivillig skattskyldighet", "HyrinkomstFriv", Rutslag::Forsaljning},
    {10, "Utgående moms 25 %", "MomsUtgHog", Rutslag::UtgaendeMoms},
    {11, "Utgående moms 12 %", "MomsUtgMedel", Rutslag::UtgaendeMoms},
    {12, "Utgående moms 6 %", "MomsUtgLag", Rutslag::UtgaendeMoms},
    {20, "Inköp av varor från ett annat EU-land", "InkopVaruAnnatEg", Rutslag::Inkop},
    {21, "Inköp av tjänster från ett annat EU-land enligt huvudregeln", "InkopTjanstAnnatEg",
     Rutslag::Inkop},
    {22, "Inköp av tjänster från ett land utanför EU", "InkopTjanstUtomEg", Rutslag::Inkop},
    {23, "Inköp av varor i Sverige som köparen är skattskyldig för", "InkopVaruSverige",
     Rutslag::Inkop},
    {24, "Övriga inköp av tjänster", "InkopTjanstSverige", Rutslag::Inkop},
    {30, "Utgående moms 25 % på inköp i rutorna 20–24", "MomsInkopUtgHog", Rutslag::UtgaendeMoms},
    {31, "Utgående moms 12 % på inköp i rutorna 20–24", "MomsInkopUtgMedel", Rutslag::UtgaendeMoms},
    {32, "Utgående moms 6 % på inköp i rutorna 20–24", "MomsInkopUtgLag", Rutslag::UtgaendeMoms},
    {50, "Beskattningsunderlag vid import", "MomsUlagImport", Rutslag::Inkop},
    {60, "Utgående moms 25 % på import i ruta 50", "MomsImportUtgHog", Rutslag::UtgaendeMoms},
    {61, "Utgående moms 12 % på import i ruta 50", "MomsImportUtgMedel", Rutslag::UtgaendeMoms},
    {62, "Utgående moms 6 % på import i ruta 50", "MomsImportUtgLag", Rutslag::UtgaendeMoms},
    {35, "Försäljning av varor till ett annat EU-land", "ForsVaruAnnatEg", Rutslag::Forsaljning},
    {36, "Försäljning av varor utanför EU", "ForsVaruUtomEg", Rutslag::Forsaljning},
    {37, "Mellanmans inköp av varor vid trepartshandel", "InkopVaruMellan3p", Rutslag::Inkop},
    {38, "Mellanmans försäljning av varor vid trepartshandel", "ForsVaruMellan3p",
     Rutslag::Forsaljning},
    {39, "Försäljning av tjänster till en näringsidkare i ett annat EU-land enligt huvudregeln",
     "ForsTjSkskAnnatEg", Rutslag::Forsaljning},
    {40, "Övrig försäljning av tjänster omsatta utanför Sverige", "ForsTjOvrUtomEg",
     Rutslag::Forsaljning},
    {41, "Försäljning när köparen är skattskyldig i Sverige", "ForsKopareSkskSverige",
     Rutslag::Forsaljning},
    {42, "Övrig försäljning m.m.", "ForsOvrigt", Rutslag::Forsaljning},
    {48, "Ingående moms att dra av", "MomsIngAvdr", Rutslag::IngaendeMoms},
    {kRuta49, "Moms att betala eller få tillbaka", "MomsBetala", Rutslag::Summa},
}};

// The order of the boxes' elements in the eSKD file, as its DTD lists them
// inside <Moms> (after <Period>): not the form's order.
constexpr std::array<int, 29> kFilordning = {5,  6,  7,  8,  20, 21, 22, 23, 24,     50,
                                             35, 36, 37, 38, 39, 40, 41, 42, 10,     11,
                                             12, 30, 31, 32, 60, 61, 62, 48, kRuta49};

// The default table. 3001–3003 (sales at 25, 12 and 6 %) lie in 3000–3099;
// 3004 (sales without VAT) feeds box 42 instead. BAS also gives the accounts of
// VAT under reverse charge in Sweden (2617, 2627, 2637) to boxes 30–32.
constexpr std::array<Basintervall, 34> kBas = {{
    {3000, 3003, 5},  {3005, 3099, 5},  {3106, 3106, 5},  {3401, 3403, 6},  {3913, 3913, 8},
    {2610, 2613, 10}, {2616, 2616, 10}, {2620, 2623, 11}, {2626, 2626, 11}, {2630, 2633, 12},
    {2636, 2636, 12}, {4515, 4517, 20}, {4535, 4537, 21}, {4531, 4533, 22}, {4415, 4417, 23},
    {4425, 4427, 24}, {2614, 2614, 30}, {2617, 2617, 30}, {2624, 2624, 31}, {2627, 2627, 31},
    {2634, 2634, 32}, {2637, 2637, 32}, {3108, 3108, 35}, {3105, 3105, 36}, {3308, 3308, 39},
    {3305, 3305, 40}, {3231, 3231, 41}, {3004, 3004, 42}, {3404, 3404, 42}, {2640, 2649, 48},
    {4545, 4547, 50}, {2615, 2615, 60}, {2625, 2625, 61}, {2635, 2635, 62},
}};

} // namespace

std::span<const Momsruta> Momsrutor() {
    return kRutor;
}

std::span<const int> Filordning() {
    return kFilordning;
}

const Momsruta *SokMomsruta(int nummer) {
    for (const Momsruta &ruta : Momsrutor())
        if (ruta.nummer == nummer)
            return &ruta;
    return nullptr;
}

bool ArMomsbeloppsruta(int nummer) {
    const Momsruta *ruta = SokMomsruta(nummer);
    return ruta && (ruta->slag == Rutslag::UtgaendeMoms || ruta->slag == Rutslag::IngaendeMoms);
}

std::span<const Basintervall> BasMomstabell() {
    return kBas;
}

int BasMomsruta(int32_t konto) {
    for (const Basintervall &rad : kBas)
        if (konto >= rad.fran && konto <= rad.till)
            return rad.ruta;
    return 0;
}

} // namespace tovana
