// What a user waits for on a ledger of 1 000, 100 000 and 1 000 000 posts:
// opening it, both statements, the journal's first and next page, an account
// statement, saving a post, jumping to a post, and a rewrite. Each size's year
// (Exempelbok.h) is written once into a temporary folder.
//
// Run as `tovana_bench --open LEDGER [--chart CHART]` it instead opens the
// chart and the ledger as the window does, builds both statements and prints a
// one-line summary, so a whole process can be timed from outside. Run as
// `tovana_bench --rewrite LEDGER CHART` it opens the ledger, changes the amount of
// its middle post as the change panel does, which rewrites the whole file
// (keeping the backups), and prints the post changed.

#include "Exempelbok.h"

#include "core/Behandlingslogg.h"
#include "core/Bokforingsdata.h"
#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "maintenance/Postandring.h"
#include "reports/Balansberakning.h"
#include "reports/Dagbok.h"
#include "reports/Kontoutdrag.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One size's files and the ledger read from them, removed when the program ends.
struct Exempelar {
    fs::path mapp;
    std::string kontoplan, redovisning;
    tovana::Bokforingsdata data;

    ~Exempelar() {
        std::error_code fel;
        fs::remove_all(mapp, fel);
    }
};

void LasIn(tovana::Bokforingsdata &data, const std::string &kontoplan,
           const std::string &redovisning) {
    tovana::LasKontoplan(data, kontoplan);
    tovana::LasRedovisning(data, redovisning);
    data.Redovisningsfil = redovisning;
    tovana::Postformular formular;
    tovana::BeraknaKonteringssaldo(data, formular);
}

Exempelar &Exempel(long antal) {
    static std::map<long, std::unique_ptr<Exempelar>> exempel;
    auto &e = exempel[antal];
    if (!e) {
        e = std::make_unique<Exempelar>();
        e->mapp = fs::temp_directory_path() /
                  ("tovana_bench_" + std::to_string(::getpid()) + "_" + std::to_string(antal));
        fs::create_directories(e->mapp);
        e->kontoplan = (e->mapp / "bench.kpl").string();
        e->redovisning = (e->mapp / "bench.red").string();
        tovana::bench::SkrivExempelbok(antal, e->kontoplan, e->redovisning);
        LasIn(e->data, e->kontoplan, e->redovisning);
    }
    return *e;
}

void Storlek(benchmark::State &state) {
    state.SetComplexityN(state.range(0));
}

// Opening: the chart, the ledger, the open balance and the six last posts.
void Oppna(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state) {
        tovana::Bokforingsdata data;
        LasIn(data, e.kontoplan, e.redovisning);
        benchmark::DoNotOptimize(tovana::SenastePoster(data));
    }
    Storlek(state);
}

void Statements(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tovana::ByggResultatrakning(e.data, tovana::Rapportform::Skarm));
        benchmark::DoNotOptimize(tovana::ByggBalansrakning(e.data, tovana::Rapportform::Skarm));
    }
    Storlek(state);
}

void DagbokForstaSida(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::ByggDagbokssida(e.data, 0, tovana::kSidrader));
    Storlek(state);
}

void DagbokNastaSida(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tovana::ByggDagbokssida(e.data, tovana::kSidrader, tovana::kSidrader));
    Storlek(state);
}

// The whole journal formatted at once, as the screen did before it formatted
// only its page: kept to show what that saves.
void DagbokHel(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::ByggDagbok(e.data));
    Storlek(state);
}

// The statement of the busiest account and its first page, as the screen shows it.
void Kontoutdrag(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state) {
        const auto utdrag = tovana::ByggKontoutdragslinjer(e.data, 2330);
        for (std::size_t i = 0; i < utdrag.linjer.size() && i < tovana::kSidrader; ++i)
            benchmark::DoNotOptimize(tovana::Kontoutdragsrad(utdrag.linjer[i]));
    }
    Storlek(state);
}

// Every line of the statement formatted, as the screen did before.
void KontoutdragHelt(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::ByggKontoutdrag(e.data, 2330));
    Storlek(state);
}

