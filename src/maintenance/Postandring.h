#pragma once
// Finding and correcting posts already in the ledger: paging the six last-posts
// rows of the entry panel back and forward, jumping to a post or verification
// number, opening a post for change, changing or deleting it, and renaming the
// ledger. Every change rewrites the whole ledger file,
//
//     Bokföring 2012
//     12;120315;1250,5;1930;3010;0;Försäljning kontant
//
// and only once the file is written does the ledger in memory change, so a
// failed write leaves both the file and the table as they were. A ledger open
// read-only refuses every change (Korningsfel) before anything is written.

#include "core/Bokforingsdata.h"
#include "entry/Postformular.h"
#include "entry/Postinmatning.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// "Bläddra bakåt": the entry form's Sexpostsida one group of six older, but
// never past the oldest group, which may hold fewer than six posts. Returns the
// post number the rows' block ends at, or nothing to show when the ledger has
// no posts.
std::optional<int32_t> BladdraBakat(const Bokforingsdata &data, Postformular &formular);

// "Bläddra framåt": Sexpostsida one group newer. At the newest group nothing
// happens (no block).
std::optional<int32_t> BladdraFramat(const Bokforingsdata &data, Postformular &formular);

// The jump box of post numbers: the block ends at that post, or at the last post
// when the number is beyond it. An empty box, a number below 1 and a ledger
// without posts give nothing to show. A text that is not an integer raises the
// runtime's conversion message.
std::optional<int32_t> HoppTillPostnr(const Bokforingsdata &data, std::string_view text);

// The jump box of verification numbers: the block ends at the last post that
// carries the number, or at the last post when none does. An empty box and a
// ledger without posts give nothing to show.
std::optional<int32_t> HoppTillVernr(const Bokforingsdata &data, std::string_view text);

// The post of a post-number label ("[17]"): its slot when that holds a post
// (1..Postantal); nothing for an empty label, "[0]" or a post no longer there.
std::optional<int32_t> PostnummerIEtikett(const Bokforingsdata &data, std::string_view etikett);

// The post's fields as the editing boxes show them: the numbers in decimal, the
// amount as Taltext (1500 -> "1500", 12.5 -> "12,5").
Postrutor Andringsrutor(const TPost &post);

// Whether a number may stand in a debit, credit or code box of a changed post:
// 0 or the number of any account of the chart, codes included. With no accounts
// in the chart nothing passes, 0 included.
bool GodtagbartKontonummer(const Bokforingsdata &data, int32_t nummer);

// The box whose number did not pass the chart check, or the date box when its
// changed text is no date (Datum.h).
enum class Andringsfel { Inget, Debet, Kredit, Kod, Datum };

// The post the boxes' texts make of post `plats` (1..Postantal), converted and
// checked as AndraPost below does, into `post`; the box at fault otherwise.
Andringsfel TolkaAndringsrutor(const Bokforingsdata &data, int32_t plats, const Postrutor &rutor,
                               TPost &post);

// Changes post `plats` (1..Postantal) to the boxes' texts and rewrites the ledger
// file. The debit, credit and code texts are converted and checked against the
// chart first (a number not in the chart returns its box), then the verification
// number and the amount; a text that does not convert raises the runtime's
// message. A line break or a ";" in the date, or a line break in the text,
// raises; a date changed to a text the date rule cannot read returns
// Andringsfel::Datum. The date is stored as Lagringsdatum gives it (2026-03-15
// as 20260315) and the text cut to 100 characters. Nothing changes unless every
// text converts, every check passes and the file is written.
Andringsfel AndraPost(Bokforingsdata &data, int32_t plats, const Postrutor &rutor);

// Removes post `plats` (1..Postantal): the posts after it move one slot down
// with their own verification numbers, Postantal decreases by 1 and the ledger
// file is rewritten. A failed write changes nothing.
void RaderaPost(Bokforingsdata &data, int32_t plats);

// Gives the ledger the name, cut to 80 characters, and rewrites the ledger file.
// A failed write changes nothing.
void BytRedovisningsnamn(Bokforingsdata &data, std::string_view namn);

} // namespace tovana
