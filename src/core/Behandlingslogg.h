#pragma once
// The change log of a ledger, "<ledger file>.logg": the processing history that
// shows what was registered and changed in the books, when, and by whom. It
// lies beside its ledger, only grows (nothing in it is ever rewritten), and is
// Windows-1252 text with CR LF line ends that any text editor reads.
//
// A record is a heading line and the post lines it concerns, each as the
// ledger holds it, "-" before a line that went and "+" before one that came:
//
//     #2026-03-02 14:05:09;anna@kontoret;Ny post
//     +12;20260302;1250;1930;3010;0;Försäljning kontant
//     #2026-03-04 09:12:40;anna@kontoret;Ändrad post
//     -12;20260302;1250;1930;3010;0;Försäljning kontant
//     +12;20260302;1520;1930;3010;0;Försäljning kontant
//
// The heading's third field says what happened (the kinds below); a "Nytt
// namn" record's lines are the ledger's name line before and after. A log
// starts with "Loggen börjar", the number of posts and a checksum of the
// ledger as it then was, so that replaying the records from there tells the
// ledger the log speaks of. A record is written, and synced, before the ledger
// changes; a change that then never reached the ledger (the program was
// killed, or the write failed) is followed by an "Ej genomförd" record.
//
// The log is written only under its ledger's write lock (see Skrivlas.h).

#include "core/Bokforingsdata.h"
#include "core/Datum.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// The log of the ledger file at this path: the path and ".logg".
std::string Loggfil(const std::string &redovisningsfil);

// What a record's heading says happened.
namespace loggtyp {
inline const std::string kNyPost = "Ny post";
inline const std::string kAndradPost = "Ändrad post";
inline const std::string kRaderadPost = "Raderad post";
inline const std::string kOmsorterad = "Omsorterad";
inline const std::string kNyttNamn = "Nytt namn";
inline const std::string kIBposter = "IB-poster";
inline const std::string kSieImport = "SIE-import";
inline const std::string kMomsavrakning = "Momsavräkning";
inline const std::string kRattelse = "Rättelse";
inline const std::string kLoggenBorjar = "Loggen börjar";
// The beginning of a correction's reversal text: "Rättelse av ver 12: ...".
inline const std::string kRattelseAvVer = "Rättelse av ver ";
// "Ej genomförd: " and the kind of the record whose change never reached the ledger.
inline const std::string kEjGenomford = "Ej genomförd: ";
} // namespace loggtyp

// "Stängd t.o.m. 2026-03-31" and "Öppnad från 2026-03-01: <reason>".
std::string StangdText(const Datum &tom);
std::string OppnadText(const Datum &fran, std::string_view skal);

// A date as ÅÅÅÅ-MM-DD, the form the log writes dates in.
std::string Isodatum(const Datum &datum);

struct Loggpost {
    std::string tid;                    // "2026-03-02 14:05:09", local time
    std::string anvandare;              // "anna@kontoret"
    std::string vad;                    // "Ny post", "Stängd t.o.m. 2026-03-31", ...
    std::vector<std::string> borttagna; // the "-" lines, UTF-8, without the sign
    std::vector<std::string> tillagda;  // the "+" lines

    bool operator==(const Loggpost &) const = default;
};

// When and by whom: the local time as "ÅÅÅÅ-MM-DD HH:MM:SS" and "user@host".
struct Loggstampel {
    std::string tid;
    std::string anvandare;
};

// The stamp of a record made now. Tests put a fixed clock in its place with
// SattLoggklocka; an empty function restores the real one.
Loggstampel NuLoggstampel();
void SattLoggklocka(std::function<Loggstampel()> klocka);

// A record of this kind and these lines, stamped now.
Loggpost NyLoggpost(std::string vad, std::vector<std::string> borttagna = {},
                    std::vector<std::string> tillagda = {});

// The record's bytes: heading and lines, Windows-1252, each ending in CR LF.
// A line break in any field, or a character Windows-1252 cannot hold, raises
// Korningsfel before anything is made.
std::string Loggbytes(const Loggpost &post);

// The records of a log's bytes, in order, given to `besok` one at a time (a
// big log is never held whole). Any line end is read, and UTF-8 as the ledger
// reader takes it; lines before the first heading and lines that are neither
// heading nor post line are passed over. The text of a UTF-16 file raises.
void GaIgenomLogg(std::string_view bytes, const std::string &sokvag,
                  const std::function<void(const Loggpost &)> &besok);

// Every record of the log file; none when there is no file. Bytes of an append
// that a kill left torn are not read. A file that cannot be read raises.
std::vector<Loggpost> LasLogg(const std::string &loggfil);

// Whether the log file exists.
bool LoggFinns(const std::string &loggfil);

// Appends the record to the log file and syncs it, all or nothing; a log that
// does not exist yet is created holding it. Raises Korningsfel, in Swedish and
// naming the log, when it cannot be written; the file is then as it was.
void SkrivLoggpost(const std::string &loggfil, const Loggpost &post);

// The closed-through date the records leave: the date of the last "Stängd"
// record, or the day before that of the last "Öppnad" record when that comes
// later; none when there is neither.
std::optional<Datum> StangdTom(std::span<const Loggpost> poster);

// The day before and after a date.
Datum DagenFore(const Datum &datum);
Datum DagenEfter(const Datum &datum);

// What the log says the ledger holds: how many posts, and a checksum of its
// name line and post lines that does not depend on their order (so that a
// re-sorted ledger keeps it). Two ledgers with the same lines in any order have
// the same sum.
struct Loggsumma {
    int64_t poster = 0;
    uint64_t summa = 0;

    bool operator==(const Loggsumma &) const = default;
};

