#pragma once
// Creating and opening a ledger, the open balance of its one-sided posts, and
// the rows of last posts that the entry panel shows under the entry boxes:
//
//     12  120315  1 250,50  1930  3010  0  [17]  Försäljning kontant
//
// The commands read or write the file first and change the state only when that
// succeeded, so a ledger that fails to open or to be created leaves the one in
// memory as it was.

#include "core/Behandlingslogg.h"
#include "core/Bokforingsdata.h"
#include "core/Redovisningsfil.h"
#include "entry/Postformular.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tovana {

// The open balance of the one-sided posts, summed from the first post to the
// last: a post without debit side subtracts its amount, one without credit side
// adds it. Stores it in the form's Konteringssaldo and returns it.
double BeraknaKonteringssaldo(const Bokforingsdata &data, Postformular &formular);

// Whether the entry panel shows the code box and column: KoderFinns made to say
// whether the chart holds a class-8 account now (HarKoder), and returned.
bool FaststallKoder(Bokforingsdata &data);

// The balance line when a ledger or the entry panel opens: "Debetsaldo 150,5" or
// "Kreditsaldo 200", the sum rounded to the öre; empty when the balance is
// closed.
std::string SaldotextVidOppning(double saldo);

// One row of the last posts: verification number, date, amount, debit, credit,
// code (empty while the chart has no codes), "[slot]" and text.
struct Senasterad {
    std::string vernr, datum, belopp, debet, kredit, kod, postnr, text;

    bool operator==(const Senasterad &) const = default;
};

constexpr int kSenasteradantal = 6;

// The rows for the block ending at post `n`: row k shows post n - k + 1 where
// that is at least 1; row 1 is always there (slot 0 when n is 0).
std::vector<Senasterad> Postblock(const Bokforingsdata &data, int32_t n);

// The rows that opening a ledger shows: the block ending at the last post.
std::vector<Senasterad> SenastePoster(const Bokforingsdata &data);

// Writes a new ledger file holding only the name line, then makes it the ledger
// in memory: no posts, the name cut to 80 characters, the file, the flag. The
// new file is locked for this window first (see Skrivlas.h): a file open
// elsewhere raises and is not written, and so does a file that has a change
// log (KontrolleraUtanLogg), whose history a new ledger must neither take over
// nor lose. The old ledger's lock is released. Its log begins with its first
// change.
void SkapaNyRedovisning(Bokforingsdata &data, const std::string &namn, const std::string &sokvag);

// Makes a ledger that has been read the one in memory: name, posts (in table
// form, as LasRedovisningstabell gives them), count, file and flag (not its
// lock, nor its closed period: OrdnaLoggVidOppning gives that). The entry panel
// starts its form anew (BorjaOmFormularet) once the ledger is shown, so a post
// keyed for the ledger before is never saved here.
void SattRedovisning(Bokforingsdata &data, Redovisningsinnehall innehall,
                     const std::string &sokvag);

// Reads the ledger file and, when the whole file was read, makes it the ledger
// in memory. On failure nothing changes and the error names file and line. The
// file is locked for this window before it is read; when the lock is not taken
// (open elsewhere, or a folder that cannot hold the lock file) it opens
// read-only, and the returned text tells the user so (empty when it may be
// changed). Its change log, when it has one, gives its closed period and is
// brought in line with it (OrdnaLoggVidOppning; a log that cannot be read
// stops the opening), and the text then also says what was found.
std::string OppnaRedovisning(Bokforingsdata &data, const std::string &sokvag);

// LasLoggVidOppning for a ledger read into table form (LasRedovisningstabell).
Loggvidoppning LasLoggVidOppning(const std::string &sokvag, const Redovisningsinnehall &innehall,
                                 bool jamfor);

// Adds a paragraph to what the user is told on opening, a blank line between.
void LaggTillBesked(std::string &besked, const std::string &stycke);

} // namespace tovana
