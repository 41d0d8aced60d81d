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
    for (int32_t i = 1; i <= data.Postantal; ++i)
        if (const auto dag = LasDatum(data.Poster[static_cast<std::size_t>(i)].datum))
            return Kalenderar(dag->ar);
    return std::nullopt;
}

} // namespace tovana
