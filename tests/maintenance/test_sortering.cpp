// Re-sorting the ledger: date keys, preview lines, the three orders and saving.

#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "maintenance/Sortering.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace tovana;
using namespace tovana::test;

namespace {

Bokforingsdata Ledger(const std::vector<TPost> &poster) {
    Bokforingsdata data;
    data.Redovisningsnamn = "Bok 2012";
    for (const auto &post : poster)
        data.Postplats(++data.Postantal) = post;
    return data;
}

TPost Post(int32_t vernr, const std::string &datum, double belopp = 100, std::string text = "") {
    return TPost{vernr, datum, 1930, 3010, 0, belopp, std::move(text)};
}

std::vector<int32_t> Vernummer(const Bokforingsdata &data) {
    std::vector<int32_t> v;
    for (int32_t i = 1; i <= data.Postantal; ++i)
        v.push_back(data.Arbetsposter[static_cast<std::size_t>(i)].vernr);
    return v;
}

std::vector<std::string> Texter(const Bokforingsdata &data) {
    std::vector<std::string> v;
    for (int32_t i = 1; i <= data.Postantal; ++i)
        v.push_back(data.Arbetsposter[static_cast<std::size_t>(i)].text);
    return v;
}

} // namespace

TEST(Datumnyckel, GivesMonthAndDayOrTheWholeNumber) {
    const std::vector<std::pair<std::string, int32_t>> fall = {
        {"15/3", 315},      {"5/12", 1205}, {"1/1", 101}, {"15/12", 1215},
        {"120315", 120315}, {"0310", 310},  {"2/3", 302}, {"20120315", 20120315},
    };
    for (const auto &[datum, nyckel] : fall)
        EXPECT_EQ(Datumnyckel(datum), nyckel) << datum;
}

TEST(Datumnyckel, ADateThatIsNoNumberIsRefusedQuotingTheDate) {
    for (const std::string datum : {"2012-03-15", "", "15 mars", "1/2/3", "12 03"}) {
        try {
            Datumnyckel(datum);
            ADD_FAILURE() << datum;
        } catch (const Korningsfel &fel) {
            EXPECT_EQ(std::string(fel.what()), "'" + datum + "' is not a valid integer value");
        }
    }
}

TEST(Sorteringsrad, PadsEveryColumnToItsWidth) {
    EXPECT_EQ(kSorteringsrubrik, "Vernr Datum   Belopp Debet Kredit   Kod");
    const std::string rad = Sorteringsrad(TPost{7, "120315", 1930, 3010, 0, 1500, "Sälj"});
    EXPECT_EQ(rad, "  7 120315      1500  1930  3010     0");
    EXPECT_EQ(rad.size(), 38u);
    // Dates of three to six characters end in the same column; others stand unpadded.
    EXPECT_EQ(Sorteringsrad(TPost{12, "2/3", 0, 2610, 5, 12.5, ""}),
              " 12    2/3      12,5     0  2610     5");
    EXPECT_EQ(Sorteringsrad(TPost{123, "0310", 1, 2, 3, 0.25, ""}),
              "123   0310      0,25     1     2     3");
    EXPECT_EQ(Sorteringsrad(TPost{1234, "20120315", 193000, 301000, 0, 1234567890, ""}),
              "1234201203151234567890193000301000     0");
    EXPECT_EQ(Sorteringsrad(TPost{1, "", 1930, 3010, 0, -5, ""}),
              "  1        -5  1930  3010     0");
    // The date's length counts characters, not bytes.
    EXPECT_EQ(Sorteringsrad(TPost{1, "1ä", 1930, 3010, 0, 5, ""}),
              "  11ä         5  1930  3010     0");
}

TEST(SorteraPoster, ByVerificationNumberKeepsEqualNumbersInLedgerOrder) {
    auto data = Ledger(
        {Post(3, "1", 1, "a"), Post(1, "2", 2, "b"), Post(2, "3", 3, "c"), Post(1, "4", 4, "d")});
    SorteraPoster(data, Sorteringsordning::Vernr);
    EXPECT_EQ(Texter(data), (std::vector<std::string>{"b", "d", "c", "a"}));
    // Each post is copied with all its fields.
    EXPECT_EQ(data.Arbetsposter[1], data.Poster[2]);
    // The ledger itself is not touched.
    EXPECT_EQ(data.Poster[1].text, "a");
}

TEST(SorteraPoster, ByDateOrdersShortFormsBeforeYearDatesAndKeepsEqualDates) {
    auto data = Ledger({Post(1, "15/3"), Post(2, "120301"), Post(3, "2/3"), Post(4, "0310"),
                        Post(5, "15/3"), Post(6, "03/02")}); // 03/02 is 3 February: key 203
    SorteraPoster(data, Sorteringsordning::Datum);
    EXPECT_EQ(Vernummer(data), (std::vector<int32_t>{6, 3, 4, 1, 5, 2}));
}

// A date stored ÅÅÅÅMMDD sorted after every ÅÅMMDD date, whatever its year.
TEST(SorteraPoster, DatesOfEveryFormWithAYearOrderByTheDay) {
    auto data = Ledger({Post(1, "20260316"), Post(2, "260315"), Post(3, "2026-03-14"),
                        Post(4, "251231"), Post(5, "15/3"), Post(6, "260316")});
    SorteraPoster(data, Sorteringsordning::Datum);
    EXPECT_EQ(Vernummer(data), (std::vector<int32_t>{5, 4, 3, 2, 1, 6}));
    EXPECT_EQ(Sorteringsnyckel("2026-03-15"), 20260315);
    EXPECT_EQ(Sorteringsnyckel("0315"), 315);
    EXPECT_EQ(Sorteringsnyckel("15 dec"), std::nullopt);
}

