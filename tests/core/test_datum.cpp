// The date rule: which texts are dates, the calendar check, the placing of
// two-digit years, the canonical text and the form a date is stored in.

#include "core/Datum.h"

#include <gtest/gtest.h>

#include <random>

using namespace tovana;

TEST(LasDatum, ReadsTheThreeFormsAndChecksTheCalendar) {
    struct Fall {
        const char *text;
        std::optional<Datum> datum;
    };
    const Fall fall[] = {
        {"260315", Datum{2026, 3, 15}},
        {"20260315", Datum{2026, 3, 15}},
        {"2026-03-15", Datum{2026, 3, 15}},
        {"  260315 ", Datum{2026, 3, 15}}, // blanks around are ignored
        {"991231", Datum{2099, 12, 31}},
        {"000229", Datum{2000, 2, 29}}, // 2000 is a leap year
        {"20240229", Datum{2024, 2, 29}},
        {"2026-04-30", Datum{2026, 4, 30}},
        {"00010101", Datum{1, 1, 1}},
        {"99991231", Datum{9999, 12, 31}},
        {"20260230", std::nullopt},
        {"20250229", std::nullopt},
        {"21000229", std::nullopt}, // a whole century that 400 does not divide
        {"2026-13-01", std::nullopt},
        {"2026-04-31", std::nullopt},
        {"260100", std::nullopt},
        {"261301", std::nullopt},
        {"00000101", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"15 dec", std::nullopt},
        {"abcdef", std::nullopt},
        {"15/3", std::nullopt},
        {"0315", std::nullopt},
        {"2603150", std::nullopt},
        {"2026-3-15", std::nullopt},
        {"2026/03/15", std::nullopt},
        {"26-03-15", std::nullopt},
        {"2026-03-1x", std::nullopt},
        {"+20315", std::nullopt},
        {"2026 0315", std::nullopt},
    };
    for (const Fall &f : fall)
        EXPECT_EQ(LasDatum(f.text), f.datum) << '"' << f.text << '"';
}

TEST(LasDatum, ATwoDigitYearFallsInTheHundredYearsFromTheFirstYear) {
    EXPECT_EQ(LasDatum("120315", 1946), (Datum{2012, 3, 15}));
    EXPECT_EQ(LasDatum("500101", 1946), (Datum{1950, 1, 1}));
    EXPECT_EQ(LasDatum("451231", 1946), (Datum{2045, 12, 31}));
    EXPECT_EQ(LasDatum("991231", 1900), (Datum{1999, 12, 31}));
    // 29 February of 00 exists in 2000 but not in 1900.
    EXPECT_EQ(LasDatum("000229", 1900), std::nullopt);
    // The first year does not move a date with its whole year.
    EXPECT_EQ(LasDatum("19991231", 2000), (Datum{1999, 12, 31}));
}

TEST(Datum, OrdersByYearMonthAndDay) {
    EXPECT_LT((Datum{2025, 12, 31}), (Datum{2026, 1, 1}));
    EXPECT_LT((Datum{2026, 2, 28}), (Datum{2026, 3, 1}));
    EXPECT_LT((Datum{2026, 3, 1}), (Datum{2026, 3, 2}));
    EXPECT_EQ(DagarIManad(2026, 2), 28);
    EXPECT_EQ(DagarIManad(2028, 2), 29);
    EXPECT_EQ(DagarIManad(2026, 13), 0);
}

// Every day from year 1 on, picked at random: its text reads back as the same
// day in both written forms, and the order of the texts and numbers is the order
// of the days.
TEST(Datum, TheCanonicalTextReadsBackAndKeepsTheOrder) {
    std::mt19937 slump(20260315);
    std::optional<Datum> forra;
    for (int i = 0; i < 20000; ++i) {
        const int ar = std::uniform_int_distribution(1, 9999)(slump);
        const int manad = std::uniform_int_distribution(1, 12)(slump);
        const int dag = std::uniform_int_distribution(1, DagarIManad(ar, manad))(slump);
        const Datum datum{ar, manad, dag};
        const std::string text = Datumtext(datum);
        ASSERT_EQ(text.size(), 8u);
        EXPECT_EQ(LasDatum(text), datum) << text;
        const std::string streckat =
            text.substr(0, 4) + "-" + text.substr(4, 2) + "-" + text.substr(6, 2);
        EXPECT_EQ(LasDatum(streckat), datum) << streckat;
        EXPECT_EQ(Lagringsdatum(streckat), text);
        if (forra) {
            EXPECT_EQ(*forra < datum, Datumtext(*forra) < text);
            EXPECT_EQ(*forra < datum, Datumtal(*forra) < Datumtal(datum));
        }
        forra = datum;
    }
}

TEST(Lagringsdatum, OnlyTheDashedFormChanges) {
    const std::pair<const char *, const char *> fall[] = {
        {"2026-03-15", "20260315"},
        {" 2026-03-15 ", "20260315"},
        {"260315", "260315"},
        {"20260315", "20260315"},
        {" 260315", "260315"},
        {"15/3", "15/3"},
        {"2026-13-01", "2026-13-01"},
        {"", ""},
        {" x ", " x "},
    };
    for (const auto &[in, ut] : fall)
        EXPECT_EQ(Lagringsdatum(in), ut) << '"' << in << '"';
}
