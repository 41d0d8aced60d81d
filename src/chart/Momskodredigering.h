#pragma once
// The open chart's choice of VAT box for its accounts, as the Special menu
// edits it: read from beside the chart file (Momskodfil.h), and one account's
// box set from what the user typed and written back at once. Typing 3010 and
// 06 writes "3010;06" into "foretag.kpl.moms"; typing 3010 and nothing takes
// the account out of every box.

#include "core/Bokforingsdata.h"
#include "core/Momskodfil.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tovana {

// The choices of the open chart; none when the chart has no file yet. A file
// that cannot be read raises Korningsfel naming it (LasMomskoder).
Momskoder KontoplanensMomskoder(const Bokforingsdata &data);

// The account number typed in a box: digits only, blanks around ignored;
// std::nullopt for anything else.
std::optional<int32_t> LasKontonummer(std::string_view text);

// Sets the account's box (a box number, or an empty text for none) and writes
// the chart's file safely; returns the choices as written. Refused with a
// Swedish message (Korningsfel), writing nothing, when no chart is open, the
// chart has no file yet, it is open read-only, the account is not one of its
// bookkeeping accounts (classes 1–7), or the box is not one of the form's.
Momskoder SparaMomskod(const Bokforingsdata &data, std::string_view kontotext,
                       std::string_view rutatext);

} // namespace tovana
