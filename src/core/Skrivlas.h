#pragma once
// The write lock of a chart or ledger file: one window at a time, in this
// process or another, may change a file. The lock is an flock on a file beside
// it, "<file>.lck", never on the file itself: a rewrite renames a new file into
// the old one's place, and a lock on the old one would be lost with it. The
// lock file names its holder in one line, user@machine and process:
//
//     anna@kontoret 4711
//
// The kernel releases the lock when its holder ends, killed or not, so a lock
// left behind is simply taken at the next try. A lock that cannot be made (a
// folder the user may not write, a full disk) is not one that someone else
// holds: the file then opens read-only with a message of its own. Nor does a
// user who may not write the file take its lock, which would keep those who
// may write it read-only while saving nothing.
//
// A lock file is made with the group of the file it locks and a mode that lets
// everyone who may write that file take the lock; a lock file left by another
// user that this one may not write is still locked, opened for reading (and
// made anew as this user's own where the folder allows). A file with more than
// one name (a hard link) opens read-only: each name would have a lock of its
// own. Symbolic links and ".." are resolved, so that they meet at one lock.
//
// A window keeps the lock of its chart and of its ledger in Bokforingsdata for
// as long as it has them open; while a file is open read-only every command
// that would change it is refused with KontrolleraSkrivbarKontoplan or
// KontrolleraSkrivbarRedovisning, so that nothing is written.

#include "core/Bokforingsdata.h"

#include <memory>
#include <string>

namespace tovana {

class Skrivlas final {
public:
    // Tagen: held. Upptagen: someone else holds it. Omojlig: it cannot be made.
    // Flernamnig: the file has another name, which a lock cannot cover.
    enum class Lage { Tagen, Upptagen, Omojlig, Flernamnig };

    // Tries once, without waiting, to take the lock of the file at `sokvag`
    // (which need not exist yet). When taken, the lock file names this process,
    // and temporary files that an interrupted rewrite left beside the file
    // ("<file>.tmp-XXXXXX") are removed.
    explicit Skrivlas(const std::string &sokvag);
    // Releases the lock and removes the lock file.
    ~Skrivlas();
    Skrivlas(const Skrivlas &) = delete;
    Skrivlas &operator=(const Skrivlas &) = delete;

    Lage Utfall() const { return lage_; }
    bool Tagen() const { return lage_ == Lage::Tagen; }

    // The file the lock is for, links and relative parts resolved, so that two
    // paths to one file meet at one lock.
    const std::string &Fil() const { return fil_; }

    // When Upptagen: the holder as its lock file names it ("anna@kontoret 4711"),
    // empty when unknown. When Omojlig: the system's error number.
    const std::string &Innehavare() const { return innehavare_; }
    int Felnummer() const { return felnummer_; }

    // Why the lock was not taken, to follow a file's name; empty when taken:
    // "är redan öppen på annat håll (anna@kontoret, process 4711)" or
    // "kan inte låsas för skrivning (Åtkomst nekad: ...)" or "har 2 namn i
    // filsystemet (hårda länkar), ...".
    std::string Orsak() const;

private:
    void Slapp();

    std::string fil_;
    std::string lasfil_;
    int fd_ = -1;
    long agare_ = 0; // the process that took the lock; a forked child leaves it
    Lage lage_ = Lage::Omojlig;
    std::string innehavare_;
    int felnummer_ = 0;
    long namnantal_ = 1;
};

// This process as a lock file names it: "anna@kontoret 4711".
std::string Innehavartext();

// The lock for a chart or ledger file about to be opened: `nuvarande`, the lock
// the window holds for the same kind of file, when it is for the same file (a
// window never locks itself out), else a new try.
std::shared_ptr<Skrivlas> TaSkrivlas(const std::shared_ptr<Skrivlas> &nuvarande,
                                     const std::string &sokvag);

// The same for a file about to be written anew (created, or saved under a new
// name): raises Korningsfel naming the file and why, when the lock is not
// taken, so that a file open elsewhere is never overwritten.
std::shared_ptr<Skrivlas> KravSkrivlas(const std::shared_ptr<Skrivlas> &nuvarande,
                                       const std::string &sokvag);

// Makes the lock the chart's (or the ledger's): kept when taken, and the file
// read-only when not. Returns what the user is told about a read-only file,
// empty when it may be written.
std::string SattKontoplanslas(Bokforingsdata &data, std::shared_ptr<Skrivlas> las);
std::string SattRedovisningslas(Bokforingsdata &data, std::shared_ptr<Skrivlas> las);

// Raise Korningsfel, with a Swedish message, when the chart (the ledger) is
// open read-only; the command then stops before anything changes.
void KontrolleraSkrivbarKontoplan(const Bokforingsdata &data);
void KontrolleraSkrivbarRedovisning(const Bokforingsdata &data);

} // namespace tovana