// The sum of a ledger with this name and these posts, each post's line as the
// ledger file holds it (Postrad).
Loggsumma Redovisningssumma(std::string_view namn, std::span<const TPost> poster);
Loggsumma Redovisningssumma(const Bokforingsdata &data);

// The kind of a log's first record: "Loggen börjar: 12 poster, kontrollsumma
// 0123456789abcdef", and the sum read back from one (none from any other text).
std::string LoggenBorjarText(const Loggsumma &summa);
std::optional<Loggsumma> LasLoggenBorjar(std::string_view vad);

// How a ledger stands to its log, found by replaying every record's lines
// from the last "Loggen börjar" on.
enum class Loggutfall {
    IngenLogg,        // no record, or none that the replay can start from
    Stammer,          // the ledger is what the log says
    SistaEjGenomford, // the ledger is as before the last record: its change never came
    Avviker,          // the ledger is neither: it was changed outside the program
};

struct Loggjamforelse {
    Loggutfall utfall = Loggutfall::IngenLogg;
    std::string sistaVad; // the kind of the last record
};

Loggjamforelse JamforMedRedovisning(std::string_view loggbytes, const std::string &sokvag,
                                    const Loggsumma &redovisningen);

// Whether the record registers posts: its lines are posts saved new (a new
// post, opening balances, an SIE import, a VAT settlement, a correction).
bool ArRegistrering(const Loggpost &post);

// When and by whom a verification was first registered.
struct Registrering {
    std::string tid;       // "2026-03-02 14:05:09"
    std::string anvandare; // "anna@kontoret"

    bool operator==(const Registrering &) const = default;
};

// The first registration of every verification number the records' registering
// lines name; a number no such line names has none. A record followed by "Ej
// genomförd" registered nothing, its change never having reached the ledger.
std::map<int32_t, Registrering> Registreringar(std::span<const Loggpost> logg);
// The same of the log file, read record by record; none when there is no log.
std::map<int32_t, Registrering> Registreringar(const std::string &loggfil);

// Writes the record of a change about to be made to the ledger in `data` to
// its file's log, synced, before the change: a ledger without a log first
// gets one that begins with the ledger as it now stands. Raises, and nothing
// is written, when the log cannot be; the change must then not be made.
void LoggaAndring(const Bokforingsdata &data, const Loggpost &post);

// After a change whose record was written failed to reach the ledger: says so
// in the log ("Ej genomförd: " and its kind) as far as the log can be written.
void LoggaEjGenomford(const Bokforingsdata &data, const std::string &vad) noexcept;

// The record of a change, made and written (LoggaAndring), then the change
// itself; when the change raises, its "Ej genomförd" record follows and the
// error goes on to the caller.
template <typename Andring>
void MedLogg(const Bokforingsdata &data, const Loggpost &post, Andring &&andring) {
    LoggaAndring(data, post);
    try {
        andring();
    } catch (...) {
        LoggaEjGenomford(data, post.vad);
        throw;
    }
}

// Begins the log of a ledger about to be made new under this name (an SIE
// import): "Loggen börjar" with the empty ledger of that name, then the record
// of what is put in it, synced, in one new file. A ledger file that already
// has a log is refused (KontrolleraUtanLogg) and nothing is written.
void BorjaNyLogg(const std::string &redovisningsfil, std::string_view namn, const Loggpost &post);

// As LoggaEjGenomford, for the log of the ledger file at this path.
void LoggaEjGenomford(const std::string &redovisningsfil, const std::string &vad) noexcept;

// Raises, in Swedish, when the ledger file at this path has a log: a new
// ledger written over it would leave the books' history speaking of another
// ledger, or lose it.
void KontrolleraUtanLogg(const std::string &redovisningsfil);

// What opening a ledger finds in its log: whether there is one, the
// closed-through date its records leave, and (when asked) how the ledger
// stands to it. Nothing is read, and nothing computed, when there is no log.
struct Loggvidoppning {
    bool finns = false;
    std::optional<Datum> stangdTom;
    Loggjamforelse jamforelse;
};

// Reads the log of the ledger file at this path, the ledger being this name
// and these posts (in file order). `jamfor` replays the log against them
// (JamforMedRedovisning), which only a window that may write the ledger
// needs. A log that cannot be read raises.
Loggvidoppning LasLoggVidOppning(const std::string &redovisningsfil, std::string_view namn,
                                 std::span<const TPost> poster, bool jamfor);

// Once the ledger opened is the one in `data`: takes the closed-through date,
// and, when the window holds the ledger's write lock, brings the log in line
// with the ledger: a last change that never reached it gets its "Ej genomförd"
// record, and a ledger changed outside the program a new "Loggen börjar" of it
// as it now is. Returns what the user is told of that (empty when nothing).
std::string OrdnaLoggVidOppning(Bokforingsdata &data, const Loggvidoppning &logg);

// Whether a post with this date lies in the ledger's closed period (on or
// before StangdTom). A date the date rule cannot read lies in no period.
bool IStangdPeriod(const Bokforingsdata &data, std::string_view datum);

// Raises, in Swedish, that the post lies in a closed period and how to correct
// it, when its date does (IStangdPeriod).
void KontrolleraOppenPeriod(const Bokforingsdata &data, const TPost &post);

// What the user is told of a post in a closed period.
std::string StangdPeriodText(const Bokforingsdata &data, const TPost &post);

// The verification numbers of a record's lines (the first field of each post
// line), in order, each once, and for a "Rättelse" record also the
// verifications it corrects (named in its reversal's text); none for a "Nytt
// namn" record.
std::vector<int32_t> Verifikationsnummer(const Loggpost &post);

} // namespace tovana
