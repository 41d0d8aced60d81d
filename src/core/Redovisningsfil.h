#pragma once
// The ledger file (.red): Windows-1252, CR LF (a UTF-8 file and other line ends
// are read too, see Teckentabell.h and Textfil.h). The first line is the ledger's
// internal name; then one post a line with seven fields: verification number,
// date, amount (decimal comma), debit, credit, code (0 for none) and the text,
// which runs to the end of the line and may hold ";":
//
//     Bokföring 2012
//     12;120315;1250,5;1930;3010;0;Försäljning kontant
//
// A new post is appended the moment it is saved; every other change rewrites
// the whole file, keeping the file it replaces as "<file>.1" (see
// SkrivFilSakertMedKopior). An empty file is a ledger with an empty name and no
// posts. A name, date or text holding a line break is refused by every writer,
// as is a character Windows-1252 cannot hold, before anything is written.

#include "core/Bokforingsdata.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

struct Redovisningsinnehall {
    std::string namn;
    std::vector<TPost> poster;                    // in file order, from index 0
    Filkodning kodning = Filkodning::Windows1252; // how the file was read
};

// How much of each post line must convert.
enum class Postlasning {
    Hel,    // all seven fields
    Saldon, // only the first five, as balances need: a line of five fields, or
            // with an empty or non-numeric code (then 0) or no text, is read
};

// Reads a ledger file. A file that cannot be read, or a field that does not
// convert, raises Korningsfel naming the file and line.
Redovisningsinnehall LasRedovisningsfil(const std::string &sokvag,
                                        Postlasning lasning = Postlasning::Hel);

// As LasRedovisningsfil, the posts read straight into the form the program
// keeps them in: slot 0 empty, the posts in 1..n.
Redovisningsinnehall LasRedovisningstabell(const std::string &sokvag);

// Makes a ledger read by LasRedovisningstabell the one in `data`:
// Redovisningsnamn, Poster (at least as many slots as before, those past the
// posts empty), Postantal and RedovisningLastSomUtf8.
void SattInRedovisning(Bokforingsdata &data, Redovisningsinnehall innehall);

// Replaces the ledger in `data` with the file's: Redovisningsnamn, every slot of
// Poster emptied and slots 1..n filled, Postantal = n. On failure nothing in
// `data` changes. Sets RedovisningLastSomUtf8; the caller sets Redovisningsfil
// and the other flags.
void LasRedovisning(Bokforingsdata &data, const std::string &sokvag);

// One post line (UTF-8, no line end) read as the ledger reader reads it;
// nothing when a field does not convert.
std::optional<TPost> TolkaPostrad(std::string_view rad);

// One post line without its line end, the amount as Taltext.
std::string Postrad(const TPost &post);

// One post line with the amount written as the given text.
std::string Postrad(const TPost &post, std::string_view beloppstext);

// Appends one post line (UTF-8, no line end) to the ledger file.
void LaggTillPostrad(const std::string &sokvag, const std::string &rad);

// Appends several post lines at once: all of them or none.
void LaggTillPostrader(const std::string &sokvag, const std::vector<std::string> &rader);

// Saves new post lines (UTF-8, no line ends) after the posts of the ledger in
// `data`, all or none: appended to its file, or, when the ledger was read as
// UTF-8, by rewriting the whole file as Windows-1252 (posts 1..Postantal, then
// the new lines) and clearing RedovisningLastSomUtf8. The posts in `data` are
// not changed; the caller adds them once this returns.
void SparaNyaPostrader(Bokforingsdata &data, const std::vector<std::string> &rader);

// Rewrites the ledger file: the name line and slots 1..Postantal.
void SkrivRedovisning(const Bokforingsdata &data, const std::string &sokvag);

// The same rewrite made ready, its temporary file written and synced, to be
// committed with other files (see ForbereddSkrivning).
ForbereddSkrivning ForberedRedovisning(const Bokforingsdata &data, const std::string &sokvag);

// The posts of a ledger in pieces written one after the other, so that a
// rewrite which changes or drops one post writes the table around it as it
// stands, without a copy: {poster före, ändrad, poster efter}.
using Postdelar = std::initializer_list<std::span<const TPost>>;

// The bytes of a ledger file with this name and these posts.
std::string RedovisningBytes(const std::string &namn, const TPost *forsta, std::size_t antal);
std::string RedovisningBytes(const std::string &namn, Postdelar delar);

// From this many posts on, a ledger's lines are made by two threads.
constexpr std::size_t kDelningsgrans = 50000;

// Rewrites a ledger file with this name and these posts.
void SkrivRedovisningsfil(const std::string &sokvag, const std::string &namn,
                          const std::vector<TPost> &poster);
void SkrivRedovisningsfil(const std::string &sokvag, const std::string &namn, Postdelar delar);

// Creates (or replaces) a ledger file holding only the name line.
void SkapaRedovisningsfil(const std::string &sokvag, const std::string &namn);

} // namespace tovana
