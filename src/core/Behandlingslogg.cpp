#include "core/Behandlingslogg.h"

#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <ctime>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tovana {

std::string Loggfil(const std::string &redovisningsfil) {
    return redovisningsfil + ".logg";
}

std::string Isodatum(const Datum &datum) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", datum.ar, datum.manad, datum.dag);
    return text;
}

std::string StangdText(const Datum &tom) {
    return "Stängd t.o.m. " + Isodatum(tom);
}

std::string OppnadText(const Datum &fran, std::string_view skal) {
    return "Öppnad från " + Isodatum(fran) + ": " + std::string(skal);
}

namespace {

std::function<Loggstampel()> &Klocka() {
    static std::function<Loggstampel()> klocka;
    return klocka;
}

// "user@host": the name of the user the program runs as (its number when the
// system knows no name) and the machine's name.
std::string Anvandare() {
    std::string namn;
    const uid_t uid = ::geteuid();
    long storlek = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buf(storlek > 0 ? static_cast<std::size_t>(storlek) : 16384);
    struct passwd pw {};
    struct passwd *hittad = nullptr;
    if (::getpwuid_r(uid, &pw, buf.data(), buf.size(), &hittad) == 0 && hittad && pw.pw_name)
        namn = pw.pw_name;
    if (namn.empty())
        namn = std::to_string(uid);
    char vard[256] = {};
    if (::gethostname(vard, sizeof vard - 1) != 0 || vard[0] == 0)
        std::snprintf(vard, sizeof vard, "%s", "okand");
    return namn + "@" + vard;
}

} // namespace

Loggstampel NuLoggstampel() {
    if (Klocka())
        return Klocka()();
    const std::time_t nu = std::time(nullptr);
    std::tm tid{};
    ::localtime_r(&nu, &tid);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tid);
    return {text, Anvandare()};
}

void SattLoggklocka(std::function<Loggstampel()> klocka) {
    Klocka() = std::move(klocka);
}

Loggpost NyLoggpost(std::string vad, std::vector<std::string> borttagna,
                    std::vector<std::string> tillagda) {
    Loggstampel stampel = NuLoggstampel();
    return {std::move(stampel.tid), std::move(stampel.anvandare), std::move(vad),
            std::move(borttagna), std::move(tillagda)};
}

std::string Loggbytes(const Loggpost &post) {
    const std::string falt = "Behandlingshistorikens rader";
    std::string text;
    auto rad = [&](char tecken, const std::string &innehall) {
        KontrolleraUtanRadbrytning(innehall, falt);
        text += tecken;
        text += innehall;
        text += "\r\n";
    };
    for (const std::string *del : {&post.tid, &post.anvandare})
        if (del->find(';') != std::string::npos)
            throw Korningsfel("Behandlingshistorikens tid och användare får inte innehålla ';'.");
    rad('#', post.tid + ";" + post.anvandare + ";" + post.vad);
    for (const std::string &borta : post.borttagna)
        rad('-', borta);
    for (const std::string &ny : post.tillagda)
        rad('+', ny);
    return TillWindows1252Fil(text, 0);
}

void GaIgenomLogg(std::string_view bytes, const std::string &sokvag,
                  const std::function<void(const Loggpost &)> &besok) {
    const Filtext fil = Tolka(std::string(bytes), sokvag);
    Radlasare lasare(fil.bytes);
    std::optional<Loggpost> aktuell;
    std::string_view rad;
    while (lasare.NastaRad(rad)) {
        if (rad.empty())
            continue;
        const char tecken = rad.front();
        const std::string innehall = Avkoda(rad.substr(1), fil.kodning);
        if (tecken == '#') {
            if (aktuell)
                besok(*aktuell);
            aktuell.emplace();
            const std::size_t forsta = innehall.find(';');
            const std::size_t andra =
                forsta == std::string::npos ? std::string::npos : innehall.find(';', forsta + 1);
            if (andra == std::string::npos) {
                aktuell->vad = innehall;
                continue;
            }
            aktuell->tid = innehall.substr(0, forsta);
            aktuell->anvandare = innehall.substr(forsta + 1, andra - forsta - 1);
            aktuell->vad = innehall.substr(andra + 1);
        } else if (aktuell && tecken == '-') {
            aktuell->borttagna.push_back(innehall);
        } else if (aktuell && tecken == '+') {
            aktuell->tillagda.push_back(innehall);
        }
    }
    if (aktuell)
        besok(*aktuell);
}

