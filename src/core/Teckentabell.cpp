#include "core/Teckentabell.h"

#include "core/Fel.h"
#include "core/Kodningsfynd.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovana {

namespace {

// Where the run of ASCII bytes from `pos` ends: a run goes over in one piece.
std::size_t AsciiSlut(std::string_view text, std::size_t pos) {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80)
        ++pos;
    return pos;
}

// Bytes 80..9F; the rest of Windows-1252 is the same as Latin-1.
constexpr std::array<char32_t, 32> kC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ByteForTecken(char32_t tecken) {
    if (tecken < 0x80 || (tecken >= 0xA0 && tecken <= 0xFF))
        return static_cast<int>(tecken);
    for (std::size_t i = 0; i < kC1.size(); ++i)
        if (kC1[i] == tecken)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

void LaggTillUtf8(std::string &ut, char32_t c) {
    if (c < 0x80) {
        ut += static_cast<char>(c);
    } else if (c < 0x800) {
        ut += static_cast<char>(0xC0 | (c >> 6));
        ut += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        ut += static_cast<char>(0xE0 | (c >> 12));
        ut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ut += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        ut += static_cast<char>(0xF0 | (c >> 18));
        ut += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        ut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ut += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at `pos` and advances past it. A malformed sequence
// (an overlong form, a surrogate, a value beyond Unicode) yields U+FFFD for its
// first byte, which no file can hold: an overlong NUL must not become a NUL byte
// that makes the written file unreadable.
char32_t LasUtf8(std::string_view text, std::size_t &pos) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    const int langd = b0 >= 0xF8 ? 0 : b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (langd == 0 || pos + langd > text.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t c = b0 & (0x7F >> langd);
    for (int i = 1; i < langd; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t kMinsta[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMinsta[langd] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return 0xFFFD;
    }
    pos += langd;
    return c;
}

namespace {

// The length of the valid multi-byte UTF-8 character that begins at `i`, or 0
// (LasUtf8 steps a single byte past a malformed sequence).
std::size_t Utf8Langd(std::string_view bytes, std::size_t i) {
    std::size_t pos = i;
    LasUtf8(bytes, pos);
    return pos - i > 1 ? pos - i : 0;
}

} // namespace

void Kodningsfynd::Granska(std::string_view bytes) {
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n && !inteUtf8) {
#ifdef __SSE2__
        // Sixteen bytes at a time past ASCII without NUL, most of any file.
        if (i + 16 <= n) {
            const __m128i block =
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes.data() + i));
            const auto avvikande = static_cast<unsigned>(
                _mm_movemask_epi8(block) |
                _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_setzero_si128())));
            if (avvikande == 0) {
                i += 16;
                continue;
            }
            i += static_cast<std::size_t>(std::countr_zero(avvikande));
        }
#endif
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            nul = nul || b == 0;
            ++i;
            continue;
        }
        const std::size_t langd = Utf8Langd(bytes, i);
        if (langd == 0) {
            inteUtf8 = true;
            break;
        }
        flerbyte = true;
        i += langd;
    }
    // Once the bytes are not UTF-8, only a NUL byte can tell more.
    if (!nul && i < n)
        nul = std::memchr(bytes.data() + i, 0, n - i) != nullptr;
}

void Kodningsfynd::Lagg(const Kodningsfynd &annat) {
    nul = nul || annat.nul;
    inteUtf8 = inteUtf8 || annat.inteUtf8;
    flerbyte = flerbyte || annat.flerbyte;
    byteordning = byteordning || annat.byteordning;
}

Filkodning Kodningsfynd::Kodning() const {
    return byteordning || (!inteUtf8 && flerbyte) ? Filkodning::Utf8 : Filkodning::Windows1252;
}

bool ArUtf8MedFlerbyte(std::string_view bytes) {
    Kodningsfynd fynd;
    fynd.Granska(bytes);
    return !fynd.inteUtf8 && fynd.flerbyte;
}

