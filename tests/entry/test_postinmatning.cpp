// Keying a post: the box clean-ups, the defaults, and the save with the open
// balance of a verification split over several posts.

#include "../core/Testmapp.h"
#include "core/Datum.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>

using namespace tovana;
using namespace tovana::test;

namespace {

struct Rensning {
    const char *in;
    const char *ut;
};
void PrintTo(const Rensning &r, std::ostream *os) {
    *os << '"' << r.in << '"';
}

class BaraSiffrorTest : public ::testing::TestWithParam<Rensning> {};
TEST_P(BaraSiffrorTest, KeepsOnlyDigits) {
    EXPECT_EQ(BaraSiffror(GetParam().in), GetParam().ut);
}
INSTANTIATE_TEST_SUITE_P(Examples, BaraSiffrorTest,
                         ::testing::Values(Rensning{"12a3", "123"}, Rensning{"abc", ""},
                                           Rensning{"", ""}, Rensning{"0012", "0012"},
                                           Rensning{" 19-10 ", "1910"},
                                           Rensning{"1\xC3\xA5"
                                                    "2",
                                                    "12"}));

class NormaliseraBeloppTest : public ::testing::TestWithParam<Rensning> {};
TEST_P(NormaliseraBeloppTest, KeepsDigitsAndCommas) {
    EXPECT_EQ(NormaliseraBelopp(GetParam().in), GetParam().ut);
}
INSTANTIATE_TEST_SUITE_P(Examples, NormaliseraBeloppTest,
                         ::testing::Values(Rensning{"1 234.50", "1234,50"},
                                           Rensning{"12,50 kr", "12,50"}, Rensning{"-200", "200"},
                                           Rensning{"-75", "75"}, Rensning{"1.234,50", "1,234,50"},
                                           Rensning{"12.5.0", "12,50"}, Rensning{"", ""},
                                           Rensning{"+1e5", "15"}));

class Inmatning : public ::testing::Test {
protected:
    Testmapp mapp;
    std::string fil = mapp.Sokvag("bok.red");
    Bokforingsdata data;
    Postformular formular;

    void SetUp() override { SkapaNyRedovisning(data, "Bok 2012", fil); }

    void LaggIn(int32_t vernr, const char *datum) {
        TPost &post = data.Postplats(++data.Postantal);
        post.vernr = vernr;
        post.datum = datum;
    }

