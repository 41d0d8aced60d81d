#pragma once
// The ledger file's post-line parser: one line's seven fields made a post (the
// line format is in core/Redovisningsfil.h), for the whole-file reading and for
// each thread of the reading in pieces. Private to the files of this folder.

#include "core/Bokforingsdata.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tovana {

// Where a line that does not convert stopped the reading.
struct Lasfel {
    std::string meddelande;
    long rad = 0; // as the reader numbers it
};

// Reads the post lines left in the reader onto the end of `poster`. With
// `foreFlytt`, that is called each time before `poster` outgrows its room and
// moves.
std::optional<Lasfel> LasPoster(Radlasare &lasare, Filkodning kodning, Postlasning lasning,
                                std::vector<TPost> &poster,
                                const std::function<void()> *foreFlytt = nullptr);

} // namespace tovana
