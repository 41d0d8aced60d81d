// The menu-state rule: which items each event enables, given whether a chart
// and a ledger are loaded.

#include "core/Menylage.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tovana;

namespace {

struct Menyfall {
    Menyhandelse handelse;
    bool kontoplan;   // KontoplanInlast after the event
    bool redovisning; // RedovisningInlast after the event
    Menylage lage;
};

void PrintTo(const Menyfall &f, std::ostream *os) {
    *os << "händelse " << static_cast<int>(f.handelse) << " kontoplan " << f.kontoplan
        << " redovisning " << f.redovisning;
}

class MenylageTest : public ::testing::TestWithParam<Menyfall> {};

TEST_P(MenylageTest, EnablesWhatTheEventAndTheLoadedFilesAllow) {
    const Menyfall &f = GetParam();
    Bokforingsdata data;
    data.KontoplanInlast = f.kontoplan;
    data.RedovisningInlast = f.redovisning;
    const Menylage lage = BeraknaMenylage(f.handelse, data);
    EXPECT_EQ(lage.aterstall, f.lage.aterstall);
    EXPECT_EQ(lage.kontoplansgrupp, f.lage.kontoplansgrupp);
    EXPECT_EQ(lage.nyttkonto, f.lage.nyttkonto);
    EXPECT_EQ(lage.redovisningsgrupp, f.lage.redovisningsgrupp);
    EXPECT_EQ(lage.redovisa, f.lage.redovisa);
}

using H = Menyhandelse;
//                           återställ kplan  nytt   red    redovisa
constexpr Menylage kInget{false, false, false, false, false};
constexpr Menylage kStart{true, false, false, false, false};
constexpr Menylage kKplan{false, true, false, false, false};
constexpr Menylage kBada{false, true, false, true, false};
constexpr Menylage kNytt{false, false, true, false, false};
constexpr Menylage kRed{false, false, false, true, false};
constexpr Menylage kRedovisa{false, false, false, false, true};
constexpr Menylage kRedOchRedovisa{false, false, false, true, true};

INSTANTIATE_TEST_SUITE_P(
    Handelser, MenylageTest,
    ::testing::Values(Menyfall{H::Start, false, false, kStart},
                      Menyfall{H::KontoplanOppnad, true, false, kKplan},
                      Menyfall{H::KontoplanOppnad, true, true, kBada},
                      Menyfall{H::KontoplanSkapad, true, false, kNytt},
                      // A new chart beside a loaded ledger still waits for its accounts.
                      Menyfall{H::KontoplanSkapad, true, true, kNytt},
                      Menyfall{H::ForstaKontot, true, true, kKplan},
                      Menyfall{H::RedovisningOppnad, false, true, kInget},
                      Menyfall{H::RedovisningOppnad, true, true, kRed},
                      Menyfall{H::RedovisningSkapad, false, true, kRedovisa},
                      Menyfall{H::RedovisningSkapad, true, true, kRedOchRedovisa},
                      Menyfall{H::ForetagOppnat, true, true, kBada}));

} // namespace
