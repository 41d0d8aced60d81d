#pragma once
// Reading and writing the program's text files as bytes, safely.
//
// A rewrite goes to a temporary file beside the target ("<file>.tmp-XXXXXX")
// that replaces it only when every byte is written and synced; a failure at any
// step removes the temporary file and leaves the old file as it was. A file the
// user may not write is refused, and a link is followed so that it keeps its
// target. The new file keeps the owner, group and mode of the one it replaces
// (where the user may not give it to its owner, at least its group; where not
// even that, the rewrite is refused and nothing changes), so that a file shared
// through its group stays shared whoever saves it. An append that fails before
// its bytes are durable cuts the file back to its old length, so no partial line
// is left behind; an append of several lines is all or none even when the
// program is killed (see LaggTillIFil). Several files are replaced together by
// preparing each (ForbereddSkrivning) before committing any. Only regular files
// are read or written: a folder, a FIFO or a device is refused without
// blocking. Failures raise Korningsfel with the system's error in Swedish
// (Fel.h) and the file's name.
//
// Line ends: CR LF, LF and a lone CR all end a line when reading, and a file may
// mix them; the program always writes CR LF.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace tovana {

// Where the file really lives: links and relative parts resolved; a file not
// yet created gets its folder resolved and keeps its name; a path whose folder
// cannot be resolved is returned as it stands.
std::string VerkligSokvag(const std::string &sokvag);

// The whole file's bytes.
std::string LasFil(const std::string &sokvag);

// Replaces (or creates) the file with these bytes.
void SkrivFilSakert(const std::string &sokvag, std::string_view bytes);

// As SkrivFilSakert, keeping the file being replaced as "<file>.1". When the new
// content is complete and synced, just before it takes the file's place, the
// older copies move one step (.4 to .5, ..., .1 to .2; the old .5 is dropped) and
// the current file is hard-linked as .1 (copied where a link is not possible).
// A copy that cannot be made costs only the copy: the new content is still
// saved, and no earlier copy is removed but the oldest. Nothing is kept when the
// file does not exist yet. A copy keeps the owner, group and mode of the file it
// was. The ledger and the chart are written this way.
void SkrivFilSakertMedKopior(const std::string &sokvag, std::string_view bytes);

// How many copies ("<file>.1" to "<file>.5") a rewrite keeps.
constexpr int kAntalKopior = 5;

// Removes the copy names "<file>.1" to "<file>.5" that are the file itself (the
// same inode): a rewrite stopped between keeping its copy and replacing the
// file leaves one, and it would change with every append and give the file a
// second name. Nothing is lost, the file holding the same bytes. Call it only
// while no other window can be rewriting the file. Returns how many went.
int SkiljKopiorFranFilen(const std::string &sokvag);

// What a written file's bytes are handed to, piece by piece and in order.
// Opens a file without blocking (a FIFO would wait for a writer) and refuses
// anything but a regular file: the descriptor, or a raised Filfel.
int OppnaVanligFil(const std::string &sokvag, int flaggor);

using Skrivmal = std::function<void(std::string_view)>;

// A rewrite made ready but not yet in the file's place: the constructor writes
// the new content to the temporary file and syncs it (raising, with nothing
// left behind, as SkrivFilSakert raises); Genomfor keeps the copies when asked
// and renames it into place. One never committed is removed by the destructor,
// so that the file stays as it was. Several files that belong together (the
// chart and the ledger of an import) are all prepared before any is committed:
// a failure while writing any of them then leaves every file as it was.
class ForbereddSkrivning {
public:
    // A file made anew takes the owner, group and mode of `forebild` when given.
    ForbereddSkrivning(const std::string &sokvag,
                       const std::function<void(const Skrivmal &)> &innehall, bool kopior,
                       const struct stat *forebild = nullptr);
    ForbereddSkrivning(const std::string &sokvag, std::string_view bytes, bool kopior);
    ~ForbereddSkrivning();
    ForbereddSkrivning(ForbereddSkrivning &&annan) noexcept;
    ForbereddSkrivning(const ForbereddSkrivning &) = delete;
    ForbereddSkrivning &operator=(const ForbereddSkrivning &) = delete;
    ForbereddSkrivning &operator=(ForbereddSkrivning &&) = delete;

    // Puts the new content in the file's place (raising Filfel when the rename
    // fails, the file then as it was).
    void Genomfor();

