#pragma once
// Checking the chart against the ledger. A post refers to its accounts and its
// code by number only, and a ledger may be kept with more than one chart, so
// the two drift apart: a post may use a number the chart lacks, and the chart
// may hold accounts and codes no post uses. The missing numbers are listed one
// line per post and side ("1234 debiterat i verifikation 17"); the unused ones
// one line per account, class, number and name ("6 5010 Lokalhyra"), and an
// unused account may be removed from the chart in memory.

#include "core/Bokforingsdata.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tovana {

// The single line shown when every number the ledger uses is in the chart.
extern const std::string kAllaKontonFinns;

// One line per post (ledger order) and side whose number the chart lacks:
// debit, then credit, then code. A number counts as present when it is 0 (an
// empty side or no code) or the number of some account, of any class; with no
// accounts at all nothing is present, 0 included.
std::vector<std::string> SaknadeKonton(const Bokforingsdata &data);

// One line per verification whose posts do not balance (their debit sides and
// credit sides differ by an öre or more), in order of verification number:
// "Verifikation 12 balanserar inte: debetsaldo 500,00". A verification's
// two-sided posts balance by themselves, so only its one-sided posts count.
std::vector<std::string> ObalanseradeVerifikationer(const Bokforingsdata &data);

// The line above those lines in the check's list.
extern const std::string kObalanseradeRubrik;

// The line above the post lines of RegistreradeEfterStangning.
extern const std::string kRegistreradeEfterStangningRubrik;

// The verification numbers' series, at most two lines: the numbers missing
// between the lowest and the highest number of 1 or more and the numbers that
// stand on more than one verification, in runs:
//
//     Verifikationsnummer saknas: 4–6, 9
//     Verifikationsnummer förekommer i flera verifikationer: 3, 12
//
// None when the series is whole and every number is one verification's.
std::vector<std::string> Verifikationsnummerfel(const Bokforingsdata &data);

// One line per post of the ledger whose date lies in its closed period and
// whose registering record in the change log ("Ny post", "IB-poster",
// "SIE-import", "Momsavräkning", "Rättelse") was written while that date was
// already closed, i.e. after the "Stängd" record that closed it:
//
//     Verifikation 12 (20260302) registrerades 2026-04-02 10:00:00 av anna@kontoret, då perioden
//     var stängd t.o.m. 2026-03-31.
//
// A log that cannot be read gives the one line saying so.
std::vector<std::string> RegistreradeEfterStangning(const Bokforingsdata &data);

// An account no post uses as debit, credit or code: its slot and its line.
struct OanvantKonto {
    int32_t slot = 0;
    std::string rad;

    bool operator==(const OanvantKonto &) const = default;
};

// The accounts and codes no post uses, in table order.
std::vector<OanvantKonto> OanvandaKontoplatser(const Bokforingsdata &data);

// The lines of OanvandaKontoplatser.
std::vector<std::string> OanvandaKonton(const Bokforingsdata &data);

// Removes the account in `slot` from the chart (later accounts move one slot
// down) and returns the message "Kontot 1510 Kundfordringar har raderats!".
// An empty text, and nothing changed, when the slot holds no account or some
// post uses its number. Only memory changes. Both this and the save below are
// refused (Korningsfel) while the chart is open read-only.
std::string TaBortOanvantKonto(Bokforingsdata &data, int32_t slot);

// Writes the chart to its file, Kontoplanfil. A failure raises Korningsfel and
// leaves both the file and the chart in memory as they were.
void SparaReduceradKontoplan(Bokforingsdata &data);

} // namespace tovana
