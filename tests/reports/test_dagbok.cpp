// The journal build: one line a post with all seven fields.

#include "reports/Dagbok.h"

#include <gtest/gtest.h>

using namespace tovana;

namespace {

Bokforingsdata Redovisning(const std::vector<TPost> &poster) {
    Bokforingsdata data;
    for (const auto &post : poster)
        data.Postplats(++data.Postantal) = post;
    return data;
}

} // namespace

TEST(Dagbok, AnEmptyLedgerHasNoLines) {
    EXPECT_TRUE(ByggDagbok(Bokforingsdata{}).empty());
}

// The screen journal rounded amounts to 8 significant digits (1 234 567,90).
TEST(Dagbok, EveryPostGivesOneLineInTableOrder) {
    Bokforingsdata data = Redovisning({
        {12, "120315", 1930, 3010, 0, 1250.5, "Försäljning; kontant"},
        {13, "120316", 0, 1930, 20, 1234567.89, "Utan debet"},
        {14, "", 5010, 0, 0, 123456789.0, ""},
    });
    data.KoderFinns = true;
    const auto rader = ByggDagbok(data);
    ASSERT_EQ(rader.size(), 3u);
    EXPECT_EQ(rader[0], (Dagboksrad{"12", "120315", "1 250,50", "1930", "3010", "0",
                                    "Försäljning; kontant"}));
    EXPECT_EQ(rader[1],
              (Dagboksrad{"13", "120316", "1 234 567,89", "0", "1930", "20", "Utan debet"}));
    EXPECT_EQ(rader[2].belopp, "123 456 789,00");
    EXPECT_EQ(rader[2].kredit, "0");
}

// The journal table had room for 1000 posts and was written past with more.
TEST(Dagbok, ALedgerOfMoreThanAThousandPostsIsListedWhole) {
    std::vector<TPost> poster(1200, TPost{1, "120101", 1930, 3010, 0, 1.0, "x"});
    poster.back().vernr = 1200;
    const auto rader = ByggDagbok(Redovisning(poster));
    ASSERT_EQ(rader.size(), 1200u);
    EXPECT_EQ(rader.back().vernr, "1200");
}

// The screen formats one page at a time: its pages, laid end to end from any
// start, are the whole journal, and a page past either end is cut or empty.
TEST(Dagbok, PagesLaidEndToEndAreTheWholeJournal) {
    std::vector<TPost> poster;
    for (int32_t i = 1; i <= 61; ++i)
        poster.push_back({i, "120101", 1930, 3010, i % 3, i * 1.25, "Post " + std::to_string(i)});
    const Bokforingsdata data = Redovisning(poster);
    const auto hel = ByggDagbok(data);
    for (int sidlangd : {1, 25, 60, 61, 100}) {
        std::vector<Dagboksrad> lagda;
        for (int forsta = 0; forsta < data.Postantal; forsta += sidlangd) {
            const auto sida = ByggDagbokssida(data, forsta, sidlangd);
            lagda.insert(lagda.end(), sida.begin(), sida.end());
        }
        EXPECT_EQ(lagda, hel) << "sidlangd " << sidlangd;
    }
    struct Fall {
        int forsta, antal;
        std::size_t rader;
    };
    for (const Fall fall : {Fall{50, 25, 11}, Fall{61, 25, 0}, Fall{500, 25, 0}, Fall{-10, 25, 15},
                            Fall{0, 0, 0}, Fall{0, -5, 0}}) {
        EXPECT_EQ(ByggDagbokssida(data, fall.forsta, fall.antal).size(), fall.rader)
            << fall.forsta << "+" << fall.antal;
    }
    EXPECT_EQ(ByggDagbokssida(data, 50, 25).front().vernr, "51");
}
