// A writer killed with SIGKILL at random moments while it appends posts to a
// ledger of 1 000 posts and rewrites it with one post changed: after every kill
// the ledger reads back whole and holds every save the writer had reported,
// every copy kept beside it reads whole, and removing the temporary files a
// killed rewrite leaves behind leaves only the ledger and its copies.

#include "Barnprocess.h"
#include "Skrivprov.h"
#include "Testmapp.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Textfil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <sstream>

using namespace tovana;
using namespace tovana::test;

namespace {

const std::string kSkrivprov = TOVANA_SKRIVPROV;

struct Rapporterat {
    std::set<long> tillagda;           // numbers of the reported appends
    std::map<int32_t, long> omskrivna; // slot -> number of its latest reported rewrite
};

// The first way the ledger falls short of what was reported, or empty.
std::string Brist(const Redovisningsinnehall &bok, const Rapporterat &rapporterat) {
    if (bok.namn != "Provbokföring")
        return "the name line is " + bok.namn;
    if (bok.poster.size() < static_cast<std::size_t>(kOmskrivnaPlatser))
        return "only " + std::to_string(bok.poster.size()) + " posts";
    for (const auto &[plats, nummer] : rapporterat.omskrivna) {
        const std::string &text = bok.poster[static_cast<std::size_t>(plats - 1)].text;
        long funnet = -1;
        if (std::sscanf(text.c_str(), "omskriven %ld", &funnet) != 1 || funnet < nummer)
            return "post " + std::to_string(plats) + " reads '" + text + "', saved as '" +
                   OmskrivenText(nummer) + "'";
    }
    std::set<long> tillagda;
    for (std::size_t i = kOmskrivnaPlatser; i < bok.poster.size(); ++i) {
        long nummer = -1;
        if (std::sscanf(bok.poster[i].text.c_str(), "tillagd %ld", &nummer) != 1 ||
            !(bok.poster[i] == TillagdPost(nummer)))
            return "appended post " + std::to_string(i + 1) + " reads '" + bok.poster[i].text + "'";
        if (!tillagda.insert(nummer).second)
            return "post " + TillagdText(nummer) + " twice";
    }
    for (long nummer : rapporterat.tillagda)
        if (!tillagda.count(nummer))
            return "the saved post '" + TillagdText(nummer) + "' is missing";
    return {};
}

} // namespace

TEST(Haverier, DodadSkrivareLamnarHelBokMedAlltRapporterat) {
    Testmapp mapp;
    const std::string fil = mapp.Sokvag("bok.red");
    ASSERT_EQ(KorBarn({kSkrivprov, "skapa", fil, std::to_string(kOmskrivnaPlatser)}).status, 0);

    const unsigned fro = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(fro));
    std::mt19937 slump(fro);
    std::uniform_int_distribution<int> vantan(0, 25000); // microseconds after start-up

    Rapporterat rapporterat;
    long tillagg = 0, omskrivningar = 0, nasta = 0;
    int dodade = 0;
    while ((tillagg < 200 || omskrivningar < 200 || dodade < 100) && dodade < 2000) {
        const Barn barn = StartaBarn({kSkrivprov, "blandat", fil, std::to_string(nasta)});
        ASSERT_GT(barn.pid, 0);
        const std::string klar = LasRad(barn.ut);
        ::usleep(static_cast<useconds_t>(vantan(slump)));
        ::kill(barn.pid, SIGKILL);
        const int status = VantaPa(barn.pid);
        const std::string ut = LasAllt(barn.ut);
        const std::string fel = LasAllt(barn.fel);
        ASSERT_EQ(klar, "klar") << fel;
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself:\n" << ut << fel;
        ++dodade;

        // Only whole lines are reports; the number after the last one may be in the file or not.
        long storsta = nasta - 1;
        std::istringstream rader(ut.substr(0, ut.rfind('\n') + 1));
        for (std::string rad; std::getline(rader, rad);) {
            char slag = 0;
            long nummer = -1;
            ASSERT_EQ(std::sscanf(rad.c_str(), "%c %ld", &slag, &nummer), 2) << rad;
            if (slag == 'A') {
                rapporterat.tillagda.insert(nummer);
                ++tillagg;
            } else {
                rapporterat.omskrivna[OmskrivenPlats(nummer)] = nummer;
                ++omskrivningar;
            }
            storsta = std::max(storsta, nummer);
        }
        nasta = storsta + 2;

        Redovisningsinnehall bok;
        try {
            bok = LasRedovisningsfil(fil);
        } catch (const Korningsfel &fel) {
            FAIL() << "after kill " << dodade << " the ledger does not read: " << fel.what();
        }
        ASSERT_EQ(Brist(bok, rapporterat), "") << "after kill " << dodade;

        RensaTemporarfiler(fil);
        for (const std::string &namn : Filnamn(mapp.Mapp())) {
            ASSERT_EQ(namn.rfind("bok.red", 0), 0u) << "left behind: " << namn;
            if (namn == "bok.red")
                continue;
            ASSERT_EQ(namn.size(), 9u) << "left behind: " << namn;
            ASSERT_NO_THROW(LasRedovisningsfil(mapp.Sokvag(namn))) << "the copy " << namn;
        }
    }
    EXPECT_GE(tillagg, 200);
    EXPECT_GE(omskrivningar, 200);
    std::printf("%d kills survived during %ld appends and %ld rewrites\n", dodade, tillagg,
                omskrivningar);
}
