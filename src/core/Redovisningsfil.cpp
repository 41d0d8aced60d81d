#include "core/Redovisningsfil.h"

#include "core/Fel.h"
#include "core/Storsidor.h"
#include "core/Taltext.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <future>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovana {

namespace {

// A field's text, at most `langd` characters; pure ASCII needs no conversion.
std::string Faltets(std::string_view bytes, Filkodning kodning,
                    std::size_t langd = std::string::npos) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            if (kodning == Filkodning::Utf8)
                return ForstaTecken(bytes, langd);
            // Every Windows-1252 byte is one character.
            return FranWindows1252(bytes.substr(0, std::min(bytes.size(), langd)));
        }
    return std::string(bytes.substr(0, std::min(bytes.size(), langd)));
}

int32_t Heltal(std::string_view bytes, Filkodning kodning) {
    // One to nine digits and nothing else, as nearly every field holds, are
    // read here: the general reading's blanks, signs and hexadecimal cost a
    // few milliseconds at a million posts.
    if (!bytes.empty() && bytes.size() <= 9) {
        int32_t tal = 0;
        std::size_t i = 0;
        for (; i < bytes.size(); ++i) {
            const unsigned siffra = static_cast<unsigned char>(bytes[i]) - unsigned{'0'};
            if (siffra > 9)
                break;
            tal = tal * 10 + static_cast<int32_t>(siffra);
        }
        if (i == bytes.size())
            return tal;
    }
    int32_t v = 0;
    if (ForsokTextTillHeltal(bytes, v))
        return v;
    return TextTillHeltal(Faltets(bytes, kodning)); // raises with the field's text
}

const std::string kDatumOchText = "Datum och text";

// Runs the work in a thread of its own; when the system gives no more threads,
// it is run by the caller when its result is asked for.
template <typename Arbete> auto Samtidigt(Arbete arbete) {
    try {
        return std::async(std::launch::async, arbete);
    } catch (const std::system_error &) {
        return std::async(std::launch::deferred, arbete);
    }
}

TPost LasPostrad(std::string_view rad, Filkodning kodning, Postlasning lasning) {
    // Six fields each end at a ";"; a field without its ";" is empty, so a line cut
    // short fails its conversion instead of passing as a post. The text is the rest.
    // Read for balances, a field without its ";" runs to the end of the line.
    const bool saldon = lasning == Postlasning::Saldon;
    // The first six ";" of the line, sixteen bytes compared at once where the
    // processor can (find called memchr for every field, a tenth of opening).
    std::size_t semikolon[6];
    int hittade = 0;
    std::size_t i = 0;
#ifdef __SSE2__
    const __m128i sk = _mm_set1_epi8(';');
    for (; hittade < 6 && i + 16 <= rad.size(); i += 16) {
        auto traffar = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(rad.data() + i)), sk)));
        for (; traffar != 0 && hittade < 6; traffar &= traffar - 1)
            semikolon[hittade++] = i + static_cast<std::size_t>(std::countr_zero(traffar));
    }
#endif
    for (; hittade < 6 && i < rad.size(); ++i)
        if (rad[i] == ';')
            semikolon[hittade++] = i;
    std::string_view falt[7];
    std::size_t pos = 0;
    for (int k = 0; k < 6; ++k) {
        if (k < hittade) {
            falt[k] = rad.substr(pos, semikolon[k] - pos);
            pos = semikolon[k] + 1;
        } else {
            falt[k] = saldon ? rad.substr(pos) : std::string_view{};
            if (saldon)
                pos = rad.size();
        }
    }
    falt[6] = rad.substr(pos);
    TPost post;
    post.vernr = Heltal(falt[0], kodning);
    post.datum = Faltets(falt[1], kodning, kDatumlangd);
    double belopp = 0;
    if (!ForsokTextTillBelopp(falt[2], belopp))
        belopp = TextTillBelopp(Faltets(falt[2], kodning));
    post.belopp = belopp;
    post.debet = Heltal(falt[3], kodning);
    post.kredit = Heltal(falt[4], kodning);
    if (!saldon)
        post.kod = Heltal(falt[5], kodning);
    else if (!ForsokTextTillHeltal(falt[5], post.kod))
        post.kod = 0; // an empty or non-numeric code does not count for balances
    post.text = Faltets(falt[6], kodning, kTextlangd);
    return post;
}

} // namespace

