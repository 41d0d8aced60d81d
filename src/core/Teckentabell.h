#pragma once
// Text is UTF-8 inside the program and Windows-1252 in its files. One table maps
// all 256 bytes to characters and back, so that every file round-trips byte for
// byte: the five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) map to
// the control characters with the same numbers.
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

// Whether every character of the UTF-8 text can be written to a file.
bool ArWindows1252Text(std::string_view text);

// The number of characters in UTF-8 text.
std::size_t Teckenantal(std::string_view text);

// The first `antal` characters of UTF-8 text.
std::string ForstaTecken(std::string_view text, std::size_t antal);

} // namespace tovana
