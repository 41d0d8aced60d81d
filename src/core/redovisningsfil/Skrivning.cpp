// Writing the ledger file (format in core/Redovisningsfil.h): post lines made
// in place in the file's encoding, a big ledger's second part made meanwhile
// by a second thread, appends of new post lines, and whole rewrites.

#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"
#include "core/redovisningsfil/Delning.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tovana {

namespace {

const std::string kDatumOchText = "Datum och text";

// The room a post line is first given beside its date and text: its four
// numbers, amount and separators as most posts have them.
constexpr std::size_t kPostradensTal = 32;

// The longest post line the program writes: numbers of eleven characters, an
// amount of up to 24, a date of 8 and a text of 100, one byte each, the six
// ";" and the line end, rounded up.
constexpr std::size_t kLangstaPostrad = 192;

// A rewrite hands its bytes on a mebibyte at a time, and its buffer has room
// for the line that passes the mebibyte (and the name line before the first).
constexpr std::size_t kStycke = std::size_t{1} << 20;
constexpr std::size_t kStyckesoverskott = 1024;

} // namespace

std::string Postrad(const TPost &post, std::string_view beloppstext) {
    std::string rad;
    rad.reserve(kPostradensTal + post.datum.size() + post.text.size());
    rad += std::to_string(post.vernr);
    rad += ';';
    rad += post.datum;
    rad += ';';
    rad += beloppstext;
    rad += ';';
    rad += std::to_string(post.debet);
    rad += ';';
    rad += std::to_string(post.kredit);
    rad += ';';
    rad += std::to_string(post.kod);
    rad += ';';
    rad += post.text;
    return rad;
}

std::string Postrad(const TPost &post) {
    return Postrad(post, Taltext(post.belopp));
}

namespace {

// The lines, each ending in CR LF; a line break inside one is refused.
std::string Radtext(const std::vector<std::string> &rader) {
    std::string text;
    for (const auto &rad : rader) {
        KontrolleraUtanRadbrytning(rad, kDatumOchText);
        text += rad + "\r\n";
    }
    return text;
}

} // namespace

void LaggTillPostrader(const std::string &sokvag, const std::vector<std::string> &rader) {
    LaggTillIFil(sokvag, TillWindows1252Fil(Radtext(rader), 0));
}

void LaggTillPostrad(const std::string &sokvag, const std::string &rad) {
    LaggTillPostrader(sokvag, {rad});
}

namespace {

void LaggTillHeltal(std::string &ut, int32_t tal) {
    char buf[16];
    const char *slut = std::to_chars(buf, buf + sizeof buf, tal).ptr;
    ut.append(buf, static_cast<std::size_t>(slut - buf));
}

// A date or text as Windows-1252 bytes; ASCII goes over as it is. False, with
// only part of it appended, when it holds a line break or a character
// Windows-1252 cannot hold.
bool LaggTillFalt(std::string &ut, const std::string &falt) {
    bool ascii = true;
    for (char c : falt) {
        if (c == '\r' || c == '\n')
            return false;
        ascii &= static_cast<unsigned char>(c) < 0x80;
    }
    if (!ascii)
        return LaggTillSomWindows1252(ut, falt);
    ut += falt;
    return true;
}

// Raises the fault that stops a ledger from being written, as a check of the
// whole ledger before anything is made would find it: a line break in any
// post's date or text first, then the character of `falt` (post line
// `radnummer`) that Windows-1252 cannot hold.
[[noreturn]] void Skrivfel(Postdelar alla, const std::string &falt, long radnummer) {
    for (const auto del : alla)
        for (const TPost &post : del) {
            KontrolleraUtanRadbrytning(post.datum, kDatumOchText);
            KontrolleraUtanRadbrytning(post.text, kDatumOchText);
        }
    TillWindows1252Fil(falt, radnummer);
    throw Korningsfel("Tecknet kan inte sparas i filen (Windows-1252), rad " +
                      std::to_string(radnummer) + ".");
}

// Appends one post line, numbered `radnummer` in the file, made in place in
// the file's own encoding: no line of its own, no second copy to convert.
void GorPostrad(std::string &ut, const TPost &post, long radnummer, Postdelar alla) {
    LaggTillHeltal(ut, post.vernr);
    ut += ';';
    if (!LaggTillFalt(ut, post.datum))
        Skrivfel(alla, post.datum, radnummer);
    ut += ';';
    LaggTillTaltext(ut, post.belopp);
    ut += ';';
    LaggTillHeltal(ut, post.debet);
    ut += ';';
    LaggTillHeltal(ut, post.kredit);
    ut += ';';
    LaggTillHeltal(ut, post.kod);
    ut += ';';
    if (!LaggTillFalt(ut, post.text))
        Skrivfel(alla, post.text, radnummer);
    ut += "\r\n";
}

// The post lines of the pieces, in order, the first numbered `radnummer` + 1.
std::string Postbytes(const std::vector<std::span<const TPost>> &delar, long radnummer,
                      Postdelar alla) {
    std::size_t antal = 0;
    for (const auto del : delar)
        antal += del.size();
    // Room for the longest lines the program writes: a guess of 48 bytes a
    // line made the text grow twice through fresh memory for a ledger of
    // longer lines. Room never used costs no memory.
    std::string ut;
    ut.reserve(antal * kLangstaPostrad);
    for (const auto del : delar)
        for (const TPost &post : del)
            GorPostrad(ut, post, ++radnummer, alla);
    return ut;
}

// Hands `forst`, then the post lines of the pieces (the first numbered
// `radnummer` + 1) to `skriv` a mebibyte at a time, as they are made.
void SkrivPostrader(const Skrivmal &skriv, std::string forst,
                    const std::vector<std::span<const TPost>> &delar, long radnummer,
                    Postdelar alla) {
    std::string ut = std::move(forst);
    ut.reserve(kStycke + kStyckesoverskott);
    for (const auto del : delar)
        for (const TPost &post : del) {
            GorPostrad(ut, post, ++radnummer, alla);
            if (ut.size() >= kStycke) {
                skriv(ut);
                ut.clear();
            }
        }
    skriv(ut);
}

// The pieces split after `antal` posts: those before, and the rest.
std::pair<std::vector<std::span<const TPost>>, std::vector<std::span<const TPost>>>
Dela(Postdelar delar, std::size_t antal) {
    std::vector<std::span<const TPost>> fore, efter;
    for (const auto del : delar) {
        const std::size_t har = std::min(antal, del.size());
        if (har > 0)
            fore.push_back(del.first(har));
        if (har < del.size())
            efter.push_back(del.subspan(har));
        antal -= har;
    }
    return {std::move(fore), std::move(efter)};
}

// The name line in the file's encoding, or the fault that stops the ledger
// from being written.
std::string Namnrad(const std::string &namn, Postdelar delar) {
    KontrolleraUtanRadbrytning(namn, "Redovisningens namn");
    std::string rad;
    if (!LaggTillSomWindows1252(rad, namn))
        Skrivfel(delar, namn, 1);
    rad += "\r\n";
    return rad;
}

// Hands the ledger's bytes to `skriv` as they are made: the name line, then
// the post lines, so that a rewrite never holds the whole text in fresh memory
// (that took a third of rewriting a million posts). A big ledger's second part
// is made meanwhile by a second thread and handed over after the first; a
// fault in the first part is the one reported, as it comes first in the file.
void SkrivRedovisningstext(const Skrivmal &skriv, std::string namnrad, Postdelar delar) {
    std::size_t antal = 0;
    for (const auto del : delar)
        antal += del.size();
    if (antal < kDelningsgrans) {
        SkrivPostrader(skriv, std::move(namnrad), Dela(delar, antal).first, 1, delar);
        return;
    }
    const std::size_t forsta = ForstaDelen(antal);
    const auto delade = Dela(delar, forsta);
    auto senare = Samtidigt([&delade, forsta, delar] {
        return Postbytes(delade.second, 1 + static_cast<long>(forsta), delar);
    });
    // A fault here leaves through the future, which waits for the other part.
    SkrivPostrader(skriv, std::move(namnrad), delade.first, 1, delar);
    skriv(senare.get());
}

} // namespace

