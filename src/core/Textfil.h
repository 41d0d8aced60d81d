#pragma once
// Reading and writing the program's text files as bytes, safely.
//
// A rewrite goes to a temporary file beside the target ("<file>.tmp-XXXXXX")
// that replaces it only when every byte is written and synced; a failure at any
// step removes the temporary file and leaves the old file as it was. A file the
// user may not write is refused, and a link is followed so that it keeps its
// target. An append that fails before its bytes are durable cuts the file back
// to its old length, so no partial line is left behind. Only regular files are
// read or written: a folder, a FIFO or a device is refused as "File access
// denied" without blocking. Failures raise Korningsfel with the runtime's text
// and the file's name.
//
// Line ends: CR LF, LF and a lone CR all end a line when reading, and a file may
// mix them; the program always writes CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// Where the file really lives: links and relative parts resolved; a file not
// yet created gets its folder resolved and keeps its name; a path whose folder
// cannot be resolved is returned as it stands.
std::string VerkligSokvag(const std::string &sokvag);

// The whole file's bytes.
std::string LasFil(const std::string &sokvag);

// Replaces (or creates) the file with these bytes.
void SkrivFilSakert(const std::string &sokvag, std::string_view bytes);

// As SkrivFilSakert, keeping the file being replaced as "<file>.1". When the new
// content is complete and synced, just before it takes the file's place, the
// older copies move one step (.4 to .5, ..., .1 to .2; the old .5 is dropped) and
// the current file is hard-linked as .1 (copied where a link is not possible).
// A copy that cannot be made costs only the copy: the new content is still
// saved, and no earlier copy is removed but the oldest. Nothing is kept when the
// file does not exist yet. The ledger and the chart are written this way.
void SkrivFilSakertMedKopior(const std::string &sokvag, std::string_view bytes);

// As above, the file's bytes being these pieces one after the other.
void SkrivFilSakertMedKopior(const std::string &sokvag, const std::vector<std::string> &stycken);

// Appends the bytes to an existing file, opened for appending so that the
// system places them at the end. A last line without CR LF is first completed
// ("\r\n" after nothing, also in an empty file whose only line is the empty
// first line; "\n" after a lone CR), so that no text of the file changes and the
// new line never joins the old one. A failure before the bytes are synced cuts
// the file back and raises; once they are synced the append counts as saved,
// even if closing the file then fails.
void LaggTillIFil(const std::string &sokvag, std::string_view bytes);

// Removes the temporary files a rewrite of this file may have left behind when
// the program was killed: regular files beside it named "<file>.tmp-" and six
// letters or digits, nothing else. Call it only while no other window can be
// rewriting the file. Returns how many were removed; failures are ignored.
int RensaTemporarfiler(const std::string &sokvag);

// The lines of a file's bytes with their line numbers (1-based). A line ends at
// CR LF, LF or a lone CR; each line end counts once.
class Radlasare {
public:
    explicit Radlasare(std::string_view bytes) : text_(bytes) {}

    // The next whole line, or false at the end of the file.
    bool NastaRad(std::string_view &rad);

    // Skips every byte of code 32 or less (blanks, tabs, line ends) and reads
    // the rest of that line; false at the end of the file.
    bool NastaPostrad(std::string_view &rad);

    // The number of the line last read.
    long Radnummer() const { return radnummer_; }

    // Where the next line begins in the bytes.
    std::size_t Position() const { return pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    long radnummer_ = 0;
    long nastaRad_ = 1;
};

} // namespace tovana
