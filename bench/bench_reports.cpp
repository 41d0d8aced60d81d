// Building the income statement and the balance sheet from a year of 1 000,
// 100 000 and 1 000 000 posts over a chart of 200 accounts. Every balance comes
// from one pass over the ledger, so the time grows with the posts alone, not
// with posts times accounts.

#include "core/Bokforingsdata.h"
#include "reports/Balansberakning.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

// 200 accounts, 25 of each class 1 to 8, in class order; posts between them
// (and a few to numbers outside the chart).
const tovana::Bokforingsdata &Data(long antal) {
    static std::map<long, tovana::Bokforingsdata> data;
    auto &d = data[antal];
    if (d.Kontoantal == 0) {
        for (int32_t i = 0; i < 200; ++i) {
            auto &konto = d.Kontoplats(i + 1);
            konto.typ = static_cast<tovana::Kontotyp>(1 + i / 25);
            konto.nummer = 1000 * konto.typ + i;
            konto.namn = "Konto " + std::to_string(konto.nummer);
        }
        d.Kontoantal = 200;
        for (long i = 0; i < antal; ++i) {
            auto &post = d.Postplats(static_cast<int32_t>(i + 1));
            post.vernr = static_cast<int32_t>(i + 1);
            post.belopp = static_cast<double>((i * 7919) % 10000000) / 100.0;
            post.debet = d.Konton[static_cast<std::size_t>(1 + i % 200)].nummer;
            post.kredit =
                i % 97 == 0 ? 99999 : d.Konton[static_cast<std::size_t>(1 + (i * 7) % 200)].nummer;
        }
        d.Postantal = static_cast<int32_t>(antal);
    }
    return d;
}

void Resultatrakning(benchmark::State &state) {
    const auto &data = Data(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::ByggResultatrakning(data, tovana::Rapportform::Skarm));
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Balansrakning(benchmark::State &state) {
    const auto &data = Data(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::ByggBalansrakning(data, tovana::Rapportform::Utskrift));
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(Resultatrakning)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(Balansrakning)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
