// The writer the crash and fault tests drive: it saves a ledger the way the
// program does (a rewrite through SkrivRedovisning, an append through
// LaggTillPostrad) and says on stdout what it saved only after the save has
// returned, so that whatever it reported must be in the file however it ends.
//
//     tovana_skrivprov skapa FIL ANTAL     a ledger of ANTAL posts
//     tovana_skrivprov blandat FIL FORSTA  from the number FORSTA on, without
//                                          end: an even number appends a post
//                                          ("A n"), an odd one rewrites the
//                                          ledger with one post changed ("R n")
//     tovana_skrivprov omskriv FIL         one rewrite with post 1 changed
//     tovana_skrivprov tillagg FIL         one appended post
//     tovana_skrivprov flera FIL [ANTAL]   one append of ANTAL posts (two
//                                          without), reporting "klar" first
//                                          when ANTAL is given
//     tovana_skrivprov sie SIE KPL RED ANTAL  the SIE file's import, its
//                                          posts repeated to ANTAL, written
//                                          as KPL and RED (after "klar")
//
// These use the program's own commands, each with its change-log record
// (stamped by a fixed clock), on the ledger opened as a window opens it:
//
//     tovana_skrivprov loggat FIL FORSTA   as "blandat": an even number saves a
//                                          new post (SparaPost), an odd one
//                                          changes one (AndraPost)
//     tovana_skrivprov loggpost FIL        one new post saved
//     tovana_skrivprov loggandring FIL     post 1 changed
//
// One save reports "sparad" and exits 0, or "fel: <message>" and exits 1. A
// ledger that cannot be read first exits 2; a wrong command line exits 3.

#include "Skrivprov.h"
#include "core/Behandlingslogg.h"
#include "core/Bokforingsdata.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "entry/Postinmatning.h"
#include "entry/Redovisning.h"
#include "maintenance/Postandring.h"
#include "maintenance/Sieoppning.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

using namespace tovana;
using namespace tovana::test;

