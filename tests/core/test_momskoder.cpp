// The VAT boxes of the form, the default BAS table, and a chart's own choices in
// its ".moms" file, read and written side by side.

#include "Testmapp.h"
#include "core/Fel.h"
#include "core/Momskodfil.h"
#include "core/Momsrutor.h"

#include <gtest/gtest.h>

#include <set>

using namespace tovana;
using namespace tovana::test;

TEST(Momsrutor, EveryBoxOnceAndTheFileOrderHoldsTheSameBoxes) {
    std::set<int> rutor, filen;
    for (const Momsruta &ruta : Momsrutor())
        EXPECT_TRUE(rutor.insert(ruta.nummer).second) << ruta.nummer;
    for (const int ruta : Filordning())
        filen.insert(ruta);
    EXPECT_EQ(rutor, filen);
    EXPECT_EQ(rutor, (std::set<int>{5,  6,  7,  8,  10, 11, 12, 20, 21, 22, 23, 24, 30, 31, 32,
                                    35, 36, 37, 38, 39, 40, 41, 42, 48, 49, 50, 60, 61, 62}));
    EXPECT_EQ(Momsrutor().back().nummer, kRuta49);
}

TEST(Momsrutor, TheDefaultTableGivesEachBasAccountItsBox) {
    const struct {
        int32_t konto;
        int ruta;
    } fall[] = {{3000, 5},  {3001, 5},  {3003, 5},  {3004, 42}, {3099, 5},  {3106, 5},  {3100, 0},
                {3401, 6},  {3404, 42}, {3913, 8},  {2610, 10}, {2613, 10}, {2614, 30}, {2615, 60},
                {2616, 10}, {2617, 30}, {2618, 0},  {2626, 11}, {2627, 31}, {2636, 12}, {2637, 32},
                {2625, 61}, {2635, 62}, {2640, 48}, {2649, 48}, {2650, 0},  {4515, 20}, {4535, 21},
                {4531, 22}, {4415, 23}, {4425, 24}, {4545, 50}, {3108, 35}, {3105, 36}, {3308, 39},
                {3305, 40}, {3231, 41}, {1930, 0}};
    for (const auto &f : fall)
        EXPECT_EQ(BasMomsruta(f.konto), f.ruta) << f.konto;
}

TEST(Momskoder, ChoicesRoundTripThroughTheFileAndOverrideTheTable) {
    Testmapp mapp;
    const std::string fil = Momskodfil(mapp.Sokvag("foretag.kpl"));
    EXPECT_EQ(fil, mapp.Sokvag("foretag.kpl.moms"));
    EXPECT_EQ(LasMomskoder(fil), Momskoder{}); // no file: the default table alone

    Momskoder koder;
    SattMomskod(koder, 3010, "05"); // as the table says: nothing kept
    SattMomskod(koder, 3900, " 6 ");
    SattMomskod(koder, 2611, ""); // the table gives it box 10
    SattMomskod(koder, 1930, ""); // no box either way: nothing kept
    EXPECT_EQ(koder, (Momskoder{{2611, 0}, {3900, 6}}));
    SkrivMomskoder(fil, koder);
    EXPECT_EQ(LasBytes(fil), "2611;\r\n3900;06\r\n");
    EXPECT_EQ(LasMomskoder(fil), koder);
    EXPECT_EQ(RutaForKonto(3900, koder), 6);
    EXPECT_EQ(RutaForKonto(2611, koder), 0);
    EXPECT_EQ(RutaForKonto(2612, koder), 10);

    for (const char *fel : {"49", "13", "x", "100"}) {
        Momskoder fore = koder;
        EXPECT_THROW(SattMomskod(koder, 3010, fel), Korningsfel) << fel;
        EXPECT_EQ(koder, fore);
    }
}

TEST(Momskoder, ABadLineIsRefusedWithItsFileAndLine) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("k.kpl.moms");
    for (const char *rad : {"3010", "3010;49", "x;05", "3010;5a"}) {
        SkrivBytes(fil, std::string("2611;10\r\n") + rad + "\r\n");
        try {
            LasMomskoder(fil);
            ADD_FAILURE() << rad;
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(ForstaRaden(fel.what()), "Raden ska vara konto;ruta, till exempel 3010;05.");
            EXPECT_EQ(AndraRaden(fel.what()), "Fil: " + fil + ", rad 2");
        }
    }
}
