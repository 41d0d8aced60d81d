#pragma once
// Text is UTF-8 inside the program and Windows-1252 in its files. One table maps
// all 256 bytes to characters and back, so that every file round-trips byte for
// byte: the five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) map to
// the control characters with the same numbers.
//
// A file saved as UTF-8 by another editor is read as well: a file that is valid
// UTF-8 and holds at least one multi-byte sequence, or that starts with the
// UTF-8 byte order mark (which is dropped), is read as UTF-8; anything else as
// Windows-1252. A UTF-16 file is refused, and so is a file with the UTF-8 byte
// order mark that is not UTF-8 after all. The program writes only Windows-1252.
//
// The limits of names and texts (80, 100 and 8) count characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tovana {

// The character a Windows-1252 byte stands for.
char32_t TeckenForByte(unsigned char byte);

// Whether a character can be written to a Windows-1252 file.
bool KanSkrivasSomWindows1252(char32_t tecken);

// Windows-1252 bytes to UTF-8 text.
std::string FranWindows1252(std::string_view bytes);

// UTF-8 text to Windows-1252 bytes. A character Windows-1252 cannot hold (the
// program's boxes refuse them at input) raises a Korningsfel rather than being
// silently replaced.
std::string TillWindows1252(std::string_view text);

// Appends the text as Windows-1252 bytes; false, with only part of it
// appended, at a character Windows-1252 cannot hold.
bool LaggTillSomWindows1252(std::string &ut, std::string_view text);

// How a file's bytes are to be read.
enum class Filkodning { Windows1252, Utf8 };

// A file's text: its bytes (without a UTF-8 byte order mark) and how to read them.
struct Filtext {
    std::string bytes;
    Filkodning kodning = Filkodning::Windows1252;
};

// Decides how the file's bytes are read and drops a UTF-8 byte order mark. A
// UTF-16 file (any NUL byte) raises Korningsfel naming the file; a file with the
// UTF-8 byte order mark whose bytes are not UTF-8 raises Korningsfel naming the
// line of the first byte that is not, as an unreadable line does: read either
// way, some of its text would be wrong.
Filtext Tolka(std::string bytes, const std::string &sokvag);

// Whether the bytes are valid UTF-8 holding at least one multi-byte character
// (overlong forms, surrogates and values beyond Unicode are not valid).
bool ArUtf8MedFlerbyte(std::string_view bytes);

// Decodes the UTF-8 character at `pos` and advances past it. A malformed
// sequence gives U+FFFD for its first byte.
char32_t LasUtf8(std::string_view text, std::size_t &pos);

// Appends the character as UTF-8.
void LaggTillUtf8(std::string &ut, char32_t tecken);

// A field's bytes as UTF-8 text: unchanged from a UTF-8 file, converted from a
// Windows-1252 one.
std::string Avkoda(std::string_view bytes, Filkodning kodning);

// UTF-8 text of a whole file (lines ending in CR LF) to Windows-1252 bytes. A
// character Windows-1252 cannot hold raises Korningsfel naming it and its line,
// counting from `forstaRad` for the text's first line (0: no line is named, as
// for lines appended to a file).
std::string TillWindows1252Fil(std::string_view text, long forstaRad = 1);

// Raises Korningsfel "<vad> får inte innehålla radbrytningar." when the text
// holds a CR or an LF, which would split its line in a file.
void KontrolleraUtanRadbrytning(std::string_view text, const std::string &vad);

// The text for a message: at most `antal` characters, each control character
// (NUL included) replaced by "?", and "…" when it was cut.
std::string Visningstext(std::string_view text, std::size_t antal = 40);

// Whether every character of the UTF-8 text can be written to a file.
bool ArWindows1252Text(std::string_view text);

// The number of characters in UTF-8 text.
std::size_t Teckenantal(std::string_view text);

// The first `antal` characters of UTF-8 text.
std::string ForstaTecken(std::string_view text, std::size_t antal);

// The text without the blanks, tabs, line ends and other control characters
// (every byte of code 32 or less) at its two ends.
std::string_view Trimmad(std::string_view text);

} // namespace tovana
