// The VAT return and the statements for a period from the made-up year of
// 1 000, 100 000 and 1 000 000 posts (Exempelbok.h): each reads every post's
// date by the date rule and sums the posts of the period in one pass. The
// year's accounts 2310 and 2320 are given boxes 10 and 48 by a chart's own
// choices, so that every kind of box has posts.

#include "Exempelbok.h"
#include "core/Momskodfil.h"
#include "reports/Momsrapport.h"
#include "reports/Periodrapport.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

const tovana::Bokforingsdata &Data(long antal) {
    static std::map<long, tovana::Bokforingsdata> data;
    auto &d = data[antal];
    if (d.Kontoantal == 0) {
        for (const tovana::TKonto &konto : tovana::bench::Exempelkonton())
            d.Kontoplats(++d.Kontoantal) = konto;
        for (tovana::TPost &post : tovana::bench::Exempelposter(antal))
            d.Postplats(++d.Postantal) = std::move(post);
    }
    return d;
}

const tovana::Period kForstaKvartalet{{2026, 1, 1}, {2026, 3, 31}};

void Momsrapport(benchmark::State &state) {
    const auto &data = Data(state.range(0));
    const tovana::Momskoder koder{{2310, 10}, {2320, 48}};
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::BeraknaMomsrapport(data, kForstaKvartalet, koder));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void PeriodensResultatrakning(benchmark::State &state) {
    const auto &data = Data(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::ByggPeriodensResultatrakning(data, kForstaKvartalet,
                                                                      tovana::Rapportform::Skarm));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void PeriodensBalansrakning(benchmark::State &state) {
    const auto &data = Data(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tovana::ByggPeriodensBalansrakning(data, kForstaKvartalet, tovana::Rapportform::Skarm));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(Momsrapport)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PeriodensResultatrakning)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PeriodensBalansrakning)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