namespace {

// Where a line that does not convert stopped the reading.
struct Lasfel {
    std::string meddelande;
    long rad = 0; // as the reader numbers it
};

// Reads the post lines left in the reader onto the end of `poster`.
std::optional<Lasfel> LasPoster(Radlasare &lasare, Filkodning kodning, Postlasning lasning,
                                std::vector<TPost> &poster) {
    std::string_view rad;
    while (lasare.NastaPostrad(rad)) {
        try {
            poster.push_back(LasPostrad(rad, kodning, lasning));
        } catch (const Korningsfel &fel) {
            return Lasfel{fel.what(), lasare.Radnummer()};
        }
    }
    return std::nullopt;
}

// How many LF bytes the text holds, sixteen at a time where the processor
// compares that many at once: a plain count went a byte at a time and was a
// tenth of opening a big ledger.
std::size_t AntalLf(std::string_view text) {
    std::size_t antal = 0, i = 0;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + i));
        // Cleared bit by bit: a block holds one line end or none, and without a
        // popcount instruction in the baseline std::popcount is a library call.
        for (auto m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf))); m != 0;
             m &= m - 1)
            ++antal;
    }
#endif
    return antal + static_cast<std::size_t>(
                       std::count(text.begin() + static_cast<long>(i), text.end(), '\n'));
}

// Files from this size on are read by two threads, each taking about half the lines.
constexpr std::size_t kDelasFranByte = std::size_t{1} << 20;

// The end of the line that byte `fran` falls in, as a line reader of the bytes
// from there finds it (so a CR LF split by `fran` gives an empty line first).
std::uint64_t RadslutEfter(const Lasbarfil &fil, std::uint64_t fran) {
    Styckelasare lasare(fil, fran, Styckelasare::kFilslut, std::size_t{4} << 10);
    std::string_view stycke, rad;
    if (!lasare.Nasta(stycke))
        return fran;
    Radlasare forsta(stycke);
    forsta.NastaRad(rad);
    return fran + forsta.Position();
}

// How many bytes a line takes, judged from the first piece and from samples
// spread evenly over the rest; `jamn` when they agree within a half.
struct Tabellbedomning {
    double radbytes = 1;
    bool jamn = false;
};

Tabellbedomning BedomTabell(const Lasbarfil &fil, std::string_view forsta) {
    constexpr int kProv = 16;
    constexpr std::size_t kProvbytes = std::size_t{16} << 10;
    std::vector<double> matt;
    const auto mat = [&](std::string_view bytes) {
        if (!bytes.empty())
            matt.push_back(static_cast<double>(bytes.size()) /
                           static_cast<double>(std::max<std::size_t>(AntalLf(bytes), 1)));
    };
    mat(forsta);
    std::string prov(kProvbytes, '\0');
    const std::uint64_t storlek = fil.Storlek();
    for (int i = 1; i < kProv; ++i) {
        const std::uint64_t fran = storlek / kProv * static_cast<std::uint64_t>(i);
        mat(std::string_view(prov.data(), fil.Las(fran, prov.data(), prov.size())));
    }
    // The median, so that a stretch of blank or long lines at a sample's place
    // does not decide for the whole file.
    std::sort(matt.begin(), matt.end());
    Tabellbedomning b;
    // No post line is shorter than eight bytes ("1;;1;1;1" and its line end).
    b.radbytes = std::max(matt[matt.size() / 2], 8.0);
    b.jamn = matt.front() * 3 >= matt.back() * 2;
    return b;
}

// Posts read from one stretch of the file, and what its bytes showed.
struct Delresultat {
    Kodningsfynd fynd;
    bool felrad = false; // a line that did not convert
};

// Reads every post line onto the end of `poster`: the lines left in `forsta`
// (a piece whose bytes the caller has examined), then the reader's pieces,
// until a line does not convert or another thread has given up.
Delresultat LasStycken(Styckelasare &lasare, Radlasare forsta, Filkodning kodning,
                       Postlasning lasning, std::vector<TPost> &poster,
                       std::atomic<bool> &avbrutet) {
    Delresultat resultat;
    Radlasare rader = forsta;
    std::string_view stycke;
    for (;;) {
        if (LasPoster(rader, kodning, lasning, poster)) {
            resultat.felrad = true;
            avbrutet = true;
            return resultat;
        }
        if (avbrutet || !lasare.Nasta(stycke))
            return resultat;
        resultat.fynd.Granska(stycke);
        rader = Radlasare(stycke);
    }
}

