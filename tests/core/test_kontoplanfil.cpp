// The chart-of-accounts file: reading, writing, and what a bad file leaves behind.

#include "Testmapp.h"
#include "core/Fel.h"
#include "core/Kontoplanfil.h"
#include "core/Teckentabell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tovana;
using namespace tovana::test;

namespace {

std::vector<TKonto> Konton(const Bokforingsdata &data) {
    return {data.Konton.begin() + 1, data.Konton.begin() + 1 + data.Kontoantal};
}

// A chart already in memory, as a command would find it before opening another.
Bokforingsdata GammalKontoplan() {
    Bokforingsdata data;
    data.Kontoplannamn = "Gammal plan";
    data.Kontoplats(1) = {1, 1930, "Bank"};
    data.Kontoplats(2) = {2, 2081, "Aktiekapital"};
    data.Kontoplats(3) = {5, 3010, "Försäljning"};
    data.Kontoantal = 3;
    return data;
}

class Kontoplanfil : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("plan.kpl");

    Bokforingsdata Las(const std::string &bytes) {
        SkrivBytes(fil, bytes);
        Bokforingsdata data;
        LasKontoplan(data, fil);
        return data;
    }
};

} // namespace

TEST_F(Kontoplanfil, OnlyTheNameLineIsAnEmptyChart) {
    for (const char *bytes : {"Min plan\r\n", "Min plan", "Min plan\r\n\r\n  \r\n"}) {
        auto data = GammalKontoplan();
        SkrivBytes(fil, bytes);
        LasKontoplan(data, fil);
        EXPECT_EQ(data.Kontoplannamn, "Min plan");
        EXPECT_EQ(data.Kontoantal, 0);
    }
}

TEST_F(Kontoplanfil, BlankLinesAndLeadingBlanksAreIgnoredBlanksInsideStay) {
    const auto data = Las("  Plan med blanka\r\n\r\n   1;1510; Kundfordringar\r\n\t\r\n"
                          "\t2;2081;Aktie kapital \r\n\r\n\r\n");
    EXPECT_EQ(data.Kontoplannamn, "  Plan med blanka");
    EXPECT_EQ(Konton(data),
              (std::vector<TKonto>{{1, 1510, " Kundfordringar"}, {2, 2081, "Aktie kapital "}}));
}

TEST_F(Kontoplanfil, KeepsTheFileOrderAndConvertsFromWindows1252) {
    const auto data = Las("F\xF6retagets kontoplan\r\n5;3010;F\xF6rs\xE4ljning \x80\r\n"
                          "1;1930;Bank\r\n+2;-17;Minus\r\n");
    EXPECT_EQ(data.Kontoplannamn, "Företagets kontoplan");
    EXPECT_EQ(Konton(data), (std::vector<TKonto>{
                                {5, 3010, "Försäljning €"}, {1, 1930, "Bank"}, {2, -17, "Minus"}}));
}

TEST_F(Kontoplanfil, LinesEndedByLfAloneReadTheSame) {
    const auto crlf = Las("Plan\r\n1;1510;Kund\r\n\r\n8;10;Projekt\r\n");
    const auto lf = Las("Plan\n1;1510;Kund\n\n8;10;Projekt\n");
    EXPECT_EQ(lf.Kontoplannamn, crlf.Kontoplannamn);
    EXPECT_EQ(Konton(lf), Konton(crlf));
}

TEST_F(Kontoplanfil, NamesAreCutToEightyCharacters) {
    std::string hundra_o(100, '\xF6'); // "ö" in Windows-1252
    std::string atti_a(80, '\xE5');    // "å"
    const auto data = Las(hundra_o + "\r\n1;1510;" + hundra_o + "\r\n1;1930;" + atti_a + "\r\n");
    std::string atti_o, alla_a;
    for (int i = 0; i < 80; ++i) {
        atti_o += "ö";
        alla_a += "å";
    }
    EXPECT_EQ(data.Kontoplannamn, atti_o);
    EXPECT_EQ(data.Konton[1].namn, atti_o);
    EXPECT_EQ(data.Konton[2].namn, alla_a);
}