bool LoggFinns(const std::string &loggfil) {
    struct stat st {};
    return ::stat(loggfil.c_str(), &st) == 0;
}

std::vector<Loggpost> LasLogg(const std::string &loggfil) {
    std::vector<Loggpost> poster;
    if (!LoggFinns(loggfil))
        return poster;
    GaIgenomLogg(LasFilUtanHalvtTillagg(loggfil), loggfil,
                 [&](const Loggpost &post) { poster.push_back(post); });
    return poster;
}

namespace {

// Writes a log's bytes all or none: a log that does not exist yet is made
// holding them, an existing one has them appended. A failure says that the
// change the bytes speak of was not made.
void SkrivLoggbytes(const std::string &loggfil, const std::string &bytes) {
    try {
        if (LoggFinns(loggfil))
            LaggTillKortIFil(loggfil, bytes);
        else
            SkrivFilSakert(loggfil, bytes);
    } catch (const Korningsfel &fel) {
        throw Korningsfel("Behandlingshistoriken kunde inte skrivas, så ingenting ändrades.\n" +
                          std::string(fel.what()));
    }
}

// The bytes of a log's beginning, stamped as the record that follows it.
std::string Borjanbytes(const Loggpost &post, const Loggsumma &summa) {
    return Loggbytes(Loggpost{post.tid, post.anvandare, LoggenBorjarText(summa), {}, {}});
}

} // namespace

void SkrivLoggpost(const std::string &loggfil, const Loggpost &post) {
    SkrivLoggbytes(loggfil, Loggbytes(post));
}

std::optional<Datum> StangdTom(std::span<const Loggpost> poster) {
    static const std::string stangd = "Stängd t.o.m. ";
    static const std::string oppnad = "Öppnad från ";
    for (auto post = poster.rbegin(); post != poster.rend(); ++post) {
        const std::string &vad = post->vad;
        if (vad.starts_with(stangd)) {
            if (auto datum = LasDatum(std::string_view(vad).substr(stangd.size(), 10)))
                return datum;
        } else if (vad.starts_with(oppnad)) {
            if (auto datum = LasDatum(std::string_view(vad).substr(oppnad.size(), 10)))
                return DagenFore(*datum);
        }
    }
    return std::nullopt;
}

Datum DagenFore(const Datum &datum) {
    if (datum.dag > 1)
        return {datum.ar, datum.manad, datum.dag - 1};
    if (datum.manad > 1)
        return {datum.ar, datum.manad - 1, DagarIManad(datum.ar, datum.manad - 1)};
    return {datum.ar - 1, 12, 31};
}

Datum DagenEfter(const Datum &datum) {
    if (datum.dag < DagarIManad(datum.ar, datum.manad))
        return {datum.ar, datum.manad, datum.dag + 1};
    if (datum.manad < 12)
        return {datum.ar, datum.manad + 1, 1};
    return {datum.ar + 1, 1, 1};
}

namespace {

// Eight bytes of a line as one number, the first byte lowest, so that a sum
// written into a log reads the same on every machine.
uint64_t Atta(const char *p, std::size_t n) {
    uint64_t w = 0;
    for (std::size_t k = 0; k < n; ++k)
        w |= static_cast<uint64_t>(static_cast<unsigned char>(p[k])) << (8 * k);
    return w;
}

// A line's share of a Loggsumma: a hash of its bytes taken eight at a time,
// behind a tag telling a name line from a post line and its length, mixed at
// the end (splitmix64's finaliser) so that sums of many lines spread over all
// 64 bits. A million post lines hash in a few milliseconds.
uint64_t Radbidrag(char slag, std::string_view rad) {
    uint64_t h = 0x9E3779B97F4A7C15ULL ^
                 (static_cast<uint64_t>(static_cast<unsigned char>(slag)) << 56) ^ rad.size();
    std::size_t i = 0;
    for (; i + 8 <= rad.size(); i += 8) {
        h = (h ^ Atta(rad.data() + i, 8)) * 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 29;
    }
    h = (h ^ Atta(rad.data() + i, rad.size() - i)) * 0x94d049bb133111ebULL;
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebULL;
    h ^= h >> 31;
    return h;
}

constexpr char kNamnrad = 'N';
constexpr char kPostrad = 'P';

// A post line as the ledger holds it once rewritten: a line saved as typed
// ("1250,50") is written back as Postrad makes it ("1250,5"), so the log's
// lines count in that form. A line that does not read as a post counts as it is.
uint64_t Postbidrag(const std::string &rad) {
    if (const std::optional<TPost> post = TolkaPostrad(rad))
        return Radbidrag(kPostrad, Postrad(*post));
    return Radbidrag(kPostrad, rad);
}

void Tillampa(Loggsumma &summa, const Loggpost &post) {
    const bool namn = post.vad == loggtyp::kNyttNamn;
    auto bidrag = [&](const std::string &rad) {
        return namn ? Radbidrag(kNamnrad, rad) : Postbidrag(rad);
    };
    for (const std::string &rad : post.borttagna)
        summa.summa -= bidrag(rad);
    for (const std::string &rad : post.tillagda)
        summa.summa += bidrag(rad);
    const char slag = namn ? kNamnrad : kPostrad;
    if (slag == kPostrad)
        summa.poster += static_cast<int64_t>(post.tillagda.size()) -
                        static_cast<int64_t>(post.borttagna.size());
}

} // namespace

