#pragma once
// The parts of an SIE type 4 file that the export and the import share: the
// PC8 character set (code page 437), the records and their fields, and the
// dates. An SIE file is a text of records, one a line, each a label and its
// fields separated by blanks; a field holding a blank is quoted, and an object
// list is held in braces:
//
//     #TRANS 3010 {6 "10"} -1250.50 20120315 "Försäljning \"kontant\""
//
// Inside quotes a quote is written \" and nothing else is escaped: a
// backslash stands for itself. A reader that follows the format would take a
// backslash right before the closing quote as escaping it, so a text that ends
// in a backslash (and blanks) gets one more blank before the closing quote,
// which the reading here takes away again:
//
//     C:\arkiv\      ->  "C:\arkiv\ "
//
// The optional #KSUMMA checksum covers every record between a bare #KSUMMA
// after #FLAGGA and a closing #KSUMMA with the sum (see Kontrollsumma).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// PC8 bytes to UTF-8 text (bytes below 32 stay as they are).
std::string FranPc8(std::string_view bytes);

// UTF-8 text to PC8 bytes: a character code page 437 lacks becomes its nearest
// letter ("Ø" "O", "š" "s", "–" "-") or "?".
std::string TillPc8(std::string_view text);

// How an SIE file's bytes were written: PC8 as the format says, or Windows-1252
// or UTF-8 as some programs write it.
enum class Siekodning { Pc8, Windows1252, Utf8 };

// The file's text as UTF-8 and how it was read. A UTF-8 byte order mark, or
// valid UTF-8 with a multi-byte character, gives UTF-8; otherwise the Swedish
// letters decide between PC8 and Windows-1252 (PC8 when as many). A UTF-16 file
// (a byte order mark FF FE or FE FF, or any NUL byte) gives std::nullopt.
struct Sietext {
    std::string text;
    Siekodning kodning = Siekodning::Pc8;
};
std::optional<Sietext> LasSietext(std::string_view bytes);

// The field quoted as the format wants it: "text" with \" for a quote (a
// typographic double quote, which PC8 lacks, also \"), each control character
// and DEL, which the format forbids in a text, turned into a blank, and a blank
// added after a final backslash (see above).
std::string Citerat(std::string_view text);

// One field of a record: plain or quoted text, or an object list (`lista`
// true) whose parts are the texts between the braces ("6", "10").
struct Siefalt {
    std::string text;
    bool lista = false;
    std::vector<std::string> delar;
};

// One record: the label in upper case ("#TRANS") and its fields.
struct Siepost {
    std::string etikett;
    std::vector<Siefalt> falt;
};

// Splits one line into a record. A line that does not start with "#", or a
// quote or brace left open, gives std::nullopt and the reason in `fel`.
std::optional<Siepost> TolkaSierad(std::string_view rad, std::string &fel);

// The text as the program's files can hold it: each control character a blank,
// each character Windows-1252 lacks "?".
std::string Skrivbar(std::string_view text);

// Lines for the user, kept to the first 200; beyond them one last line says
// how many more there were.
class Meddelandelista {
public:
    void Lagg(std::string rad);
    bool Tom() const { return rader_.empty(); }
    std::vector<std::string> Rader() &&;

private:
    std::vector<std::string> rader_;
    long overskott_ = 0;
};

// The checksum of #KSUMMA: CRC-32 (the reflected polynomial EDB88320, start
// value and final XOR FFFFFFFF) over the bytes of each record's label and the
// texts of its fields, as the record holds them after reading: no blanks
// between fields, no quotes around them, no escaping backslash, no braces (an
// object list gives its parts). The lines "{" and "}" of a verification hold
// no label or field and add nothing. For
//
//     #KONTO 1930 "Bank konto"
//
// the bytes are "#KONTO1930Bank konto". The bytes are the file's own (PC8 for
// the export), so the records are to be read from the bytes before any
// conversion of the character set.
class Kontrollsumma {
public:
    void Lagg(const Siepost &post);
    uint32_t Varde() const { return crc_ ^ 0xFFFFFFFFu; }

private:
    void Lagg(std::string_view bytes);
    uint32_t crc_ = 0xFFFFFFFFu;
};

// Whether the text is a real calendar date written ÅÅÅÅMMDD.
bool ArSiedatum(std::string_view text);

// A post's date read from the program's free forms (ÅÅMMDD, ÅÅÅÅMMDD, MMDD,
// D/M, DD/MM, ÅÅÅÅ-MM-DD) as ÅÅÅÅMMDD. A form without a year or century takes
// the one that puts the date inside the year from `fran` to `till` (both
// ÅÅÅÅMMDD), else the first year's. Gives std::nullopt when the text is no
// date; a date outside the year is returned as it is, for the caller to judge.
std::optional<std::string> Datum8(std::string_view datum, const std::string &fran,
                                  const std::string &till);

// The year a post's date names outright (ÅÅMMDD, ÅÅÅÅMMDD, ÅÅÅÅ-MM-DD), or
// std::nullopt. ÅÅ takes the century that puts the year within the hundred
// years from `forstaAr`.
std::optional<int> Datumar(std::string_view datum, int forstaAr);

} // namespace tovana
