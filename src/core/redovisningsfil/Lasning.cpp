// Reading the ledger file (format in core/Redovisningsfil.h). A big file is
// read in pieces by two threads, each taking about half its lines; a small
// file, or a big one with anything out of the ordinary, is read whole by one
// thread, which names the line that does not convert.

#include "core/Fel.h"
#include "core/Kodningsfynd.h"
#include "core/Plattform.h"
#include "core/Redovisningsfil.h"
#include "core/Storsidor.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"
#include "core/redovisningsfil/Delning.h"
#include "core/redovisningsfil/Postradtolkning.h"
#include "core/redovisningsfil/Styckelasning.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <iterator>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovana {

namespace {

// How many LF bytes the text holds, sixteen at a time where the processor
// compares that many at once: a plain count went a byte at a time and was a
// tenth of opening a big ledger.
std::size_t AntalLf(std::string_view text) {
    std::size_t antal = 0, i = 0;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + kSse2Bredd <= text.size(); i += kSse2Bredd) {
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

// The UTF-8 byte order mark a file may begin with (see Tolka).
constexpr std::string_view kByteordningsmarke = "\xEF\xBB\xBF";

// Files from this size on are read by two threads, each taking about half the lines.
constexpr std::size_t kDelasFranByte = std::size_t{1} << 20;

// The buffer in which the end of one line is looked for: a post line is far
// shorter, and a longer line grows it.
constexpr std::size_t kRadslutsbuffert = std::size_t{4} << 10;

// No post line is shorter than eight bytes ("1;;1;1;1" and its line end).
constexpr double kKortastePostrad = 8.0;

// How many lines a file holds is judged from samples: this many, of this
// many bytes each, spread evenly over the file.
constexpr int kProv = 16;
constexpr std::size_t kProvbytes = std::size_t{16} << 10;

// A count of lines judged from samples, with a quarter more room for a file
// whose lines run shorter than the samples' (room never used costs no memory).
std::size_t MedMarginal(std::size_t rader) {
    return rader * 5 / 4;
}

// The end of the line that byte `fran` falls in, as a line reader of the bytes
// from there finds it (so a CR LF split by `fran` gives an empty line first).
std::uint64_t RadslutEfter(const Lasbarfil &fil, std::uint64_t fran) {
    Styckelasare lasare(fil, fran, Styckelasare::kFilslut, kRadslutsbuffert);
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
    b.radbytes = std::max(matt[matt.size() / 2], kKortastePostrad);
    // The shortest sample's lines are at least two thirds of the longest's.
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
// until a line does not convert or another thread has given up. `foreFlytt`
// as for LasPoster.
Delresultat LasStycken(Styckelasare &lasare, Radlasare forsta, Filkodning kodning,
                       Postlasning lasning, std::vector<TPost> &poster, std::atomic<bool> &avbrutet,
                       const std::function<void()> *foreFlytt = nullptr) {
    Delresultat resultat;
    Radlasare rader = forsta;
    std::string_view stycke;
    for (;;) {
        if (LasPoster(rader, kodning, lasning, poster, foreFlytt)) {
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
    char borjan[kByteordningsmarke.size()] = {};
    Kodningsfynd fynd;
    fynd.byteordning = fil->Las(0, borjan, sizeof borjan) == sizeof borjan &&
                       std::string_view(borjan, sizeof borjan) == kByteordningsmarke;
    const std::uint64_t start = fynd.byteordning ? kByteordningsmarke.size() : 0;
    const std::uint64_t poststart = RadslutEfter(*fil, start);
    if (storlek <= poststart || storlek - poststart < kDelasFranByte)
        return std::nullopt;
    // Just past the line end that ends the line the split point falls in.
    const std::uint64_t delning = RadslutEfter(*fil, poststart + ForstaDelen(storlek - poststart));
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
    const auto rader =
        MedMarginal(static_cast<std::size_t>(static_cast<double>(storlek) / radbytes));
    innehall.poster.reserve(Tabellrum(rader));
    BeOmStoraSidor(innehall.poster.data(), innehall.poster.capacity() * sizeof(TPost));
    if (tabellform)
        innehall.poster.emplace_back();

    // Where in the table the second part's posts will go, judged likewise.
    const std::size_t forstaRader =
        innehall.poster.size() +
        static_cast<std::size_t>(static_cast<double>(delning - start) / radbytes);
    // The table as sized here, before the second thread starts. The second
    // thread's page hint touches it only under `vakt` and only while it has
    // not moved: the first thread, which owns it, says under `vakt` that it
    // has before the table first outgrows this room (a file whose lines run
    // shorter than the samples'), and from then on the hint is left out. Once
    // freed, the old table's pages may belong to anything.
    const std::span<TPost> bord(innehall.poster.data(), innehall.poster.capacity());
    struct {
        std::mutex las;
        bool flyttad = false;
    } vakt;
    const std::function<void()> foreFlytt = [&vakt] {
        const std::lock_guard las(vakt.las);
        vakt.flyttad = true;
    };
    Styckelasare andra(*fil, delning);
    std::vector<TPost> andraPoster;
    std::atomic<bool> avbrutet = false;
    auto senare = Samtidigt([&] {
        // A few posts more, so that a short count does not move a small part.
        andraPoster.reserve(MedMarginal(static_cast<std::size_t>(
                                static_cast<double>(storlek - delning) / radbytes)) +
                            16);
        BeOmStoraSidor(andraPoster.data(), andraPoster.capacity() * sizeof(TPost));
        auto resultat = LasStycken(andra, Radlasare({}), kodning, lasning, andraPoster, avbrutet);
        // While the first part is still being read, the memory the second
        // part's posts move into is cleared here: that wait was the join's.
        // Only when the samples agree: a guess elsewhere would fill pages the
        // posts never use. The pages filled reach a sixteenth of the first
        // part's judged count to either side of where its posts are judged to end.
        if (!bedomning.jamn)
            return resultat;
        const std::size_t fran = std::min(bord.size(), forstaRader - forstaRader / 16);
        const std::size_t till =
            std::min(bord.size(), forstaRader + forstaRader / 16 + andraPoster.size() + 1);
        const std::lock_guard las(vakt.las);
        if (!vakt.flyttad)
            FyllISidor(bord.data() + fran, (till - fran) * sizeof(TPost));
        return resultat;
    });
    Delresultat forstaDel;
    try {
        forstaDel = LasStycken(forsta, forstarader, kodning, lasning, innehall.poster, avbrutet,
                               &foreFlytt);
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
    innehall.poster.reserve(Tabellrum(antal));
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
    const std::size_t rader = AntalLf(fil.bytes);
    innehall.poster.reserve(Tabellrum(rader));
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

} // namespace tovana