// Saving one post as the entry panel does: its change-log record written and
// synced, the post appended to the file and the table, then the six last rows.
// The log is begun (with the whole ledger's checksum) before the timing.
void SparaEnPost(benchmark::State &state) {
    Exempelar &e = Exempel(state.range(0));
    tovana::Bokforingsdata data;
    const std::string kopia = e.redovisning + ".spara";
    fs::copy_file(e.redovisning, kopia, fs::copy_options::overwrite_existing);
    fs::remove(tovana::Loggfil(kopia));
    LasIn(data, e.kontoplan, kopia);
    tovana::Postformular formular;
    const auto spara = [&] {
        tovana::Postrutor rutor{"", "", "125,50", "1010", "3010", "0", "Försäljning kontant"};
        tovana::FyllStandardvarden(data, rutor);
        return tovana::SparaPost(data, formular, rutor);
    };
    spara();
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::Postblock(data, spara()));
    fs::remove(kopia);
    fs::remove(tovana::Loggfil(kopia));
    Storlek(state);
}

// The save's two writes on their own, to tell what the log adds: the post line
// appended to the ledger and the table, without (0) and with (1) its "Ny post"
// record written and synced first.
void SparaPostrad(benchmark::State &state) {
    Exempelar &e = Exempel(state.range(0));
    const bool medLogg = state.range(1) != 0;
    tovana::Bokforingsdata data;
    const std::string kopia = e.redovisning + ".rad";
    fs::copy_file(e.redovisning, kopia, fs::copy_options::overwrite_existing);
    fs::remove(tovana::Loggfil(kopia));
    LasIn(data, e.kontoplan, kopia);
    tovana::TPost post{1, "261231", 1010, 3010, 0, 125.5, "Försäljning kontant"};
    const std::string rad = tovana::Postrad(post);
    const auto spara = [&](bool logga) {
        if (logga)
            tovana::LoggaAndring(data, tovana::NyLoggpost(tovana::loggtyp::kNyPost, {}, {rad}));
        tovana::SparaNyaPostrader(data, {rad});
        data.Postplats(++data.Postantal) = post;
    };
    spara(true); // the log begins before the timing
    for (auto _ : state)
        spara(medLogg);
    fs::remove(kopia);
    fs::remove(tovana::Loggfil(kopia));
    Storlek(state);
}

// Beginning the log at a ledger's first change: the checksum of every post.
void LoggenBorjar(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::Redovisningssumma(e.data));
    Storlek(state);
}

// Typing a verification number in the jump box: the block ending at its last post.
void Hoppa(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    const std::string vernr = std::to_string(e.data.Poster[e.data.Postantal / 2].vernr);
    for (auto _ : state)
        benchmark::DoNotOptimize(tovana::Postblock(e.data, *tovana::HoppTillVernr(e.data, vernr)));
    Storlek(state);
}

// A rewrite of the whole ledger, as a change, a deletion or a sort saves it.
void Skriv(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    const std::string ut = e.redovisning + ".ut";
    for (auto _ : state)
        tovana::SkrivRedovisning(e.data, ut);
    Storlek(state);
}

// The yardstick of a rewrite: the file read with plain read calls and written
// to a new file with plain write calls, synced and renamed into place.
void KopieraRent(benchmark::State &state) {
    const Exempelar &e = Exempel(state.range(0));
    const std::string ut = e.redovisning + ".kopia";
    const std::string tillfallig = ut + ".tmp";
    std::vector<char> buf(1 << 16);
    for (auto _ : state) {
        // Fresh memory each time, as a program reading the file has.
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(fs::file_size(e.redovisning)));
        const int in = ::open(e.redovisning.c_str(), O_RDONLY);
        for (ssize_t n; (n = ::read(in, buf.data(), buf.size())) > 0;)
            bytes.append(buf.data(), static_cast<std::size_t>(n));
        ::close(in);
        const int fd = ::open(tillfallig.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (std::size_t skrivet = 0; skrivet < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + skrivet, bytes.size() - skrivet);
            if (n <= 0) {
                state.SkipWithError("write");
                break;
            }
            skrivet += static_cast<std::size_t>(n);
        }
        ::fsync(fd);
        ::close(fd);
        std::rename(tillfallig.c_str(), ut.c_str());
    }
    Storlek(state);
}

