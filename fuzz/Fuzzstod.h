#pragma once
// What every fuzz target shares: a scratch folder on a memory file system for
// the input and the written-back file, a known state to fill before a read (so
// that a refused read can be seen to change nothing), the comparison of amounts
// to 15 significant digits, and the way a target reports a finding: it prints
// what went wrong and aborts, which libFuzzer records with the input.

#include "core/Bokforingsdata.h"
#include "core/Fel.h"
#include "core/Installningar.h"
#include "core/Teckentabell.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tovana::fuzz {

// A file in the target's own scratch folder, made on the first call inside
// TOVANA_FUZZ_MAPP (which scripts/fuzz.sh sets and removes afterwards), else
// in /dev/shm or /tmp.
inline std::string Skrapfil(const std::string &namn) {
    static const std::string mapp = [] {
        const char *bas = std::getenv("TOVANA_FUZZ_MAPP");
        if (bas == nullptr || *bas == '\0')
            bas = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string mall = std::string(bas) + "/tovana-fuzz-XXXXXX";
        if (::mkdtemp(mall.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return mall;
    }();
    return mapp + "/" + namn;
}

inline void SkrivSkrapfil(const std::string &sokvag, std::string_view bytes) {
    std::FILE *ut = std::fopen(sokvag.c_str(), "wb");
    if (ut == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), ut) != bytes.size() ||
        std::fclose(ut) != 0) {
        std::perror(sokvag.c_str());
        std::abort();
    }
}

[[noreturn]] inline void Fynd(const std::string &vad, const std::string &detalj = {}) {
    std::fprintf(stderr, "FYND: %s\n%s\n", vad.c_str(), detalj.c_str());
    std::abort();
}

inline void Krav(bool villkor, const std::string &vad, const std::string &detalj = {}) {
    if (!villkor)
        Fynd(vad, detalj);
}

// Whether written bytes would be read back as UTF-8. The program writes
// Windows-1252, and a reader tells the two apart by the whole file: when the
// only bytes that are not valid UTF-8 lie in what a reader drops (a name past
// 80 characters, a third line of a company file), the text written back (such
// as "Ã¶") is valid UTF-8 and reads as another text ("ö"). The round trip is
// not compared for such bytes.
inline bool LasesSomUtf8(const std::string &bytes) {
    try {
        return Tolka(bytes, "skrivet").kodning == Filkodning::Utf8;
    } catch (const Korningsfel &) {
        return false;
    }
}

// The value's 15 significant digits, the precision every stored amount keeps.
inline std::string Femton(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v == 0 ? 0.0 : v);
    return buf;
}

inline bool SammaBelopp(double a, double b) {
    return Femton(a) == Femton(b);
}

// A state unlike anything a small input reads into: a named chart and ledger,
// three accounts, two posts, a colour. The tables are cut to what it holds
// (they grow when a read needs more), which keeps each run quick.
inline Bokforingsdata KantTillstand() {
    Bokforingsdata data;
    data.Konton.resize(4);
    data.Poster.resize(3);
    data.Arbetsposter.resize(1);
    data.Kontoplannamn = "Känd kontoplan";
    data.Kontoplats(1) = TKonto{1, 1930, "Bank"};
    data.Kontoplats(2) = TKonto{3, 3010, "Försäljning"};
    data.Kontoplats(3) = TKonto{8, 10, "Projekt"};
    data.Kontoantal = 3;
    data.KoderFinns = true;
    data.Redovisningsnamn = "Känd bokföring";
    data.Postplats(1) = TPost{1, "120101", 1930, 3010, 0, 100.5, "Första"};
    data.Postplats(2) = TPost{2, "120102", 3010, 1930, 10, -0.01, "Andra; med semikolon"};
    data.Postantal = 2;
    return data;
}

// Settings unlike the delivered ones, so that a change to them shows.
inline Installningsdata KantaInstallningar() {
    Installningsdata installningar;
    installningar.Fargtext = "$00112233";
    installningar.Bakgrundsfarg = Farg{0x33, 0x22, 0x11};
    return installningar;
}

inline std::string Beskriv(const TPost &p) {
    return std::to_string(p.vernr) + ";" + p.datum + ";" + Femton(p.belopp) + ";" +
           std::to_string(p.debet) + ";" + std::to_string(p.kredit) + ";" + std::to_string(p.kod) +
           ";" + p.text;
}

inline bool SammaPost(const TPost &a, const TPost &b) {
    return a.vernr == b.vernr && a.datum == b.datum && SammaBelopp(a.belopp, b.belopp) &&
           a.debet == b.debet && a.kredit == b.kredit && a.kod == b.kod && a.text == b.text;
}

} // namespace tovana::fuzz
