// The building blocks of reading a big ledger in pieces: a stretch read piece
// by piece is the stretch, line for line, and what the pieces' bytes tell of
// their encoding is what the whole tells.

#include "Testmapp.h"
#include "core/Kodningsfynd.h"
#include "core/Textfil.h"
#include "core/redovisningsfil/Styckelasning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace tovana;
using namespace tovana::test;

// A stretch of a file read piece by piece: the pieces put together are the
// stretch, every piece but the last ends at a line end that is never a CR LF
// cut in two, so a line reader of each piece finds the very lines of the whole
// stretch. Buffers from two bytes up, lines longer than the buffer, stretches
// that begin or end inside a line or beyond the file's end.
TEST(Styckelasare, PiecesOfWholeLinesMakeUpTheStretch) {
    Testmapp mapp;
    const std::string sokvag = mapp.Sokvag("stycken.txt");
    std::mt19937_64 slump(20261208);
    const char tecken[] = {'a', 'b', ';', ' ', '\r', '\n'};
    const auto rader = [](std::string_view text) {
        std::vector<std::string_view> alla;
        Radlasare lasare(text);
        for (std::string_view rad; lasare.NastaRad(rad);)
            alla.push_back(rad);
        return alla;
    };
    for (int prov = 0; prov < 3000; ++prov) {
        std::string bytes(slump() % 300, 'x');
        for (char &c : bytes)
            c = slump() % 4 == 0 ? tecken[slump() % 6] : 'a';
        SkrivBytes(sokvag, bytes);
        const Lasbarfil fil(sokvag);
        ASSERT_EQ(fil.Storlek(), bytes.size());
        const std::uint64_t fran = slump() % (bytes.size() + 2);
        const std::uint64_t till =
            slump() % 4 == 0 ? Styckelasare::kFilslut : fran + slump() % (bytes.size() + 3);
        Styckelasare lasare(fil, fran, till, 2 + slump() % 40);
        std::string hopsatt;
        std::vector<std::string_view> styckesrader;
        std::vector<std::string> stycken;
        for (std::string_view stycke; lasare.Nasta(stycke);) {
            ASSERT_FALSE(stycke.empty());
            stycken.emplace_back(stycke);
            hopsatt += stycke;
        }
        const std::uint64_t slut = std::min<std::uint64_t>(till, bytes.size());
        const std::string stracka = fran < slut ? bytes.substr(fran, slut - fran) : std::string();
        ASSERT_EQ(hopsatt, stracka) << prov;
        // Cut short: a stretch that is not empty reaches beyond the file's end.
        EXPECT_EQ(lasare.Avkortad(),
                  till != Styckelasare::kFilslut && till > fran && till > bytes.size());
        std::size_t pos = fran;
        for (std::size_t i = 0; i < stycken.size(); ++i) {
            pos += stycken[i].size();
            for (auto rad : rader(stycken[i]))
                styckesrader.push_back(rad);
            if (i + 1 < stycken.size()) {
                const char sista = stycken[i].back();
                EXPECT_TRUE(sista == '\n' || (sista == '\r' && bytes[pos] != '\n')) << prov;
            }
        }
        EXPECT_EQ(styckesrader, rader(stracka)) << prov;
    }
}

// What a file's bytes tell, gathered piece by piece, is what the whole file
// tells. Pieces end just before an ASCII byte, as a line end is, so no UTF-8
// sequence is cut; pieces of one character never reach the sixteen-byte scan,
// longer ones do, and must agree with them.
TEST(Kodningsfynd, PiecesTellWhatTheWholeTells) {
    const std::vector<std::string> tecken = {
        "a", "b",    ";",    "\n",       "\r",           std::string(1, '\0'), "å",   "€", "😀",
        "é", "\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80",   "\xFF"};
    std::mt19937_64 slump(8122026);
    const auto fynd = [](const std::vector<std::string> &stycken) {
        Kodningsfynd alla;
        for (const auto &stycke : stycken) {
            Kodningsfynd ett;
            ett.Granska(stycke);
            alla.Lagg(ett);
        }
        return alla;
    };
    for (int prov = 0; prov < 20000; ++prov) {
        // Mostly ASCII, as a ledger is, so that whole blocks of sixteen are skipped.
        std::vector<std::string> stycken(1), enstaka;
        std::string hela;
        const int antal = static_cast<int>(slump() % 120);
        for (int i = 0; i < antal; ++i) {
            const std::size_t val = slump() % 40;
            const std::string &t = val < tecken.size() ? tecken[val] : tecken[0];
            if (static_cast<unsigned char>(t[0]) < 0x80) {
                enstaka.emplace_back();
                if (slump() % 8 == 0)
                    stycken.emplace_back();
            }
            if (enstaka.empty())
                enstaka.emplace_back();
            enstaka.back() += t;
            stycken.back() += t;
            hela += t;
        }
        const Kodningsfynd helt = fynd({hela});
        for (const auto &delat : {fynd(stycken), fynd(enstaka)}) {
            EXPECT_EQ(delat.nul, helt.nul) << prov;
            EXPECT_EQ(delat.inteUtf8, helt.inteUtf8) << prov;
            EXPECT_EQ(delat.Kodning(), helt.Kodning()) << prov;
        }
        EXPECT_EQ(helt.nul, hela.find('\0') != std::string::npos) << prov;
    }
}