    // Commits several in order, their copies all kept first, so that only the
    // renames themselves stand between the first file replaced and the last.
    // A failing rename raises; those before it stay committed (Genomford).
    static void GenomforAlla(std::initializer_list<ForbereddSkrivning *> skrivningar);

    bool Genomford() const { return genomford_; }

private:
    void BeharKopior();
    void BytPlats();
    void SynkaMapp() const;

    std::string sokvag_;     // as the caller named it, for messages
    std::string mal_;        // where the file really lives
    std::string tillfallig_; // the temporary file, empty once renamed
    bool kopior_ = false;
    bool finns_ = false; // whether the file existed when prepared
    bool genomford_ = false;
};

// As above, the file's bytes being what `innehall` hands to the function it is
// given, as it makes them: a big file is then never held whole. The file is
// replaced only once `innehall` has returned and every byte is synced; an
// exception from `innehall` leaves the file as it was and is passed on.
void SkrivFilSakertMedKopior(const std::string &sokvag,
                             const std::function<void(const Skrivmal &)> &innehall);

// Appends the bytes to an existing file, opened for appending so that the
// system places them at the end. A last line without CR LF is first completed
// ("\r\n" after nothing, also in an empty file whose only line is the empty
// first line; "\n" after a lone CR), so that no text of the file changes and the
// new line never joins the old one. A failure before the bytes are synced cuts
// the file back and raises; once they are synced the append counts as saved,
// even if closing the file then fails.
//
// An append of several lines is all or none even when the program is killed
// in the middle of the write (a big write is not one step for the system):
//   1. its intent, "<file>.tillagg", is written safely (temporary file, sync,
//      rename): the file's identity, its old length, and the length and
//      checksum of the bytes to come;
//   2. the bytes are appended and synced;
//   3. the intent is removed.
// An intent left behind says the append may be torn: readers take the file as
// of its old length unless every byte the intent names is there
// (LasFilUtanHalvtTillagg), and the next writer cuts the file back or keeps it
// the same way (SlutforTillagg) before it appends. A rewrite of the whole file
// removes a left intent, which no longer speaks of the new file. A single line
// costs what it always has: no intent is written for it. Call it only while
// holding the file's write lock.
void LaggTillIFil(const std::string &sokvag, std::string_view bytes);

// As LaggTillIFil, but bytes of at most kKortTillagg go in one write call
// without an intent, whatever their number of lines, as a single line does: a
// kill does not tear so short a write, and it costs one sync instead of three.
// For a change log's records, whose reader takes them line by line; longer
// bytes are appended as LaggTillIFil does.
constexpr std::size_t kKortTillagg = 4096;
void LaggTillKortIFil(const std::string &sokvag, std::string_view bytes);

// The intent file of appends to this file: "<file>.tillagg" beside where the
// file really lives.
std::string Tillaggsfil(const std::string &sokvag);

// The intent's one line for appending `bytes` to the file as it now stands:
// "tillagg <device> <inode> <old length> <byte count> <checksum>".
std::string Tillaggsavsikt(const std::string &sokvag, std::string_view bytes);

// Finishes what a killed append left, under the file's write lock: a torn
// append (not every byte the intent names is there) is cut back to the old
// length and synced; then the intent is removed (its temporary files, left by
// a kill while it was written, go with RensaTemporarfiler(Tillaggsfil(...))). An
// intent for another file (the file was replaced since) is only removed.
// Returns whether the file was cut back; raises Filfel when it cannot be, the
// intent then kept.
bool SlutforTillagg(const std::string &sokvag);

// Whether an append's intent lies beside the file.
bool HarTillaggsavsikt(const std::string &sokvag);

// LasFil, without the bytes of an append that an intent left behind says is
// torn: the file as of before that append.
std::string LasFilUtanHalvtTillagg(const std::string &sokvag);

// Removes the temporary files a rewrite of this file may have left behind when
// the program was killed: regular files beside it named "<file>.tmp-" and six
// letters or digits, nothing else. Call it only while no other window can be
// rewriting the file. Returns how many were removed; failures are ignored.
int RensaTemporarfiler(const std::string &sokvag);

// The lines of a file's bytes with their line numbers (1-based). A line ends at
// CR LF, LF or a lone CR; each line end counts once.
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

    // Where the next line begins in the bytes.
    std::size_t Position() const { return pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    long radnummer_ = 0;
    long nastaRad_ = 1;
};

} // namespace tovana