Loggsumma Redovisningssumma(std::string_view namn, std::span<const TPost> poster) {
    // The lines' shares only add, so a big ledger is summed by two threads,
    // each over its half (as its lines are made for a rewrite).
    auto summera = [](std::span<const TPost> del) {
        uint64_t summa = 0;
        for (const TPost &post : del)
            summa += Radbidrag(kPostrad, Postrad(post));
        return summa;
    };
    uint64_t summa = Radbidrag(kNamnrad, namn);
    if (poster.size() >= kDelningsgrans) {
        const std::size_t halva = poster.size() / 2;
        uint64_t forsta = 0;
        std::thread trad([&] { forsta = summera(poster.first(halva)); });
        summa += summera(poster.subspan(halva));
        trad.join();
        summa += forsta;
    } else {
        summa += summera(poster);
    }
    return {static_cast<int64_t>(poster.size()), summa};
}

Loggsumma Redovisningssumma(const Bokforingsdata &data) {
    return Redovisningssumma(data.Redovisningsnamn, data.Posterna());
}

std::string LoggenBorjarText(const Loggsumma &summa) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(summa.summa));
    return loggtyp::kLoggenBorjar + ": " + std::to_string(summa.poster) +
           " poster, kontrollsumma " + hex;
}

std::optional<Loggsumma> LasLoggenBorjar(std::string_view vad) {
    const std::string borjan = loggtyp::kLoggenBorjar + ": ";
    if (!vad.starts_with(borjan))
        return std::nullopt;
    vad.remove_prefix(borjan.size());
    Loggsumma summa;
    auto [slut, fel] = std::from_chars(vad.data(), vad.data() + vad.size(), summa.poster);
    if (fel != std::errc() || summa.poster < 0)
        return std::nullopt;
    vad.remove_prefix(static_cast<std::size_t>(slut - vad.data()));
    const std::string_view mitt = " poster, kontrollsumma ";
    if (!vad.starts_with(mitt))
        return std::nullopt;
    vad.remove_prefix(mitt.size());
    if (vad.size() != 16)
        return std::nullopt;
    auto [hexslut, hexfel] = std::from_chars(vad.data(), vad.data() + vad.size(), summa.summa, 16);
    if (hexfel != std::errc() || hexslut != vad.data() + vad.size())
        return std::nullopt;
    return summa;
}

namespace {

// The replay of a log's records, one at a time: what the ledger should hold
// after them, and before the last of them.
class Aterspelning {
public:
    void Ta(const Loggpost &post) {
        sistaVad_ = post.vad;
        if (auto borjan = LasLoggenBorjar(post.vad)) {
            fore_.reset();
            efter_ = borjan;
            return;
        }
        if (post.vad.starts_with(loggtyp::kEjGenomford)) {
            // The change before it never came: the ledger is as before that.
            efter_ = fore_;
            fore_.reset();
            return;
        }
        fore_ = efter_;
        if (efter_)
            Tillampa(*efter_, post);
    }

    Loggjamforelse Jamfor(const Loggsumma &redovisningen) const {
        if (!efter_)
            return {Loggutfall::IngenLogg, sistaVad_};
        if (*efter_ == redovisningen)
            return {Loggutfall::Stammer, sistaVad_};
        if (fore_ && *fore_ != *efter_ && *fore_ == redovisningen)
            return {Loggutfall::SistaEjGenomford, sistaVad_};
        return {Loggutfall::Avviker, sistaVad_};
    }

private:
    std::optional<Loggsumma> efter_; // the ledger as the records so far leave it
    std::optional<Loggsumma> fore_;  // as it was before the last record
    std::string sistaVad_;
};

} // namespace

