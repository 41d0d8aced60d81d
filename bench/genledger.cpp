// Writes a made-up year of N posts (see Exempelbok.h), for the benchmarks and
// for trying the program with a large ledger; with a third name it also writes
// the chart the ledger's accounts come from:
//     tovana_genledger 1000000 stor.red stor.kpl

#include "Exempelbok.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char **argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s POSTS FILE [CHART]\n", argv[0]);
        return 2;
    }
    char *slut = nullptr;
    const long antal = std::strtol(argv[1], &slut, 10);
    if (slut == argv[1] || *slut != '\0' || antal < 0) {
        std::fprintf(stderr, "%s: POSTS must be a whole number, 0 or more\n", argv[0]);
        return 2;
    }
    try {
        const std::string kontoplan = argc == 4 ? argv[3] : "";
        tovana::bench::SkrivExempelbok(antal, kontoplan, argv[2]);
    } catch (const std::exception &fel) {
        std::fprintf(stderr, "%s\n", fel.what());
        return 1;
    }
    return 0;
}
