#pragma once
// Reading and writing the program's text files as bytes, safely.
//
// A rewrite goes to a temporary file beside the target that replaces it only
// when every byte is written and synced; a failure at any step removes the
// temporary file and leaves the old file as it was. A file the user may not
// write is refused, and a link is followed so that it keeps its target. An append that fails cuts
// the file back to its old length, so no partial line is left behind. Failures
// raise Korningsfel with the runtime's text and the file's name.

#include <string>
#include <string_view>

namespace tovana {

// The whole file's bytes.
std::string LasFil(const std::string &sokvag);

// Replaces (or creates) the file with these bytes.
void SkrivFilSakert(const std::string &sokvag, std::string_view bytes);

// Appends the bytes to an existing file. When the file's last line has no line
// end, one is written first, so that the new line never joins the old one.
void LaggTillIFil(const std::string &sokvag, std::string_view bytes);

// The lines of a file's bytes with their line numbers (1-based). A line ends at
// LF; a CR before the LF is dropped, so files with LF alone read the same.
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

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    long radnummer_ = 0;
    long nastaRad_ = 1;
};

} // namespace tovana