TEST_F(Kontoplanfil, ClassEightSetsKoderFinnsAndAChartWithoutCodesLeavesIt) {
    Bokforingsdata data;
    SkrivBytes(fil, "Plan\r\n1;1930;Bank\r\n");
    LasKontoplan(data, fil);
    EXPECT_FALSE(data.KoderFinns);

    SkrivBytes(fil, "Plan\r\n1;1930;Bank\r\n8;10;Projekt A\r\n");
    LasKontoplan(data, fil);
    EXPECT_TRUE(data.KoderFinns);

    SkrivBytes(fil, "Plan\r\n1;1930;Bank\r\n");
    LasKontoplan(data, fil);
    EXPECT_TRUE(data.KoderFinns);
}

// Every command that opens, starts or imports a chart hands it over here: a
// changed chart of more accounts gives way whole, and the code flag stays.
TEST_F(Kontoplanfil, AChartHandedOverReplacesTheOldOneAndCountsAsUnchanged) {
    Bokforingsdata data = GammalKontoplan();
    data.KoderFinns = true;
    data.KontoplanAndrad = true;
    data.Kontoplanfil = "gammal.kpl";
    SkrivBytes(fil, "Ny plan\r\n2;2440;Leverant\xF6rer\r\n");
    SattInKontoplan(data, LasKontoplanfil(fil), fil);
    EXPECT_EQ(data.Kontoplannamn, "Ny plan");
    ASSERT_EQ(data.Kontona().size(), 1u);
    EXPECT_EQ(data.Kontona()[0], (TKonto{2, 2440, "Leverant\xC3\xB6rer"}));
    EXPECT_EQ(data.Kontoplanfil, fil);
    EXPECT_TRUE(data.KontoplanInlast);
    EXPECT_FALSE(data.KontoplanAndrad);
    EXPECT_TRUE(data.KoderFinns);

    SattInKontoplan(data, Kontoplaninnehall{"Tom", {}, false}, "tom.kpl");
    EXPECT_EQ(data.Kontoantal, 0);
    EXPECT_EQ(data.Kontoplannamn, "Tom");
    EXPECT_EQ(data.Kontoplanfil, "tom.kpl");
}

TEST_F(Kontoplanfil, WritesClassNumberNameLinesWithCrLfInWindows1252) {
    auto data = GammalKontoplan();
    data.Kontoplannamn = "Företagets kontoplan";
    data.Kontoplats(4) = {8, 10, "Projekt A; delprojekt – 2"};
    data.Kontoantal = 4;
    data.Kontoplats(5) = {1, 9999, "bortom antalet"};
    SkrivKontoplan(data, fil);
    EXPECT_EQ(LasBytes(fil), "F\xF6retagets kontoplan\r\n1;1930;Bank\r\n2;2081;Aktiekapital\r\n"
                             "5;3010;F\xF6rs\xE4ljning\r\n8;10;Projekt A; delprojekt \x96 2\r\n");
}

TEST_F(Kontoplanfil, AnEmptyChartIsOneLine) {
    Bokforingsdata data;
    data.Kontoplannamn = "Ny plan";
    SkrivKontoplan(data, fil);
    EXPECT_EQ(LasBytes(fil), "Ny plan\r\n");
}

TEST_F(Kontoplanfil, NameWithSemicolonSurvivesWriteAndRead) {
    auto data = GammalKontoplan();
    data.Konton[2].namn = "Kapital;insatt; ;";
    SkrivKontoplan(data, fil);
    Bokforingsdata tillbaka;
    LasKontoplan(tillbaka, fil);
    EXPECT_EQ(Konton(tillbaka), Konton(data));
    EXPECT_EQ(tillbaka.Kontoplannamn, "Gammal plan");
}

TEST_F(Kontoplanfil, RewritingAChartItWroteGivesTheSameBytes) {
    Bokforingsdata data;
    data.Kontoplannamn = "Plan – 2012 ";
    const std::vector<TKonto> konton = {{1, 1510, "Kundfordringar"},
                                        {1, 1930, " Bank ; konto"},
                                        {4, 2440, ""},
                                        {6, -5010, "Lokalhyra €"},
                                        {8, 10, "Projekt A"}};
    for (std::size_t i = 0; i < konton.size(); ++i)
        data.Kontoplats(static_cast<int32_t>(i + 1)) = konton[i];
    data.Kontoantal = static_cast<int32_t>(konton.size());
    SkrivKontoplan(data, fil);
    const std::string forsta = LasBytes(fil);

    Bokforingsdata last;
    LasKontoplan(last, fil);
    const std::string andra = mapp.Sokvag("andra.kpl");
    SkrivKontoplan(last, andra);
    EXPECT_EQ(LasBytes(andra), forsta);
    EXPECT_EQ(Konton(last), konton);
}

