#pragma once
// What the writer program and the tests that check its ledger agree on: which
// post a numbered save touches and what it writes there.

#include "core/Bokforingsdata.h"

#include <string>

namespace tovana::test {

// Rewrites change one of the first posts, a different one for each number.
constexpr int32_t kOmskrivnaPlatser = 1000;

inline int32_t OmskrivenPlats(long nummer) {
    return static_cast<int32_t>(1 + (nummer / 2) % kOmskrivnaPlatser);
}

inline std::string OmskrivenText(long nummer) {
    return "omskriven " + std::to_string(nummer);
}

inline std::string TillagdText(long nummer) {
    return "tillagd " + std::to_string(nummer);
}

inline TPost TillagdPost(long nummer) {
    return TPost{static_cast<int32_t>(nummer),      "121231",           1930, 3010, 0,
                 static_cast<double>(nummer) + 0.5, TillagdText(nummer)};
}

// The post a logged save (SparaPost) of this number makes: its verification
// number above those of the ledger's first posts.
inline TPost LoggadPost(long nummer) {
    return TPost{
        static_cast<int32_t>(100000 + nummer), "20261231", 1930, 3010, 0, 1.5, TillagdText(nummer)};
}

} // namespace tovana::test
