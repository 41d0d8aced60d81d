// Opening a ledger of a million posts whose posts follow 256 KiB of blank lines,
// against the same ledger without them: the time, the peak memory of the
// reading process, and whether it opens under an address-space limit of 2 GiB.
// The plain reader (one thread, the whole file in memory) is the yardstick; it
// is made to run by an unreadable append intent beside the ledger, which sends
// every reading the plain way.
//
//     tovana_bench_tomrader [POSTER]      (1 000 000 posts without)

#include "Exempelbok.h"

#include "core/Redovisningsfil.h"
#include "core/Textfil.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Matning {
    double sekunder = 0;
    long megabyte = 0;
    bool lyckades = false;
};

// Opens the ledger in a child process, under the address-space limit when one
// is given, and measures it.
Matning Oppna(const std::string &fil, rlim_t grans) {
    int ror[2];
    if (::pipe(ror) != 0)
        std::exit(2);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (grans != RLIM_INFINITY) {
            const rlimit r{grans, grans};
            ::setrlimit(RLIMIT_AS, &r);
        }
        Matning m;
        const auto start = std::chrono::steady_clock::now();
        try {
            const auto innehall = tovana::LasRedovisningstabell(fil);
            m.lyckades = innehall.poster.size() > 1;
        } catch (...) {
            m.lyckades = false;
        }
        m.sekunder =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage ru{};
        ::getrusage(RUSAGE_SELF, &ru);
        m.megabyte = ru.ru_maxrss / 1024;
        if (::write(ror[1], &m, sizeof m) != sizeof m)
            ::_exit(3);
        ::_exit(0);
    }
    ::close(ror[1]);
    Matning m;
    if (::read(ror[0], &m, sizeof m) != sizeof m)
        m = {};
    ::close(ror[0]);
    ::waitpid(pid, nullptr, 0);
    return m;
}

void Rapportera(const char *namn, const std::string &fil) {
    const Matning fri = Oppna(fil, RLIM_INFINITY);
    const Matning begransad = Oppna(fil, rlim_t{2} << 30);
    std::printf("%-40s %6.2f s %6ld MB   under 2 GiB: %s\n", namn, fri.sekunder, fri.megabyte,
                begransad.lyckades ? "opens" : "fails");
}

} // namespace

int main(int argc, char **argv) {
    const long antal = argc > 1 ? std::atol(argv[1]) : 1000000;
    const fs::path mapp =
        fs::temp_directory_path() / ("tovana-tomrader-" + std::to_string(getpid()));
    fs::create_directories(mapp);
    const std::string vanlig = (mapp / "vanlig.red").string();
    const std::string tomrader = (mapp / "tomrader.red").string();
    const std::string enkel = (mapp / "enkel.red").string();
    tovana::bench::SkrivExempelbok(antal, "", vanlig);
    std::string bytes = tovana::LasFil(vanlig);
    const auto namnslut = bytes.find("\r\n") + 2;
    std::string tomma;
    for (std::size_t i = 0; i < (std::size_t{256} << 10) / 2; ++i)
        tomma += "\r\n";
    bytes.insert(namnslut, tomma);
    tovana::SkrivFilSakert(tomrader, bytes);
    tovana::SkrivFilSakert(enkel, bytes);
    tovana::SkrivFilSakert(tovana::Tillaggsfil(enkel), "oläslig\n");
    // The children measure their own memory, so the parent holds as little as it can.
    std::string().swap(bytes);
    std::string().swap(tomma);

    Rapportera("piece reader, plain layout", vanlig);
    Rapportera("piece reader, 256 KiB of blank lines first", tomrader);
    Rapportera("plain reader, 256 KiB of blank lines first", enkel);
    std::error_code fel;
    fs::remove_all(mapp, fel);
    return 0;
}