void SparaNyaPostrader(Bokforingsdata &data, const std::vector<std::string> &rader) {
    if (!data.RedovisningLastSomUtf8) {
        LaggTillIFil(data.Redovisningsfil,
                     TillWindows1252Fil(Radtext(rader), long{data.Postantal} + 2));
        return;
    }
    // Appending Windows-1252 to a UTF-8 file would mix the encodings: the whole
    // ledger is written again in the program's own encoding, the new lines last.
    const Postdelar poster = {
        {data.Poster.data() + 1, static_cast<std::size_t>(std::max(data.Postantal, 0))}};
    std::string namnrad = Namnrad(data.Redovisningsnamn, poster);
    SkrivFilSakertMedKopior(data.Redovisningsfil, [&](const Skrivmal &skriv) {
        SkrivRedovisningstext(skriv, std::move(namnrad), poster);
        skriv(TillWindows1252Fil(Radtext(rader), long{data.Postantal} + 2));
    });
    data.RedovisningLastSomUtf8 = false;
}

std::string RedovisningBytes(const std::string &namn, Postdelar delar) {
    std::string ut;
    SkrivRedovisningstext([&ut](std::string_view bytes) { ut += bytes; }, Namnrad(namn, delar),
                          delar);
    return ut;
}

std::string RedovisningBytes(const std::string &namn, const TPost *forsta, std::size_t antal) {
    return RedovisningBytes(namn, {std::span<const TPost>(forsta, antal)});
}

void SkrivRedovisning(const Bokforingsdata &data, const std::string &sokvag) {
    ForberedRedovisning(data, sokvag).Genomfor();
}

ForbereddSkrivning ForberedRedovisning(const Bokforingsdata &data, const std::string &sokvag) {
    const Postdelar delar = {
        {data.Poster.data() + 1, static_cast<std::size_t>(std::max(data.Postantal, 0))}};
    std::string namnrad = Namnrad(data.Redovisningsnamn, delar);
    return ForbereddSkrivning(
        sokvag,
        [&](const Skrivmal &skriv) { SkrivRedovisningstext(skriv, std::move(namnrad), delar); },
        true);
}

void SkrivRedovisningsfil(const std::string &sokvag, const std::string &namn,
                          const std::vector<TPost> &poster) {
    SkrivRedovisningsfil(sokvag, namn, {std::span<const TPost>(poster)});
}

void SkrivRedovisningsfil(const std::string &sokvag, const std::string &namn, Postdelar delar) {
    std::string namnrad = Namnrad(namn, delar);
    SkrivFilSakertMedKopior(sokvag, [&](const Skrivmal &skriv) {
        SkrivRedovisningstext(skriv, std::move(namnrad), delar);
    });
}

void SkapaRedovisningsfil(const std::string &sokvag, const std::string &namn) {
    SkrivFilSakertMedKopior(sokvag, RedovisningBytes(namn, nullptr, 0));
}

} // namespace tovana