Loggjamforelse JamforMedRedovisning(std::string_view loggbytes, const std::string &sokvag,
                                    const Loggsumma &redovisningen) {
    Aterspelning spel;
    GaIgenomLogg(loggbytes, sokvag, [&](const Loggpost &post) { spel.Ta(post); });
    return spel.Jamfor(redovisningen);
}

std::vector<int32_t> Verifikationsnummer(const Loggpost &post) {
    std::vector<int32_t> nummer;
    if (post.vad == loggtyp::kNyttNamn)
        return nummer;
    auto lagg = [&](const std::string &rad) {
        int32_t n = 0;
        const char *borjan = rad.data();
        while (borjan < rad.data() + rad.size() && *borjan == ' ')
            ++borjan;
        auto [slut, fel] = std::from_chars(borjan, rad.data() + rad.size(), n);
        if (fel == std::errc() && std::find(nummer.begin(), nummer.end(), n) == nummer.end())
            nummer.push_back(n);
    };
    for (const std::string &rad : post.borttagna)
        lagg(rad);
    for (const std::string &rad : post.tillagda)
        lagg(rad);
    if (post.vad == loggtyp::kRattelse)
        for (const std::string &rad : post.tillagda)
            if (const std::optional<TPost> lagd = TolkaPostrad(rad);
                lagd && lagd->text.starts_with(loggtyp::kRattelseAvVer))
                lagg(lagd->text.substr(loggtyp::kRattelseAvVer.size()));
    return nummer;
}

bool ArRegistrering(const Loggpost &post) {
    for (const std::string *slag : {&loggtyp::kNyPost, &loggtyp::kIBposter, &loggtyp::kSieImport,
                                    &loggtyp::kMomsavrakning, &loggtyp::kRattelse})
        if (post.vad == *slag)
            return true;
    return false;
}

namespace {

void LaggTillRegistreringar(std::map<int32_t, Registrering> &registreringar, const Loggpost &post) {
    if (!ArRegistrering(post))
        return;
    for (const std::string &rad : post.tillagda)
        if (const std::optional<TPost> lagd = TolkaPostrad(rad))
            registreringar.try_emplace(lagd->vernr, Registrering{post.tid, post.anvandare});
}

// Takes the records one at a time, each counted once the next shows that its
// change was made: one followed by "Ej genomförd" registered nothing.
class Registrerare {
public:
    void Ta(const Loggpost &post) {
        if (post.vad.starts_with(loggtyp::kEjGenomford)) {
            harVantande_ = false;
            return;
        }
        Slutfor();
        vantande_ = post;
        harVantande_ = true;
    }
    std::map<int32_t, Registrering> Resultat() && {
        Slutfor();
        return std::move(registreringar_);
    }

private:
    void Slutfor() {
        if (harVantande_)
            LaggTillRegistreringar(registreringar_, vantande_);
        harVantande_ = false;
    }
    std::map<int32_t, Registrering> registreringar_;
    Loggpost vantande_;
    bool harVantande_ = false;
};

} // namespace

std::map<int32_t, Registrering> Registreringar(std::span<const Loggpost> logg) {
    Registrerare registrerare;
    for (const Loggpost &post : logg)
        registrerare.Ta(post);
    return std::move(registrerare).Resultat();
}

std::map<int32_t, Registrering> Registreringar(const std::string &loggfil) {
    Registrerare registrerare;
    if (LoggFinns(loggfil))
        GaIgenomLogg(LasFilUtanHalvtTillagg(loggfil), loggfil,
                     [&](const Loggpost &post) { registrerare.Ta(post); });
    return std::move(registrerare).Resultat();
}

void LoggaAndring(const Bokforingsdata &data, const Loggpost &post) {
    const std::string logg = Loggfil(data.Redovisningsfil);
    // A ledger's first record goes into a new file with the beginning before it.
    std::string bytes;
    if (!LoggFinns(logg))
        bytes = Borjanbytes(post, Redovisningssumma(data));
    SkrivLoggbytes(logg, bytes + Loggbytes(post));
}

void LoggaEjGenomford(const Bokforingsdata &data, const std::string &vad) noexcept {
    LoggaEjGenomford(data.Redovisningsfil, vad);
}

