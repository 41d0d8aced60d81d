// The company's details: the organisation number's form and check digit, the
// financial year's length, and the VAT period's words.

#include "core/Foretagsuppgifter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace tovana;

TEST(Foretagsuppgifter, AnOrganisationNumberIsTenDigitsWithALuhnCheckDigit) {
    struct Fall {
        const char *text;
        std::optional<std::string> orgnr; // as stored, or refused
        bool formfel;                     // refused for its form (else for its check digit)
    };
    const Fall fall[] = {
        {"555555-5555", "555555-5555", false},
        {"5555555555", "555555-5555", false},
        {" 123456-7897 ", "123456-7897", false},
        {"1234567897", "123456-7897", false},
        {"555555-5556", std::nullopt, false}, // the last digit wrong
        {"1234567879", std::nullopt, false},  // two digits swapped
        {"5555555554", std::nullopt, false},
        {"55555-55555", std::nullopt, true}, // the hyphen elsewhere
        {"555555 5555", std::nullopt, true},
        {"555555--5555", std::nullopt, true},
        {"555555555", std::nullopt, true}, // nine digits
        {"16555555555", std::nullopt, true},
        {"55555a5555", std::nullopt, true},
        {"", std::nullopt, true},
    };
    for (const auto &f : fall) {
        EXPECT_EQ(LasOrgnr(f.text), f.orgnr) << f.text;
        const std::string fel = OrgnrFel(f.text);
        EXPECT_EQ(fel.empty(), f.orgnr.has_value()) << f.text;
        if (!f.orgnr) {
            EXPECT_EQ(fel.find("kontrollsiffra") != std::string::npos, !f.formfel)
                << f.text << ": " << fel;
        }
    }
}

TEST(Foretagsuppgifter, AFinancialYearEndsAfterItBeginsAndLastsAtMost18Months) {
    struct Fall {
        Datum fran;
        Datum till;
        const char *fel; // a word of the message, or "" when the year may stand
    };
    const Fall fall[] = {
        {{2026, 1, 1}, {2026, 12, 31}, ""},
        {{2025, 7, 1}, {2026, 12, 31}, ""}, // 18 whole months
        {{2025, 7, 1}, {2027, 1, 1}, "18"}, // a day more
        {{2025, 7, 15}, {2027, 1, 14}, ""}, // 18 months from mid-month
        {{2025, 7, 15}, {2027, 1, 15}, "18"},
        {{2026, 5, 1}, {2026, 6, 30}, ""}, // a short first year
        {{2026, 1, 1}, {2026, 1, 1}, "efter"},
        {{2026, 12, 31}, {2026, 1, 1}, "efter"},
        {{2024, 8, 31}, {2026, 2, 27}, ""}, // from a month's last day to a short month
        {{2024, 8, 31}, {2026, 2, 28}, "18"},
    };
    for (const auto &f : fall) {
        const std::string fel = RakenskapsarFel({f.fran, f.till});
        const std::string vad = Datumtext(f.fran) + "-" + Datumtext(f.till);
        if (*f.fel == '\0') {
            EXPECT_EQ(fel, "") << vad;
        } else {
            EXPECT_NE(fel.find(f.fel), std::string::npos) << vad << ": " << fel;
        }
    }
}

TEST(Foretagsuppgifter, TheVatPeriodIsWrittenPlainAndReadInAnyCaseWithOrWithoutRings) {
    for (const auto period : {Momsperiod::Manad, Momsperiod::Kvartal, Momsperiod::Ar})
        EXPECT_EQ(LasMomsperiod(Momsperiodord(period)), period);
    EXPECT_EQ(Momsperiodord(Momsperiod::Okand), "");
    EXPECT_EQ(LasMomsperiod(" Månad "), Momsperiod::Manad);
    EXPECT_EQ(LasMomsperiod("KVARTAL"), Momsperiod::Kvartal);
    EXPECT_EQ(LasMomsperiod("år"), Momsperiod::Ar);
    EXPECT_EQ(LasMomsperiod("År"), Momsperiod::Ar);
    EXPECT_EQ(LasMomsperiod("vecka"), std::nullopt);
    EXPECT_EQ(LasMomsperiod(""), std::nullopt);
}
