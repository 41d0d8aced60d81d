// What the period and VAT panels read from their boxes: the period, the
// settlement's accounts, and the company's year and VAT period.

#include "core/Fel.h"
#include "reports/Rapportval.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tovana;

namespace {

std::string Fel(const std::function<void()> &kommando) {
    try {
        kommando();
    } catch (const Korningsfel &fel) {
        return fel.what();
    }
    return "";
}

} // namespace

TEST(Rapportval, TheBoxesOfAPeriodAndTheSettlementAccounts) {
    EXPECT_EQ(LasRapportperiod("260101", "2026-03-31"), (Period{{2026, 1, 1}, {2026, 3, 31}}));
    EXPECT_EQ(LasRapportperiod("20260315", "20260315"), (Period{{2026, 3, 15}, {2026, 3, 15}}));
    const struct {
        const char *fran, *till, *fel;
    } fall[] = {
        {"", "20260331", "Periodens första dag kan inte läsas"},
        {"20260229", "20260331", "Periodens första dag kan inte läsas"},
        {"20260101", "31/3", "Periodens sista dag kan inte läsas"},
        {"20260401", "20260331", "Periodens första dag kommer efter dess sista dag."},
    };
    for (const auto &f : fall)
        EXPECT_EQ(Fel([&] { LasRapportperiod(f.fran, f.till); }).rfind(f.fel, 0), 0u) << f.fran;

    EXPECT_EQ(LasMomsavrakningskonto(" 2650", "avräkningskontot"), 2650);
    EXPECT_EQ(Fel([&] { LasMomsavrakningskonto("", "öreskontot"); }),
              "Skriv öreskontot som ett kontonummer.");

    EXPECT_EQ(Rakenskapsperiod({}), std::nullopt);
    EXPECT_EQ(Rakenskapsperiod({"AB", "", Arsperiod{{2025, 7, 1}, {2026, 6, 30}}}),
              (Period{{2025, 7, 1}, {2026, 6, 30}}));
    EXPECT_EQ(Momsperiodtypen(Momsperiod::Okand), std::nullopt);
    EXPECT_EQ(Momsperiodtypen(Momsperiod::Manad), Momsperiodtyp::Manad);
    EXPECT_EQ(Momsperiodtypen(Momsperiod::Kvartal), Momsperiodtyp::Kvartal);
    EXPECT_EQ(Momsperiodtypen(Momsperiod::Ar), Momsperiodtyp::Ar);
}