void LoggaEjGenomford(const std::string &redovisningsfil, const std::string &vad) noexcept {
    try {
        SkrivLoggpost(Loggfil(redovisningsfil), NyLoggpost(loggtyp::kEjGenomford + vad));
    } catch (...) {
        // The next open for writing finds the change missing and says so then.
    }
}

void KontrolleraUtanLogg(const std::string &redovisningsfil) {
    const std::string logg = Loggfil(redovisningsfil);
    if (LoggFinns(logg))
        throw Korningsfel("Redovisningen " + redovisningsfil + " har en behandlingshistorik (" +
                          logg +
                          "), och en ny redovisning skrivs inte över en redovisning med "
                          "historik. Välj ett annat filnamn, eller arkivera den gamla "
                          "redovisningen tillsammans med sin historik först. Ingenting ändrades.");
}

void BorjaNyLogg(const std::string &redovisningsfil, std::string_view namn, const Loggpost &post) {
    KontrolleraUtanLogg(redovisningsfil);
    SkrivLoggbytes(Loggfil(redovisningsfil),
                   Borjanbytes(post, Redovisningssumma(namn, {})) + Loggbytes(post));
}

Loggvidoppning LasLoggVidOppning(const std::string &redovisningsfil, std::string_view namn,
                                 std::span<const TPost> poster, bool jamfor) {
    Loggvidoppning svar;
    const std::string logg = Loggfil(redovisningsfil);
    if (!LoggFinns(logg))
        return svar;
    svar.finns = true;
    // One pass over the records, a big log never held whole: the last close or
    // reopen record decides the period, and the replay goes along.
    Aterspelning spel;
    GaIgenomLogg(LasFilUtanHalvtTillagg(logg), logg, [&](const Loggpost &post) {
        if (auto tom = StangdTom(std::span<const Loggpost>(&post, 1)))
            svar.stangdTom = tom;
        if (jamfor)
            spel.Ta(post);
    });
    if (jamfor)
        svar.jamforelse = spel.Jamfor(Redovisningssumma(namn, poster));
    return svar;
}

std::string OrdnaLoggVidOppning(Bokforingsdata &data, const Loggvidoppning &logg) {
    data.StangdTom = logg.stangdTom;
    if (!logg.finns || data.RedovisningSkrivskyddad)
        return {};
    const std::string fil = Loggfil(data.Redovisningsfil);
    switch (logg.jamforelse.utfall) {
    case Loggutfall::Stammer:
        return {};
    case Loggutfall::SistaEjGenomford:
        LoggaEjGenomford(data, logg.jamforelse.sistaVad);
        return {};
    case Loggutfall::IngenLogg:
    case Loggutfall::Avviker:
        break;
    }
    // The replay starts afresh from the ledger as it now stands.
    std::string besked;
    if (logg.jamforelse.utfall == Loggutfall::Avviker)
        besked = "Redovisningen " + data.Redovisningsfil +
                 " stämmer inte med sin behandlingshistorik (" + fil +
                 "): den har ändrats utanför programmet sedan historiken senast skrevs. "
                 "Historiken fortsätter från redovisningen som den är nu (\"" +
                 loggtyp::kLoggenBorjar + "\").";
    try {
        SkrivLoggpost(fil, NyLoggpost(LoggenBorjarText(Redovisningssumma(data))));
    } catch (const Korningsfel &fel) {
        if (!besked.empty())
            besked += "\n";
        besked += "Det kunde inte skrivas i behandlingshistoriken:\n" + std::string(fel.what());
    }
    return besked;
}

bool IStangdPeriod(const Bokforingsdata &data, std::string_view datum) {
    if (!data.StangdTom)
        return false;
    const std::optional<Datum> dag = LasDatum(datum);
    return dag && *dag <= *data.StangdTom;
}

std::string StangdPeriodText(const Bokforingsdata &data, const TPost &post) {
    return "Verifikation " + std::to_string(post.vernr) + " (" + post.datum +
           ") ligger i en stängd period (t.o.m. " +
           (data.StangdTom ? Isodatum(*data.StangdTom) : std::string()) +
           ") och kan inte ändras. Rätta den i stället med en rättelseverifikation "
           "(\"Ändra i en redovisad post\", \"Rätta med rättelseverifikation\").";
}

void KontrolleraOppenPeriod(const Bokforingsdata &data, const TPost &post) {
    if (IStangdPeriod(data, post.datum))
        throw Korningsfel(StangdPeriodText(data, post));
}

} // namespace tovana