    // The boxes as the user leaves them, with the defaults filled in.
    Postrutor Rutor(const char *belopp, const char *debet, const char *kredit,
                    const char *text = "Kassa") {
        Postrutor rutor{"", "120315", belopp, debet, kredit, "", text};
        FyllStandardvarden(data, rutor);
        return rutor;
    }
};

TEST_F(Inmatning, NextNumberFollowsTheLastPostNotTheHighest) {
    EXPECT_EQ(NastaVernr(data), 1);
    EXPECT_EQ(ForegaendeDatum(data), "");
    LaggIn(7, "120101");
    LaggIn(12, "120102");
    LaggIn(9, "120103");
    EXPECT_EQ(NastaVernr(data), 10);
    EXPECT_EQ(ForegaendeDatum(data), "120103");
}

TEST_F(Inmatning, DefaultsFillOnlyTheEmptyBoxes) {
    LaggIn(17, "2012-01-");
    Postrutor tomma;
    FyllStandardvarden(data, tomma);
    EXPECT_EQ(tomma, (Postrutor{"18", "2012-01-", "0", "0", "0", "0", ""}));

    Postrutor ifyllda{"5", "120401", "12,5", "1930", "3010", "10", "Hyra"};
    Postrutor kopia = ifyllda;
    FyllStandardvarden(data, kopia);
    EXPECT_EQ(kopia, ifyllda);
}

// The last possible verification number used to wrap round to a negative one.
TEST_F(Inmatning, TheNumberAfterTheLargestFailsToConvertInsteadOfWrapping) {
    LaggIn(INT32_MAX, "120101");
    Postrutor rutor;
    FyllStandardvarden(data, rutor);
    EXPECT_EQ(rutor.vernr, "2147483648");
    const std::string fore = LasBytes(fil);
    try {
        SparaPost(data, formular, rutor);
        FAIL() << "saved";
    } catch (const Korningsfel &fel) {
        EXPECT_STREQ(fel.what(), "'2147483648' is not a valid integer value");
    }
    EXPECT_EQ(LasBytes(fil), fore);
}

TEST_F(Inmatning, AVerificationSplitOverThreePostsBalancesOnTheLast) {
    struct Steg {
        const char *belopp, *debet, *kredit;
        double saldo;
        const char *saldotext;
    };
    const Steg steg[] = {{"1250", "1930", "", 1250, "Debetsaldo med 1 250,00"},
                         {"1000", "", "3010", 250, "Debetsaldo med 250,00"},
                         {"250", "", "2610", 0, ""}};
    for (const Steg &s : steg) {
        // The verification number and date are kept in the boxes while open.
        Postrutor rutor{"1", "120315", s.belopp, s.debet, s.kredit, "", "Kassa"};
        if (data.Postantal == 0)
            rutor.vernr.clear();
        FyllStandardvarden(data, rutor);
        SparaPost(data, formular, rutor);
        EXPECT_DOUBLE_EQ(formular.Konteringssaldo, s.saldo);
        EXPECT_EQ(SaldotextEfterSparning(formular.Konteringssaldo), s.saldotext);
    }
    EXPECT_EQ(LasBytes(fil), "Bok 2012\r\n"
                             "1;120315;1250;1930;0;0;Kassa\r\n"
                             "1;120315;1000;0;3010;0;Kassa\r\n"
                             "1;120315;250;0;2610;0;Kassa\r\n");
    EXPECT_EQ(data.Postantal, 3);
    EXPECT_EQ(NastaVernr(data), 2);
}

// A text of 120 characters and a date typed 2012-01-15 were appended whole but
// held cut in the table ("2012-01-"), so the next rewrite lost the rest.
TEST_F(Inmatning, TheFileAndTheTableHoldTheSameDateAndTextWithinTheirLimits) {
    const std::string lang(120, 'x');
    Postrutor rutor{"3", "2012-01-15", "1250,50", "1930", "3010", "0", lang + ";mer"};
    const int32_t plats = SparaPost(data, formular, rutor);
    EXPECT_EQ(plats, 1);
    EXPECT_EQ(LasBytes(fil),
              "Bok 2012\r\n3;20120115;1250,50;1930;3010;0;" + std::string(100, 'x') + "\r\n");
    const TPost &post = data.Poster[1];
    EXPECT_EQ(post.datum, "20120115");
    EXPECT_EQ(post.text, std::string(100, 'x'));
    EXPECT_DOUBLE_EQ(post.belopp, 1250.5);
    // A post with both sides leaves the open balance alone.
    EXPECT_EQ(formular.Konteringssaldo, 0);

    Bokforingsdata igen;
    LasRedovisning(igen, fil);
    EXPECT_EQ(igen.Poster[1], post);
}

TEST_F(Inmatning, ADateIsSavedOnlyWhenTheRuleReadsItOrItIsThePreviousDate) {
    struct Fall {
        const char *datum;
        bool sparas;
    };
    // The previous post, from an older file, carries a date the rule cannot read.
    LaggIn(1, "15/3");
    for (const Fall &f :
         {Fall{"15/3", true}, Fall{"", false}, Fall{"16/3", false}, Fall{"20120230", false},
          Fall{"2012-13-01", false}, Fall{"16 mars", false}, Fall{"120316", true},
          Fall{"20120316", true}, Fall{"2012-03-16", true}}) {
        EXPECT_EQ(Datumfel(data, f.datum), f.sparas ? "" : kOlasbartDatum) << f.datum;
        const int32_t fore = data.Postantal;
        const std::string bytes = LasBytes(fil);
        try {
            SparaPost(data, formular, Postrutor{"2", f.datum, "10", "1930", "3010", "0", ""});
            EXPECT_TRUE(f.sparas) << f.datum;
        } catch (const Korningsfel &fel) {
            EXPECT_FALSE(f.sparas) << f.datum;
            EXPECT_EQ(fel.what(), kOlasbartDatum);
            EXPECT_EQ(data.Postantal, fore);
            EXPECT_EQ(LasBytes(fil), bytes);
        }
    }
    // In an empty ledger the empty date is the previous one.
    EXPECT_EQ(Datumfel(Bokforingsdata{}, ""), "");
}

// A debit box holding "00" was saved as account 0 but left out of the balance,
// which then disagreed with the balance computed when the ledger was reopened.
TEST_F(Inmatning, TheBalanceAfterASaveAgreesWithTheBalanceOnReopening) {
    SparaPost(data, formular, Rutor("150,50", "00", "3010"));
    SparaPost(data, formular, Rutor("40", "1930", "000"));
    EXPECT_DOUBLE_EQ(formular.Konteringssaldo, -110.5);
    EXPECT_EQ(SaldotextEfterSparning(formular.Konteringssaldo), "Kreditsaldo med 110,50");

    Bokforingsdata igen;
    LasRedovisning(igen, fil);
    Postformular igenformular;
    EXPECT_EQ(BeraknaKonteringssaldo(igen, igenformular), formular.Konteringssaldo);
    EXPECT_EQ(SaldotextVidOppning(igenformular.Konteringssaldo), "Kreditsaldo 110,5");
}

// After one approved post was saved the flags stayed set, so the next post
// passed "Nästa post" without its accounts being checked.
TEST_F(Inmatning, TheNextPostStartsUncheckedAfterASave) {
    formular.DebetKontrollerad = formular.KreditKontrollerad = formular.PostGodkand = true;
    SparaPost(data, formular, Rutor("100", "1930", "3010"));
    EXPECT_FALSE(formular.DebetKontrollerad);
    EXPECT_FALSE(formular.KreditKontrollerad);
    EXPECT_FALSE(formular.PostGodkand);
}

struct Felruta {
    Postrutor rutor;
    const char *meddelande;
};
void PrintTo(const Felruta &f, std::ostream *os) {
    *os << f.meddelande;
}

class SparaPostFel : public Inmatning, public ::testing::WithParamInterface<Felruta> {};

// A box that does not convert used to reach the file before the conversion
// failed, leaving a line the ledger could not be read back from.
TEST_P(SparaPostFel, ABoxThatDoesNotConvertWritesAndStoresNothing) {
    const std::string fore = LasBytes(fil);
    formular.Konteringssaldo = 12;
    try {
        SparaPost(data, formular, GetParam().rutor);
        FAIL() << "saved";
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(ForstaRaden(fel.what()), GetParam().meddelande);
    }
    EXPECT_EQ(LasBytes(fil), fore);
    EXPECT_EQ(data.Postantal, 0);
    EXPECT_EQ(formular.Konteringssaldo, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, SparaPostFel,
    ::testing::Values(
        Felruta{{"1", "120315", "1,234,50", "1930", "0", "0", ""},
                "'1,234,50' is not a valid floating point value"},
        Felruta{{"1", "120315", "", "1930", "0", "0", ""},
                "'' is not a valid floating point value"},
        Felruta{{"1", "120315", "10", "1930", "0", "A1", ""}, "'A1' is not a valid integer value"},
        Felruta{{"1", "120315", "10", "99999999999", "0", "0", ""},
                "'99999999999' is not a valid integer value"},
        Felruta{{"x", "120315", "10", "1930", "0", "0", ""}, "'x' is not a valid integer value"},
        // A ";" in the date shifted every later field of the line.
        Felruta{{"1", "12;03", "10", "1930", "0", "0", ""},
                "Datumet får inte innehålla semikolon (;)."},
        Felruta{{"1", "120315", "10", "1930", "0", "0", "två\nrader"},
                "Datum och text får inte innehålla radbrytningar."}));

TEST_F(Inmatning, AFailedAppendLeavesTableAndBalanceAsTheyWere) {
    data.Redovisningsfil = mapp.Sokvag("saknas/bok.red");
    try {
        formular.PostGodkand = true;
        SparaPost(data, formular, Rutor("100", "1930", ""));
        FAIL() << "saved";
    } catch (const Korningsfel &fel) {
        // The change log, written first, is what fails.
        EXPECT_EQ(ForstaRaden(fel.what()),
                  "Behandlingshistoriken kunde inte skrivas, så ingenting ändrades.");
        EXPECT_NE(std::string(fel.what()).find("Det finns ingen sådan mapp."), std::string::npos);
    }
    EXPECT_EQ(data.Postantal, 0);
    EXPECT_EQ(data.Poster[1], TPost{});
    EXPECT_EQ(formular.Konteringssaldo, 0);
    EXPECT_TRUE(formular.PostGodkand); // the user may try the same post again
}

TEST(Saldotext, AfterASaveGroupsTheAmountAndIgnoresLessThanAHundredth) {
    EXPECT_EQ(SaldotextEfterSparning(1250), "Debetsaldo med 1 250,00");
    EXPECT_EQ(SaldotextEfterSparning(-0.01), "Kreditsaldo med 0,01");
    EXPECT_EQ(SaldotextEfterSparning(0.005), "");
    EXPECT_EQ(SaldotextEfterSparning(0.1 + 0.2 - 0.3), "");
}

} // namespace

// A post appended in Windows-1252 to a ledger saved as UTF-8 mixed the two encodings.
TEST_F(Inmatning, TheFirstPostAfterReadingAUtf8LedgerRewritesItInWindows1252) {
    SkrivBytes(fil, "\xEF\xBB\xBF"
                    "Bok 2012\r\n1;0101;5;1930;3010;0;T\xC3\xA5g\r\n");
    OppnaRedovisning(data, fil);
    SparaPost(data, formular, Postrutor{"2", "120102", "7,50", "1930", "3010", "0", "B\xC3\xA5t"});
    EXPECT_EQ(LasBytes(fil),
              "Bok 2012\r\n1;0101;5;1930;3010;0;T\xE5g\r\n2;120102;7,50;1930;3010;0;B\xE5t\r\n");
    SparaPost(data, formular, Postrutor{"3", "120103", "1", "1930", "3010", "0", "x"});
    EXPECT_EQ(data.Postantal, 3);
    Bokforingsdata igen;
    LasRedovisning(igen, fil);
    EXPECT_EQ(igen.Poster, data.Poster);
}