TEST_F(Kontoplanfil, MoreThanTwoHundredAccountsAreReadAndWritten) {
    std::string bytes = "Stor plan\r\n";
    for (int i = 0; i < 350; ++i)
        bytes += "6;" + std::to_string(4000 + i) + ";Konto " + std::to_string(i) + "\r\n";
    const auto data = Las(bytes);
    ASSERT_EQ(data.Kontoantal, 350);
    EXPECT_EQ(data.Konton[350], (TKonto{6, 4349, "Konto 349"}));
    EXPECT_EQ(data.Konton[0], TKonto{});
    EXPECT_EQ(KontoplanBytes(data), bytes);
}

namespace {

struct Felrad {
    const char *namn;
    const char *rad; // the bad account line (Windows-1252), the file's line 4
    const char *meddelande;
};

void PrintTo(const Felrad &f, std::ostream *os) {
    *os << '"' << FranWindows1252(f.rad) << '"';
}

} // namespace

class KontoplanfilFelrad : public Kontoplanfil, public ::testing::WithParamInterface<Felrad> {};

TEST_P(KontoplanfilFelrad, NamesTheFileAndLineAndChangesNothing) {
    // Line 3 is blank, so the bad line is the fourth line of the file, not the third record.
    SkrivBytes(fil, std::string("Ny plan\r\n8;10;Projekt\r\n\r\n") + GetParam().rad +
                        "\r\n1;1930;Bank\r\n");
    auto data = GammalKontoplan();
    const auto fore = data;
    try {
        LasKontoplan(data, fil);
        FAIL() << "the bad line was accepted";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), GetParam().meddelande);
        const std::string var = AndraRaden(fel.what());
        EXPECT_NE(var.find(fil), std::string::npos) << var;
        EXPECT_NE(var.find("rad 4"), std::string::npos) << var;
    }
    EXPECT_EQ(data.Kontoplannamn, fore.Kontoplannamn);
    EXPECT_EQ(data.Kontoantal, fore.Kontoantal);
    EXPECT_EQ(data.Konton, fore.Konton);
    EXPECT_FALSE(data.KoderFinns);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, KontoplanfilFelrad,
    ::testing::Values(
        Felrad{"LetterAsClass", "x;1510;Kund", "'x' is not a valid integer value"},
        Felrad{"BlankNumber", "1; ;Kund", "' ' is not a valid integer value"},
        Felrad{"BlankAfterNumber", "1;1510 ;Kund", "'1510 ' is not a valid integer value"},
        Felrad{"EmptyClass", ";1510;Kund", "'' is not a valid integer value"},
        Felrad{"EmptyNumber", "1;;Kund", "'' is not a valid integer value"},
        Felrad{"LetterInNumber", "1;15x0;Kund", "'15x0' is not a valid integer value"},
        Felrad{"SwedishLetterAsClass", "\xE5;1510;Kund", "'å' is not a valid integer value"},
        Felrad{"NoSemicolon", "1510", "'' is not a valid integer value"},
        // A class outside 1..8 was kept as its low eight bits: 264 became a code, 300 became 44.
        Felrad{"ClassZero", "0;1510;Kund", "'0' är ingen kontoklass (1–8)"},
        Felrad{"MinusZero", "-0;1510;Kund", "'-0' är ingen kontoklass (1–8)"},
        Felrad{"ClassNine", "9;1510;Kund", "'9' är ingen kontoklass (1–8)"},
        Felrad{"ClassNegative", "-1;1510;Kund", "'-1' är ingen kontoklass (1–8)"},
        Felrad{"Class264", "264;1930;Bank", "'264' är ingen kontoklass (1–8)"},
        Felrad{"Class300", "300;1930;Bank", "'300' är ingen kontoklass (1–8)"},
        Felrad{"LedgerLine", "12;120315;1250,5;1930;3010;0;F\xF6rs\xE4ljning",
               "'12' är ingen kontoklass (1–8)"}),
    [](const auto &info) { return std::string(info.param.namn); });

