#include "reports/Postdatum.h"

#include "core/Teckentabell.h"

#include <algorithm>

namespace tovana {

Postdatum::Postdatum(const Bokforingsdata &data)
    : tal_(static_cast<std::size_t>(std::max(data.Postantal, 0)) + 1, 0) {
    // Neighbouring posts nearly always share their date text: the rule reads
    // each run of one text once.
    const std::string *forra = nullptr;
    int32_t forraTal = 0;
    for (int32_t i = 1; i <= data.Postantal; ++i) {
        const std::string &text = data.Poster[static_cast<std::size_t>(i)].datum;
        if (!forra || text != *forra) {
            const auto datum = LasDatum(text);
            forraTal = datum ? tovana::Datumtal(*datum) : 0;
            if (datum && !forsta_)
                forsta_ = datum;
            forra = &text;
        }
        tal_[static_cast<std::size_t>(i)] = forraTal;
        if (forraTal == 0)
            olasbara_.push_back(i);
    }
}

bool Postdatum::I(int32_t slot, const Period &period) const {
    const int32_t tal = Datumtal(slot);
    return tal != 0 && tal >= tovana::Datumtal(period.fran) && tal <= tovana::Datumtal(period.till);
}

bool Postdatum::TillOchMed(int32_t slot, const Datum &dag) const {
    const int32_t tal = Datumtal(slot);
    return tal != 0 && tal <= tovana::Datumtal(dag);
}

std::string OlasbartDatumProblem(const Bokforingsdata &data, int32_t slot) {
    const TPost &post = data.Poster[static_cast<std::size_t>(slot)];
    return "Post " + std::to_string(slot) + " (verifikation " + std::to_string(post.vernr) +
           "): datumet \"" + Visningstext(post.datum, 10) +
           "\" kan inte läsas och räknas inte med.";
}

std::vector<std::string> OlasbaraDatumProblem(const Bokforingsdata &data, const Postdatum &datum) {
    std::vector<std::string> ut;
    ut.reserve(datum.Olasbara().size());
    for (const int32_t slot : datum.Olasbara())
        ut.push_back(OlasbartDatumProblem(data, slot));
    return ut;
}

} // namespace tovana