// A big ledger read in pieces by two threads, each through a buffer of its own
// that stays in the processor's cache. The whole file was first read into
// fresh memory, then scanned for its encoding and counted for lines: a quarter
// of opening done by one thread before the two could start.
//
// How the file is to be read is known only when every byte has been seen, so
// the first piece's bytes suggest it. Anything out of the ordinary (a NUL byte,
// an encoding other than the one suggested, a line that does not convert, a
// file cut short while being read) gives nothing, and the caller reads the
// whole file the plain way, which tells exactly what is wrong, and where.
std::optional<Redovisningsinnehall> LasIStycken(const std::string &sokvag, Postlasning lasning,
                                                bool tabellform) {
    std::optional<Lasbarfil> fil;
    try {
        fil.emplace(sokvag);
    } catch (const Korningsfel &) {
        return std::nullopt;
    }
    const std::uint64_t storlek = fil->Storlek();
    if (storlek < kDelasFranByte)
        return std::nullopt;
    char borjan[3] = {};
    Kodningsfynd fynd;
    fynd.byteordning = fil->Las(0, borjan, 3) == 3 && std::string_view(borjan, 3) == "\xEF\xBB\xBF";
    const std::uint64_t start = fynd.byteordning ? 3 : 0;
    const std::uint64_t poststart = RadslutEfter(*fil, start);
    if (storlek <= poststart || storlek - poststart < kDelasFranByte)
        return std::nullopt;
    // Just past the line end that ends the line the split point falls in.
    const std::uint64_t delning = RadslutEfter(*fil, poststart + (storlek - poststart) * 11 / 20);
    if (delning >= storlek)
        return std::nullopt;

    Styckelasare forsta(*fil, start, delning);
    std::string_view stycke, rad;
    if (!forsta.Nasta(stycke))
        return std::nullopt;
    fynd.Granska(stycke);
    const Filkodning kodning = fynd.Kodning();
    Radlasare forstarader(stycke);
    Redovisningsinnehall innehall;
    innehall.kodning = kodning;
    if (forstarader.NastaRad(rad))
        innehall.namn = ForstaTecken(Avkoda(rad, kodning), kNamnlangd);

    // The table's room is judged from the lines of samples spread over the
    // file (the first piece alone misjudged a ledger that begins with blank
    // lines by the hundreds of megabytes); room never used costs no memory,
    // and a table judged too small grows as it must.
    const Tabellbedomning bedomning = BedomTabell(*fil, stycke);
    const double radbytes = bedomning.radbytes;
    const auto rader = static_cast<std::size_t>(static_cast<double>(storlek) / radbytes) * 5 / 4;
    innehall.poster.reserve(rader + 2 + 1024 + rader / 64);
    BeOmStoraSidor(innehall.poster.data(), innehall.poster.capacity() * sizeof(TPost));
    if (tabellform)
        innehall.poster.emplace_back();

    // Where in the table the second part's posts will go, judged likewise.
    const std::size_t forstaRader =
        innehall.poster.size() +
        static_cast<std::size_t>(static_cast<double>(delning - start) / radbytes);
    const std::span<TPost> bord(innehall.poster.data(), innehall.poster.capacity());
    Styckelasare andra(*fil, delning);
    std::vector<TPost> andraPoster;
    std::atomic<bool> avbrutet = false;
    auto senare = Samtidigt([&] {
        andraPoster.reserve(
            static_cast<std::size_t>(static_cast<double>(storlek - delning) / radbytes) * 5 / 4 +
            16);
        BeOmStoraSidor(andraPoster.data(), andraPoster.capacity() * sizeof(TPost));
        auto resultat = LasStycken(andra, Radlasare({}), kodning, lasning, andraPoster, avbrutet);
        // While the first part is still being read, the memory the second
        // part's posts move into is cleared here: that wait was the join's.
        // Only when the samples agree: a guess elsewhere would fill pages the
        // posts never use.
        if (!bedomning.jamn)
            return resultat;
        const std::size_t fran = std::min(bord.size(), forstaRader - forstaRader / 16);
        const std::size_t till =
            std::min(bord.size(), forstaRader + forstaRader / 16 + andraPoster.size() + 1);
        FyllISidor(bord.data() + fran, (till - fran) * sizeof(TPost));
        return resultat;
    });
    Delresultat forstaDel;
    try {
        forstaDel = LasStycken(forsta, forstarader, kodning, lasning, innehall.poster, avbrutet);
    } catch (const Korningsfel &) {
        avbrutet = true;
        forstaDel.felrad = true;
    }
    Delresultat andraDel;
    try {
        andraDel = senare.get();
    } catch (const Korningsfel &) {
        andraDel.felrad = true;
    }
    fynd.Lagg(forstaDel.fynd);
    fynd.Lagg(andraDel.fynd);
    if (forstaDel.felrad || andraDel.felrad || forsta.Avkortad() || fynd.nul || fynd.Motsagelse() ||
        fynd.Kodning() != kodning)
        return std::nullopt;
    const std::size_t antal = innehall.poster.size() + andraPoster.size();
    innehall.poster.reserve(antal + 2 + 1024 + antal / 64);
    innehall.poster.insert(innehall.poster.end(), std::make_move_iterator(andraPoster.begin()),
                           std::make_move_iterator(andraPoster.end()));
    return innehall;
}