// A ledger whose first verifications are numbered 1 to 8 was read as a chart, and
// saving that chart wrote over the ledger.
TEST_F(Kontoplanfil, ALedgerChosenAsAChartIsRefusedAndAChartWithPostLikeNamesIsNot) {
    auto data = GammalKontoplan();
    const auto fore = data;
    SkrivBytes(fil, "Bokf\xF6ring 2012\r\n1;120101;500;1930;2081;0;Ins\xE4ttning\r\n"
                    "2;120102;80,5;6110;1930;10;Papper\r\n");
    try {
        LasKontoplan(data, fil);
        FAIL() << "the ledger was read as a chart";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()),
                  "Filen är en redovisning, inte en kontoplan. Välj en kontoplan (.kpl).");
    }
    EXPECT_EQ(data.Konton, fore.Konton);
    // One account whose name merely looks like the rest of a post keeps the chart a chart.
    EXPECT_EQ(Konton(Las("Plan\r\n1;1510;5;1930;3010;0;x\r\n1;1930;Bank\r\n")).size(), 2u);
}

// A line with only one ";" (cut short, no name field) was read as an account with an empty name.
TEST_F(Kontoplanfil, ALineWithOneSemicolonIsRefused) {
    SkrivBytes(fil, "Plan\r\n1;1510\r\n");
    Bokforingsdata data;
    EXPECT_THROW(LasKontoplan(data, fil), Korningsfel);
    EXPECT_EQ(data.Kontoantal, 0);
}

TEST_F(Kontoplanfil, AMissingFileIsReportedAndChangesNothing) {
    auto data = GammalKontoplan();
    const auto fore = data;
    const std::string saknas = mapp.Sokvag("saknas.kpl");
    try {
        LasKontoplan(data, saknas);
        FAIL() << "a missing file was read";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), "Filen finns inte.");
        EXPECT_NE(AndraRaden(fel.what()).find(saknas), std::string::npos);
    }
    EXPECT_EQ(data.Konton, fore.Konton);
    EXPECT_EQ(data.Kontoantal, 3);
    EXPECT_EQ(data.Kontoplannamn, "Gammal plan");
}

TEST_F(Kontoplanfil, ANameOutsideWindows1252IsRefusedBeforeTheFileIsTouched) {
    SkrivBytes(fil, "Gammal\r\n");
    auto data = GammalKontoplan();
    data.Konton[1].namn = "Bank Ω";
    EXPECT_THROW(SkrivKontoplan(data, fil), Korningsfel);
    EXPECT_EQ(LasBytes(fil), "Gammal\r\n");
}

// A chart whose lines end in CR alone opened as an empty chart; one saved as UTF-8 as mojibake.
TEST_F(Kontoplanfil, ALoneCrAndUtf8ReadAsTheWindows1252CrLfChart) {
    const auto crlf = Las("F\xF6retag\r\n1;1510;Kundfordringar\r\n8;10;Projekt \x80\r\n");
    for (const char *bytes : {"F\xF6retag\r1;1510;Kundfordringar\r8;10;Projekt \x80\r",
                              "F\xC3\xB6retag\n1;1510;Kundfordringar\r8;10;Projekt \xE2\x82\xAC",
                              "\xEF\xBB\xBF"
                              "F\xC3\xB6retag\r\n1;1510;Kundfordringar\r\n"
                              "8;10;Projekt \xE2\x82\xAC\r\n"}) {
        const auto data = Las(bytes);
        EXPECT_EQ(data.Kontoplannamn, "Företag");
        EXPECT_EQ(Konton(data), Konton(crlf));
        EXPECT_EQ(KontoplanBytes(data), KontoplanBytes(crlf));
    }
}

// An account name with a line break ("Kund\r\n2;2081;Smuggel") added an account on the next open.
TEST_F(Kontoplanfil, LineBreaksInTheChartNameOrAnAccountNameAreRefusedBeforeWriting) {
    SkrivBytes(fil, "Gammal\r\n");
    auto namn = GammalKontoplan();
    namn.Kontoplannamn = "Plan\r";
    auto konto = GammalKontoplan();
    konto.Konton[2].namn = "Kund\r\n2;2081;Smuggel";
    for (const auto &data : {namn, konto})
        EXPECT_THROW(SkrivKontoplan(data, fil), Korningsfel);
    EXPECT_EQ(LasBytes(fil), "Gammal\r\n");
    EXPECT_EQ(Filnamn(mapp.Mapp()), std::vector<std::string>{"plan.kpl"});
}