namespace {

// Writes the line straight to the descriptor, so nothing waits in a buffer when
// the process is killed.
void Rapportera(const std::string &rad) {
    const std::string text = rad + "\n";
    if (::write(1, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        std::_Exit(4);
}

void Tillagg(Bokforingsdata &data, const std::string &fil, long nummer) {
    const TPost post = TillagdPost(nummer);
    LaggTillPostrad(fil, Postrad(post));
    data.Postplats(++data.Postantal) = post;
}

void Omskrivning(Bokforingsdata &data, const std::string &fil, long nummer, int32_t plats) {
    TPost &post = data.Poster[plats];
    const TPost fore = post;
    post.text = OmskrivenText(nummer);
    post.belopp = static_cast<double>(nummer) + 0.25;
    try {
        SkrivRedovisning(data, fil);
    } catch (...) {
        post = fore;
        throw;
    }
}

// The ledger opened as a window opens it (lock, log read and brought in line),
// with the two accounts its posts use.
int OppnaLoggat(Bokforingsdata &data, const std::string &fil) {
    SattLoggklocka([] { return Loggstampel{"2026-12-09 10:11:12", "prov@maskin"}; });
    for (int32_t konto : {1930, 3010})
        data.Kontoplats(++data.Kontoantal) = TKonto{1, konto, "Konto"};
    try {
        OppnaRedovisning(data, fil);
    } catch (const Korningsfel &fel) {
        Rapportera(std::string("fel: ") + fel.what());
        return 2;
    }
    return 0;
}

void LoggadNyPost(Bokforingsdata &data, long nummer) {
    const TPost post = LoggadPost(nummer);
    Postformular formular;
    SparaPost(
        data, formular,
        Postrutor{std::to_string(post.vernr), post.datum, "1,5", "1930", "3010", "0", post.text});
}

void LoggadAndring(Bokforingsdata &data, long nummer, int32_t plats) {
    Postrutor rutor = Andringsrutor(data.Poster[plats]);
    rutor.belopp = std::to_string(nummer) + ",25";
    rutor.text = OmskrivenText(nummer);
    if (AndraPost(data, plats, rutor) != Andringsfel::Inget)
        throw Korningsfel("ändringen godtogs inte");
}

// The program's commands with their log, as the usage above says.
int Loggat(const std::string &kommando, const std::string &fil, long tal) {
    Bokforingsdata data;
    if (const int fel = OppnaLoggat(data, fil))
        return fel;
    try {
        if (kommando == "loggpost") {
            LoggadNyPost(data, 1);
        } else if (kommando == "loggandring") {
            LoggadAndring(data, 1, 1);
        } else {
            Rapportera("klar");
            for (long nummer = tal;; ++nummer) {
                if (nummer % 2 == 0) {
                    LoggadNyPost(data, nummer);
                    Rapportera("A " + std::to_string(nummer));
                } else {
                    LoggadAndring(data, nummer, OmskrivenPlats(nummer));
                    Rapportera("R " + std::to_string(nummer));
                }
            }
        }
    } catch (const Korningsfel &fel) {
        Rapportera(std::string("fel: ") + fel.what());
        return 1;
    }
    Rapportera("sparad");
    return 0;
}

} // namespace

// The SIE file's import with its posts repeated to `antal`, written as a new
// chart and ledger.
int Sieimport(const std::string &sie, const std::string &kpl, const std::string &red, long antal) {
    SieImport import = LasSiefil(sie);
    const std::vector<TPost> poster = import.poster;
    while (static_cast<long>(import.poster.size()) < antal && !poster.empty())
        import.poster.push_back(poster[import.poster.size() % poster.size()]);
    Bokforingsdata data;
    Rapportera("klar");
    try {
        SkapaFranSie(data, import, kpl, red);
    } catch (const Korningsfel &fel) {
        Rapportera(std::string("fel: ") + fel.what());
        return 1;
    }
    Rapportera("sparad");
    return 0;
}

int main(int argc, char **argv) {
    if (argc == 6 && std::string(argv[1]) == "sie")
        return Sieimport(argv[2], argv[3], argv[4], std::strtol(argv[5], nullptr, 10));
    if (argc != 3 && argc != 4)
        return 3;
    const std::string kommando = argv[1];
    const std::string fil = argv[2];
    const long tal = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 0;
    if (kommando == "loggat" || kommando == "loggpost" || kommando == "loggandring")
        return Loggat(kommando, fil, tal);

    Bokforingsdata data;
    if (kommando == "skapa") {
        data.Redovisningsnamn = "Provbokföring";
        for (long i = 1; i <= tal; ++i)
            data.Postplats(static_cast<int32_t>(i)) =
                TPost{static_cast<int32_t>(i),    "120101", 1930, 3010, 0, i * 1.5,
                      "post " + std::to_string(i)};
        data.Postantal = static_cast<int32_t>(tal);
        try {
            SkrivRedovisning(data, fil);
        } catch (const Korningsfel &fel) {
            Rapportera(std::string("fel: ") + fel.what());
            return 1;
        }
        return 0;
    }

    try {
        LasRedovisning(data, fil);
    } catch (const Korningsfel &fel) {
        Rapportera(std::string("fel: ") + fel.what());
        return 2;
    }
    if (kommando == "blandat") {
        if (data.Postantal < kOmskrivnaPlatser)
            return 3;
        Rapportera("klar");
        for (long nummer = tal;; ++nummer) {
            try {
                if (nummer % 2 == 0) {
                    Tillagg(data, fil, nummer);
                    Rapportera("A " + std::to_string(nummer));
                } else {
                    Omskrivning(data, fil, nummer, OmskrivenPlats(nummer));
                    Rapportera("R " + std::to_string(nummer));
                }
            } catch (const Korningsfel &fel) {
                Rapportera(std::string("fel: ") + fel.what());
                return 1;
            }
        }
    }
    if (kommando != "omskriv" && kommando != "tillagg" && kommando != "flera")
        return 3;
    try {
        if (kommando == "omskriv") {
            Omskrivning(data, fil, 1, 1);
        } else if (kommando == "flera") {
            std::vector<std::string> rader;
            for (long nummer = 1; nummer <= std::max(tal, 2L); ++nummer)
                rader.push_back(Postrad(TillagdPost(nummer)));
            if (tal > 0)
                Rapportera("klar");
            LaggTillPostrader(fil, rader);
        } else {
            Tillagg(data, fil, 1);
        }
    } catch (const Korningsfel &fel) {
        Rapportera(std::string("fel: ") + fel.what());
        return 1;
    }
    Rapportera("sparad");
    return 0;
}
