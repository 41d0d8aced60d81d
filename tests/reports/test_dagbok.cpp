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