TEST(SorteraPoster, LargeAndSparseKeysAreOrdinary) {
    auto data = Ledger({Post(2000000000, "20121231"), Post(5, "19991231"), Post(-3, "101")});
    SorteraPoster(data, Sorteringsordning::Vernr);
    EXPECT_EQ(Vernummer(data), (std::vector<int32_t>{-3, 5, 2000000000}));
    SorteraPoster(data, Sorteringsordning::Datum);
    EXPECT_EQ(Vernummer(data), (std::vector<int32_t>{-3, 5, 2000000000}));
}

// A date without a key was reported as "'15 dec' is not a valid integer value",
// which named neither the post nor what to do.
TEST(SorteraPoster, ADateWithoutKeyNamesThePostAndPlacesNothing) {
    auto data = Ledger({Post(2, "15/3"), Post(1, "15 dec"), Post(3, "")});
    SorteraPoster(data, Sorteringsordning::Vernr);
    const auto fore = data.Arbetsposter;
    try {
        SorteraPoster(data, Sorteringsordning::Datum);
        ADD_FAILURE();
    } catch (const Korningsfel &fel) {
        EXPECT_EQ(std::string(fel.what()),
                  "Post 2 (verifikation 1) har datumet \"15 dec\", som inte kan sorteras. Ändra "
                  "datumet till ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD och sortera sedan igen.");
    }
    EXPECT_EQ(data.Arbetsposter, fore);
    SorteraPoster(data, Sorteringsordning::Inmatning);
    EXPECT_EQ(Vernummer(data), (std::vector<int32_t>{2, 1, 3}));
}

TEST(SorteraPoster, AnEmptyLedgerPlacesNothing) {
    auto data = Ledger({});
    for (auto ordning :
         {Sorteringsordning::Inmatning, Sorteringsordning::Vernr, Sorteringsordning::Datum})
        EXPECT_NO_THROW(SorteraPoster(data, ordning));
}

TEST(SparaSortering, RewritesTheLedgerInTheOrderShown) {
    Testmapp mapp;
    auto data = Ledger({Post(3, "0310", 1, "c"), Post(1, "15/3", 2.5, "a;b"), Post(2, "2/3", 3)});
    data.Redovisningsfil = mapp.Sokvag("bok.red");
    SorteraPoster(data, Sorteringsordning::Vernr);
    SparaSortering(data);
    EXPECT_EQ(LasBytes(data.Redovisningsfil),
              "Bok 2012\r\n1;15/3;2,5;1930;3010;0;a;b\r\n2;2/3;3;1930;3010;0;\r\n"
              "3;0310;1;1930;3010;0;c\r\n");
    EXPECT_EQ(data.Poster[1].text, "a;b");
    EXPECT_EQ(data.Postantal, 3);
}

TEST(SparaSortering, TheEntryOrderSavesTheSamePostsAndAnEmptyLedgerOnlyItsName) {
    Testmapp mapp;
    auto data = Ledger({Post(3, "0310", 1, "c"), Post(1, "15/3", 2, "a")});
    data.Redovisningsfil = mapp.Sokvag("bok.red");
    const auto fore = data.Poster;
    SorteraPoster(data, Sorteringsordning::Inmatning);
    SparaSortering(data);
    EXPECT_EQ(data.Poster, fore);
    EXPECT_EQ(LasBytes(data.Redovisningsfil),
              "Bok 2012\r\n3;0310;1;1930;3010;0;c\r\n1;15/3;2;1930;3010;0;a\r\n");

    auto tom = Ledger({});
    tom.Redovisningsfil = mapp.Sokvag("tom.red");
    SorteraPoster(tom, Sorteringsordning::Datum);
    SparaSortering(tom);
    EXPECT_EQ(LasBytes(tom.Redovisningsfil), "Bok 2012\r\n");
}

// A rewrite that failed left the ledger in memory in the new order while the
// file kept the old one.
TEST(SparaSortering, AFailedRewriteLeavesTheLedgerAndItsFileAsTheyWere) {
    Testmapp mapp;
    auto data = Ledger({Post(2, "2/3", 1, "b"), Post(1, "1/3", 2, "a")});
    data.Redovisningsfil = mapp.Sokvag("bok.red");
    SkrivRedovisning(data, data.Redovisningsfil);
    const std::string fil = LasBytes(data.Redovisningsfil);
    const auto fore = data.Poster;
    SorteraPoster(data, Sorteringsordning::Vernr);

    // The file's place is taken by a folder: the rewrite cannot replace it.
    const auto ledger = data.Redovisningsfil;
    data.Redovisningsfil = mapp.Sokvag("mapp.red");
    std::filesystem::create_directory(data.Redovisningsfil);
    EXPECT_THROW(SparaSortering(data), Korningsfel);
    EXPECT_EQ(data.Poster, fore);

    // A text the file cannot hold: refused before anything is written.
    data.Redovisningsfil = ledger;
    data.Arbetsposter[2].text = "Ω";
    EXPECT_THROW(SparaSortering(data), Korningsfel);
    EXPECT_EQ(data.Poster, fore);
    EXPECT_EQ(LasBytes(ledger), fil);
}
