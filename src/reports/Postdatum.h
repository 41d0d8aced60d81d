#pragma once
// The dates of the ledger's posts, read once by the date rule (Datum.h) for the
// commands that count posts by when they happened: the statements for a period
// and the VAT return. A post whose date the rule cannot read belongs to no
// period; such a post is never dropped in silence but named as a problem:
//
//     Post 17 (verifikation 12): datumet "15/3" kan inte läsas och räknas inte med.

#include "core/Bokforingsdata.h"
#include "core/Period.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tovana {

class Postdatum {
public:
    explicit Postdatum(const Bokforingsdata &data);

    // The post's date as ÅÅÅÅMMDD (Datumtal), 0 when it cannot be read.
    int32_t Datumtal(int32_t slot) const { return tal_[static_cast<std::size_t>(slot)]; }

    // Whether the post's date lies in the period (an unreadable one never does).
    bool I(int32_t slot, const Period &period) const;

    // Whether the post's date is on or before the day (an unreadable one never is).
    bool TillOchMed(int32_t slot, const Datum &dag) const;

    // The slots whose date cannot be read, in ledger order.
    const std::vector<int32_t> &Olasbara() const { return olasbara_; }

    // The first date the rule reads, in ledger order.
    std::optional<Datum> ForstaDatum() const { return forsta_; }

private:
    std::vector<int32_t> tal_;
    std::vector<int32_t> olasbara_;
    std::optional<Datum> forsta_;
};

// The problem line of a post whose date cannot be read (above).
std::string OlasbartDatumProblem(const Bokforingsdata &data, int32_t slot);

// The problem lines of every such post.
std::vector<std::string> OlasbaraDatumProblem(const Bokforingsdata &data, const Postdatum &datum);

} // namespace tovana