#define TOVANA_STORLEKAR(fall)                                                                     \
    BENCHMARK(fall)                                                                                \
        ->Arg(1000)                                                                                \
        ->Arg(100000)                                                                              \
        ->Arg(1000000)                                                                             \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Complexity(benchmark::oN)

TOVANA_STORLEKAR(Oppna);
TOVANA_STORLEKAR(Statements);
TOVANA_STORLEKAR(DagbokForstaSida);
TOVANA_STORLEKAR(DagbokNastaSida);
TOVANA_STORLEKAR(DagbokHel);
TOVANA_STORLEKAR(Kontoutdrag);
TOVANA_STORLEKAR(KontoutdragHelt);
TOVANA_STORLEKAR(SparaEnPost);
BENCHMARK(SparaPostrad)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond);
TOVANA_STORLEKAR(LoggenBorjar);
TOVANA_STORLEKAR(Hoppa);
TOVANA_STORLEKAR(Skriv);
TOVANA_STORLEKAR(KopieraRent);

// --open LEDGER [--chart CHART]: open, build both statements, print a summary.
int OppnaOchRakna(int argc, char **argv) {
    std::string redovisning, kontoplan;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--open") == 0)
            redovisning = argv[i + 1];
        else if (std::strcmp(argv[i], "--chart") == 0)
            kontoplan = argv[i + 1];
        else
            redovisning.clear();
    }
    if (redovisning.empty() || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s --open LEDGER [--chart CHART]\n", argv[0]);
        return 2;
    }
    try {
        tovana::Bokforingsdata data;
        if (!kontoplan.empty())
            tovana::LasKontoplan(data, kontoplan);
        tovana::LasRedovisning(data, redovisning);
        data.Redovisningsfil = redovisning;
        tovana::Postformular formular;
        tovana::BeraknaKonteringssaldo(data, formular);
        const auto senaste = tovana::SenastePoster(data);
        const auto rr = tovana::ByggResultatrakning(data, tovana::Rapportform::Skarm);
        const auto br = tovana::ByggBalansrakning(data, tovana::Rapportform::Skarm);
        std::printf("%d poster, %d konton, resultaträkningen %zu rader (%s %s), "
                    "balansräkningen %zu rader\n",
                    data.Postantal, data.Kontoantal, rr.size(),
                    rr.empty() ? "" : rr.back().radnamn.c_str(),
                    rr.empty() ? "" : rr.back().radbelopp.c_str(), br.size());
        tovana::LamnaPosternaTillSystemet(data); // as the program ends
        return senaste.empty() ? 1 : 0;
    } catch (const std::exception &fel) {
        std::fprintf(stderr, "%s\n", fel.what());
        return 1;
    }
}

// --rewrite LEDGER CHART: open, change one post, which rewrites the whole ledger.
int OppnaOchAndra(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s --rewrite LEDGER CHART\n", argv[0]);
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        tovana::Bokforingsdata data;
        tovana::LasKontoplan(data, argv[3]);
        tovana::OppnaRedovisning(data, argv[2]);
        const auto oppnad = std::chrono::steady_clock::now();
        if (data.Postantal == 0)
            return 1;
        const int32_t plats = (data.Postantal + 1) / 2;
        tovana::Postrutor rutor = tovana::Andringsrutor(data.Poster[plats]);
        rutor.belopp = rutor.belopp == "1" ? "2" : "1";
        if (tovana::AndraPost(data, plats, rutor) != tovana::Andringsfel::Inget) {
            std::fprintf(stderr, "post %d: ett konto finns inte i kontoplanen\n", plats);
            return 1;
        }
        const auto klar = std::chrono::steady_clock::now();
        const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
        std::printf("%d poster, post %d fick beloppet %s; öppna %.0f ms, ändra och skriva om "
                    "%.0f ms\n",
                    data.Postantal, plats, rutor.belopp.c_str(), ms(oppnad - start),
                    ms(klar - oppnad));
        tovana::LamnaPosternaTillSystemet(data); // as the program ends
        return 0;
    } catch (const std::exception &fel) {
        std::fprintf(stderr, "%s\n", fel.what());
        return 1;
    }
}

} // namespace

int main(int argc, char **argv) {
    if (argc > 1 && std::strcmp(argv[1], "--open") == 0)
        return OppnaOchRakna(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--rewrite") == 0)
        return OppnaOchAndra(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
