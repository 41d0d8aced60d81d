// Reading and rewriting ledgers of 1 000, 100 000 and 1 000 000 posts. Reading
// is one pass over the file, so its time grows linearly with the posts.

#include "core/Bokforingsdata.h"
#include "core/Redovisningsfil.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace {

// The generated ledgers, one per size, removed when the program ends.
struct Benchfiler {
    std::map<long, std::string> filer;
    ~Benchfiler() {
        for (const auto &[antal, fil] : filer)
            std::remove(fil.c_str());
    }
};

std::string Fil(long antal) {
    static Benchfiler benchfiler;
    auto &fil = benchfiler.filer[antal];
    if (fil.empty()) {
        fil =
            (std::filesystem::temp_directory_path() /
             ("tovana_bench_" + std::to_string(::getpid()) + "_" + std::to_string(antal) + ".red"))
                .string();
        std::vector<tovana::TPost> poster;
        poster.reserve(static_cast<std::size_t>(antal));
        for (long i = 0; i < antal; ++i) {
            tovana::TPost p;
            p.vernr = static_cast<int32_t>(i + 1);
            p.datum = "120315";
            p.belopp = static_cast<double>((i * 7919) % 10000000) / 100.0;
            p.debet = 1000 + static_cast<int32_t>(i % 200) * 10;
            p.kredit = 3000 + static_cast<int32_t>((i * 7) % 200) * 10;
            p.kod = i % 5 == 0 ? 10 : 0;
            p.text = "Försäljning nr " + std::to_string(i + 1);
            poster.push_back(std::move(p));
        }
        tovana::SkrivRedovisningsfil(fil, "Bokföring", poster);
    }
    return fil;
}

void LasaRedovisning(benchmark::State &state) {
    const std::string fil = Fil(state.range(0));
    for (auto _ : state) {
        tovana::Bokforingsdata data;
        tovana::LasRedovisning(data, fil);
        benchmark::DoNotOptimize(data.Postantal);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void SkrivaRedovisning(benchmark::State &state) {
    const std::string fil = Fil(state.range(0));
    tovana::Bokforingsdata data;
    tovana::LasRedovisning(data, fil);
    const std::string ut = fil + ".ut";
    for (auto _ : state)
        tovana::SkrivRedovisning(data, ut);
    std::remove(ut.c_str());
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(LasaRedovisning)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(SkrivaRedovisning)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
