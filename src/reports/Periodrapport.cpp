#include "reports/Periodrapport.h"

#include "reports/Postdatum.h"

namespace tovana {

std::string PeriodRRrubrik(const Period &period) {
    return "Resultaträkning " + Periodtext(period);
}

std::string PeriodBRrubrik(const Period &period) {
    return "Balansräkning " + Strecktext(period.till);
}

Periodrapport ByggPeriodensResultatrakning(const Bokforingsdata &data, const Period &period,
                                           Rapportform form) {
    const Postdatum datum(data);
    const Saldotabell saldon(data, [&](int32_t slot) { return datum.I(slot, period); });
    return {PeriodRRrubrik(period), ByggResultatrakning(data, saldon, form),
            OlasbaraDatumProblem(data, datum)};
}

Periodrapport ByggPeriodensBalansrakning(const Bokforingsdata &data, const Period &period,
                                         Rapportform form) {
    const Postdatum datum(data);
    const Saldotabell saldon(data,
                             [&](int32_t slot) { return datum.TillOchMed(slot, period.till); });
    return {PeriodBRrubrik(period), ByggBalansrakning(data, saldon, form),
            OlasbaraDatumProblem(data, datum)};
}

std::optional<Period> ForvaldRapportperiod(const Bokforingsdata &data,
                                           const std::optional<Period> &rakenskapsar) {
    if (rakenskapsar)
        return rakenskapsar;
    for (const TPost &post : data.Posterna())
        if (const auto dag = LasDatum(post.datum))
            return Kalenderar(dag->ar);
    return std::nullopt;
}

} // namespace tovana
