#pragma once
// The processing history as the user reads it: the records of the ledger's
// change log (Behandlingslogg.h), newest first, one line a record,
//
//     2026-03-04 09:12:40  anna@kontoret  Ändrad post  ver 12
//
// narrowed to the records that touch one verification number when asked, and
// printed with the post lines each record took away ("-") and added ("+").

#include "core/Behandlingslogg.h"
#include "reports/Utskrift.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

class Behandlingshistorik {
public:
    Behandlingshistorik() = default;
    explicit Behandlingshistorik(std::vector<Loggpost> poster);

    // The records of the open ledger's log, read once; none when the ledger
    // has no file or no log. A log that cannot be read raises.
    static Behandlingshistorik Las(const Bokforingsdata &data);

    // The records shown for the box of verification numbers, as indexes into
    // Poster, newest first: every record for an empty box (blanks ignored),
    // those whose post lines carry that number for a number, none for a text
    // that is no number.
    std::vector<std::size_t> Urval(std::string_view vernr) const;

    // The record's line: time, user, what, and its verification numbers.
    std::string Rad(std::size_t index) const;

    const std::vector<Loggpost> &Poster() const { return poster_; }

private:
    std::vector<Loggpost> poster_;
    std::vector<std::vector<int32_t>> nummer_; // each record's Verifikationsnummer
};

// The line of a record (Behandlingshistorik::Rad).
std::string Historikrad(const Loggpost &post, const std::vector<int32_t> &nummer);

// The printout of the chosen records in the order given, each with its "-"
// and "+" lines below it, under the heading "Behandlingshistorik för <name>".
Utskrift HistorikUtskrift(const Behandlingshistorik &historik,
                          const std::vector<std::size_t> &urval, const std::string &namn,
                          const std::string &datum);

} // namespace tovana