// Reads the ledger; with `tabellform` the posts start at slot 1 behind an empty
// slot 0, as the program keeps them.
Redovisningsinnehall LasInnehall(const std::string &sokvag, Postlasning lasning, bool tabellform) {
    // A ledger beside which an append's intent was left is read the plain way,
    // as of before that append when it is torn (see LaggTillIFil).
    const bool avsikt = HarTillaggsavsikt(sokvag);
    if (!avsikt)
        if (auto innehall = LasIStycken(sokvag, lasning, tabellform))
            return std::move(*innehall);
    // A small file, or a big one with something out of the ordinary, is read
    // whole by one thread, which names a line that does not convert by its number.
    Filtext fil = Tolka(avsikt ? LasFilUtanHalvtTillagg(sokvag) : LasFil(sokvag), sokvag);
    Redovisningsinnehall innehall;
    innehall.kodning = fil.kodning;
    // Room for the empty slot 0 of the table and for the posts keyed next, so
    // that the posts read never move. Room never used costs no memory.
    const std::size_t rader = AntalLf(fil.bytes);
    innehall.poster.reserve(rader + 2 + 1024 + rader / 64);
    BeOmStoraSidor(innehall.poster.data(), innehall.poster.capacity() * sizeof(TPost));
    if (tabellform)
        innehall.poster.emplace_back();
    std::string_view rad;
    Radlasare lasare(fil.bytes);
    if (lasare.NastaRad(rad))
        innehall.namn = ForstaTecken(Avkoda(rad, fil.kodning), kNamnlangd);
    if (auto fel = LasPoster(lasare, fil.kodning, lasning, innehall.poster))
        throw Radfel(fel->meddelande, sokvag, fel->rad);
    return innehall;
}

} // namespace

Redovisningsinnehall LasRedovisningsfil(const std::string &sokvag, Postlasning lasning) {
    return LasInnehall(sokvag, lasning, false);
}

Redovisningsinnehall LasRedovisningstabell(const std::string &sokvag) {
    return LasInnehall(sokvag, Postlasning::Hel, true);
}

void SattInRedovisning(Bokforingsdata &data, Redovisningsinnehall innehall) {
    auto &tabell = innehall.poster;
    if (tabell.empty())
        tabell.emplace_back();
    const auto antal = static_cast<int32_t>(tabell.size() - 1);
    if (tabell.size() < data.Poster.size())
        tabell.resize(data.Poster.size());
    data.Redovisningsnamn = std::move(innehall.namn);
    data.Poster = std::move(tabell);
    data.Postantal = antal;
    data.RedovisningLastSomUtf8 = innehall.kodning == Filkodning::Utf8;
}

void LasRedovisning(Bokforingsdata &data, const std::string &sokvag) {
    SattInRedovisning(data, LasRedovisningstabell(sokvag));
}

std::string Postrad(const TPost &post, std::string_view beloppstext) {
    std::string rad;
    rad.reserve(32 + post.datum.size() + post.text.size());
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
    // Room for the longest lines the program writes (numbers of eleven
    // characters, an amount of up to 24, a date of 8 and a text of 100, one
    // byte each): a guess of 48 bytes a line made the text grow twice through
    // fresh memory for a ledger of longer lines. Room never used costs no memory.
    std::string ut;
    ut.reserve(antal * 192);
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
    constexpr std::size_t kStycke = std::size_t{1} << 20;
    std::string ut = std::move(forst);
    ut.reserve(kStycke + 1024);
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
// The first part is a little more than half: the other thread starts later
// and fills fresh memory.
void SkrivRedovisningstext(const Skrivmal &skriv, std::string namnrad, Postdelar delar) {
    std::size_t antal = 0;
    for (const auto del : delar)
        antal += del.size();
    if (antal < kDelningsgrans) {
        SkrivPostrader(skriv, std::move(namnrad), Dela(delar, antal).first, 1, delar);
        return;
    }
    const std::size_t forsta = antal * 11 / 20;
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
