// Writes a ledger file of N posts over a chart of 200 accounts, for the
// benchmarks and for trying the program with a large year:
//     tovana_genledger 100000 stor.red

#include "core/Bokforingsdata.h"
#include "core/Redovisningsfil.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s POSTS FILE\n", argv[0]);
        return 2;
    }
    char *slut = nullptr;
    const long antal = std::strtol(argv[1], &slut, 10);
    if (slut == argv[1] || *slut != '\0' || antal < 0) {
        std::fprintf(stderr, "%s: POSTS must be a whole number, 0 or more\n", argv[0]);
        return 2;
    }
    std::vector<tovana::TPost> poster;
    poster.reserve(static_cast<std::size_t>(antal));
    unsigned slump = 12345;
    auto nasta = [&slump] { return slump = slump * 1103515245u + 12345u; };
    for (long i = 0; i < antal; ++i) {
        tovana::TPost p;
        p.vernr = static_cast<int32_t>(i + 1);
        char datum[16];
        std::snprintf(datum, sizeof datum, "12%02d%02d", static_cast<int>(1 + i % 12),
                      static_cast<int>(1 + i % 28));
        p.datum = datum;
        p.belopp = static_cast<double>(nasta() % 10000000) / 100.0;
        p.debet = 1000 + static_cast<int32_t>(nasta() % 200) * 10;
        p.kredit = 1000 + static_cast<int32_t>(nasta() % 200) * 10;
        p.kod = i % 5 == 0 ? 10 : 0;
        p.text = "Försäljning nr " + std::to_string(i + 1) + "; kontant";
        poster.push_back(std::move(p));
    }
    try {
        tovana::SkrivRedovisningsfil(argv[2], "Bokföring med många poster", poster);
    } catch (const std::exception &fel) {
        std::fprintf(stderr, "%s\n", fel.what());
        return 1;
    }
    return 0;
}
