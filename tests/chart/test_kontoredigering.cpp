// Editing the chart in memory: the plain list, renaming, removing and saving.

#include "Testkatalog.h"
#include "chart/Kontoredigering.h"
#include "core/Fel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tovana;
using kplantest::LasBytes;
using kplantest::Testkatalog;

namespace {

Bokforingsdata Kontoplan() {
    Bokforingsdata data;
    data.Kontoplats(1) = {1, 1510, "Kundfordringar"};
    data.Kontoplats(2) = {1, 1930, "Företagskonto"};
    data.Kontoplats(3) = {6, 5010, "Hyra för lokal"};
    data.Kontoplats(4) = {8, 10, "Projekt Norr"};
    data.Kontoantal = 4;
    data.Kontoplannamn = "Plan";
    return data;
}

std::vector<int32_t> Nummerordning(const Bokforingsdata &data) {
    std::vector<int32_t> nummer;
    for (int32_t i = 1; i <= data.Kontoantal; ++i)
        nummer.push_back(data.Konton[i].nummer);
    return nummer;
}

} // namespace

TEST(Kontorader, OneLinePerAccountInSlotOrderWithoutHeadings) {
    EXPECT_EQ(Kontorader(Kontoplan()),
              (std::vector<std::string>{"1510 Kundfordringar", "1930 Företagskonto",
                                        "5010 Hyra för lokal", "10 Projekt Norr"}));
    EXPECT_TRUE(Kontorader(Bokforingsdata{}).empty());
}

TEST(BytKontonamn, RenamesOnlyAnAccountThatExists) {
    Bokforingsdata data = Kontoplan();
    EXPECT_TRUE(BytKontonamn(data, 3, std::string(81, 'h') + "x"));
    EXPECT_EQ(data.Konton[3].namn, std::string(80, 'h'));
    for (const int32_t slot : {0, -1, 5}) {
        const Bokforingsdata fore = data;
        EXPECT_FALSE(BytKontonamn(data, slot, "Nytt")) << slot;
        EXPECT_EQ(data.Konton, fore.Konton) << slot;
    }
}

TEST(AnvandsIRedovisningen, LooksAtDebitAndCreditButNotTheCode) {
    Bokforingsdata data = Kontoplan();
    data.Postplats(1) = {1, "0101", 1930, 0, 10, 100, "Insättning"};
    data.Postplats(2) = {2, "0102", 0, 5010, 0, 50, "Hyra"};
    data.Postantal = 2;
    EXPECT_TRUE(AnvandsIRedovisningen(data, 1930));
    EXPECT_TRUE(AnvandsIRedovisningen(data, 5010));
    EXPECT_FALSE(AnvandsIRedovisningen(data, 10));
    EXPECT_FALSE(AnvandsIRedovisningen(data, 1510));
    // A post beyond the count is not part of the ledger.
    data.Postplats(3) = {3, "0103", 1510, 0, 0, 1, ""};
    EXPECT_FALSE(AnvandsIRedovisningen(data, 1510));
}

TEST(TaBortKonto, LaterAccountsMoveDownAndTheFreedSlotIsEmptied) {
    Bokforingsdata data = Kontoplan();
    EXPECT_TRUE(TaBortKonto(data, 2));
    EXPECT_EQ(Nummerordning(data), (std::vector<int32_t>{1510, 5010, 10}));
    EXPECT_EQ(data.Konton[4], TKonto{});
    EXPECT_TRUE(TaBortKonto(data, 3));
    EXPECT_EQ(Nummerordning(data), (std::vector<int32_t>{1510, 5010}));
    EXPECT_EQ(data.Konton[3], TKonto{});
    EXPECT_FALSE(TaBortKonto(data, 0));
    EXPECT_FALSE(TaBortKonto(data, 3));
    EXPECT_EQ(data.Kontoantal, 2);
    EXPECT_EQ(data.Konton[0].typ, 0);
}

TEST(SparaAndradKontoplan, WritesUnderTheNewName) {
    Testkatalog mapp;
    Bokforingsdata data = Kontoplan();
    data.Kontoplanfil = mapp.Sokvag("plan.kpl");
    BytKontonamn(data, 3, "Lokalhyra");
    SparaAndradKontoplan(data, "Plan 2025");
    EXPECT_EQ(LasBytes(data.Kontoplanfil), "Plan 2025\r\n1;1510;Kundfordringar\r\n"
                                           "1;1930;F\xf6retagskonto\r\n6;5010;Lokalhyra\r\n"
                                           "8;10;Projekt Norr\r\n");
    EXPECT_EQ(data.Kontoplannamn, "Plan 2025");
    EXPECT_TRUE(data.KoderFinns);
}

TEST(SparaAndradKontoplan, AFailedWriteKeepsTheOldName) {
    Testkatalog mapp;
    Bokforingsdata data = Kontoplan();
    data.Kontoplanfil = mapp.Sokvag("saknas/plan.kpl");
    EXPECT_THROW(SparaAndradKontoplan(data, "Ny plan"), Korningsfel);
    EXPECT_EQ(data.Kontoplannamn, "Plan");
}