namespace {

// The error for a file with the UTF-8 byte order mark whose bytes (after the
// mark) are not UTF-8: the line, and the byte, of the first that is not.
Korningsfel ByteordningsfelFor(std::string_view bytes, const std::string &sokvag) {
    std::size_t i = 0;
    long rad = 1;
    for (; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' || (b == '\n' && (i == 0 || bytes[i - 1] != '\r')))
            ++rad;
        else if (b >= 0x80) {
            const std::size_t langd = Utf8Langd(bytes, i);
            if (langd == 0)
                break;
            i += langd - 1;
        }
    }
    char byte[3] = {};
    if (i < bytes.size()) {
        constexpr char kHex[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(bytes[i]);
        byte[0] = kHex[b >> 4];
        byte[1] = kHex[b & 15];
    }
    return Radfel("Raden kan inte läsas: filen börjar med märket för UTF-8 (byte order mark), "
                  "men byten " +
                      std::string(byte) +
                      " är inte UTF-8. Spara filen på nytt som UTF-8 eller som Windows-1252 "
                      "(ANSI).",
                  sokvag, rad);
}

} // namespace

Filtext Tolka(std::string bytes, const std::string &sokvag) {
    Kodningsfynd fynd;
    fynd.byteordning = std::string_view(bytes).starts_with("\xEF\xBB\xBF");
    fynd.Granska(bytes);
    // A UTF-16 file holds NUL bytes (every digit, ";" and line end has one). Its
    // byte order mark alone does not tell: a name the program wrote may begin
    // with "ÿþ", the same two bytes in Windows-1252.
    if (fynd.nul)
        throw Korningsfel("Filen är sparad som UTF-16 och kan inte läsas. Spara den som "
                          "Windows-1252 (ANSI) eller UTF-8.\nFil: " +
                          sokvag);
    if (fynd.byteordning)
        bytes.erase(0, 3);
    if (fynd.Motsagelse())
        throw ByteordningsfelFor(bytes, sokvag);
    return Filtext{std::move(bytes), fynd.Kodning()};
}

std::string Avkoda(std::string_view bytes, Filkodning kodning) {
    if (kodning == Filkodning::Utf8)
        return std::string(bytes);
    return FranWindows1252(bytes);
}

std::string TillWindows1252Fil(std::string_view text, long forstaRad) {
    std::string ut;
    ut.reserve(text.size());
    std::size_t pos = 0;
    long rad = forstaRad;
    while (pos < text.size()) {
        // A run of ASCII goes over in one piece.
        std::size_t slut = pos;
        while (slut < text.size() && static_cast<unsigned char>(text[slut]) < 0x80) {
            if (text[slut] == '\n')
                ++rad;
            ++slut;
        }
        if (slut > pos) {
            ut.append(text, pos, slut - pos);
            pos = slut;
            continue;
        }
        const std::size_t start = pos;
        const int byte = ByteForTecken(LasUtf8(text, pos));
        if (byte < 0) {
            const std::string tecken = Visningstext(text.substr(start, pos - start), 1);
            throw Korningsfel("Tecknet '" + tecken + "' kan inte sparas i filen (Windows-1252)" +
                              (forstaRad > 0 ? ", rad " + std::to_string(rad) : std::string{}) +
                              ".");
        }
        ut += static_cast<char>(byte);
    }
    return ut;
}

void KontrolleraUtanRadbrytning(std::string_view text, const std::string &vad) {
    // A plain scan: find_first_of calls memchr on its set for every byte.
    if (std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }))
        throw Korningsfel(vad + " får inte innehålla radbrytningar.");
}

std::string Visningstext(std::string_view text, std::size_t antal) {
    std::string ut;
    std::size_t pos = 0, tecken = 0;
    while (pos < text.size()) {
        if (tecken == antal)
            return ut + "…";
        const std::size_t start = pos;
        const char32_t c = LasUtf8(text, pos);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFD)
            ut += '?';
        else
            ut.append(text.substr(start, pos - start));
        ++tecken;
    }
    return ut;
}

char32_t TeckenForByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kC1[byte - 0x80];
    return byte;
}

bool KanSkrivasSomWindows1252(char32_t tecken) {
    return ByteForTecken(tecken) >= 0;
}

std::string FranWindows1252(std::string_view bytes) {
    std::string ut;
    ut.reserve(bytes.size() + bytes.size() / 8);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t slut = AsciiSlut(bytes, pos);
        ut.append(bytes, pos, slut - pos);
        pos = slut;
        if (pos < bytes.size())
            LaggTillUtf8(ut, TeckenForByte(static_cast<unsigned char>(bytes[pos++])));
    }
    return ut;
}

std::string TillWindows1252(std::string_view text) {
    std::string ut;
    ut.reserve(text.size());
    if (!LaggTillSomWindows1252(ut, text))
        throw Korningsfel("Texten innehåller ett tecken som inte kan sparas i filen");
    return ut;
}

bool LaggTillSomWindows1252(std::string &ut, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t slut = AsciiSlut(text, pos);
        ut.append(text, pos, slut - pos);
        pos = slut;
        if (pos == text.size())
            break;
        const int byte = ByteForTecken(LasUtf8(text, pos));
        if (byte < 0)
            return false;
        ut += static_cast<char>(byte);
    }
    return true;
}

bool ArWindows1252Text(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size())
        if (ByteForTecken(LasUtf8(text, pos)) < 0)
            return false;
    return true;
}

std::size_t Teckenantal(std::string_view text) {
    std::size_t antal = 0;
    for (char b : text)
        if ((static_cast<unsigned char>(b) & 0xC0) != 0x80)
            ++antal;
    return antal;
}

std::string ForstaTecken(std::string_view text, std::size_t antal) {
    std::size_t pos = 0, tecken = 0;
    while (pos < text.size()) {
        if ((static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            if (tecken == antal)
                break;
            ++tecken;
        }
        ++pos;
    }
    return std::string(text.substr(0, pos));
}

std::string_view Trimmad(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace tovana
