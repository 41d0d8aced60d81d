#include "reports/Rapportval.h"

#include "chart/Momskodredigering.h"
#include "core/Fel.h"

#include <string>

namespace tovana {

Period LasRapportperiod(std::string_view fran, std::string_view till) {
    const auto forsta = LasDatum(fran);
    if (!forsta)
        throw Korningsfel("Periodens första dag kan inte läsas. Skriv den som ÅÅMMDD, "
                          "ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.");
    const auto sista = LasDatum(till);
    if (!sista)
        throw Korningsfel("Periodens sista dag kan inte läsas. Skriv den som ÅÅMMDD, "
                          "ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.");
    if (*sista < *forsta)
        throw Korningsfel("Periodens första dag kommer efter dess sista dag.");
    return {*forsta, *sista};
}

int32_t LasMomsavrakningskonto(std::string_view text, std::string_view vad) {
    const auto konto = LasKontonummer(text);
    if (!konto)
        throw Korningsfel("Skriv " + std::string(vad) + " som ett kontonummer.");
    return *konto;
}

std::optional<Period> Rakenskapsperiod(const Foretagsuppgifter &foretag) {
    if (!foretag.rakenskapsar)
        return std::nullopt;
    return Period{foretag.rakenskapsar->fran, foretag.rakenskapsar->till};
}

std::optional<Momsperiodtyp> Momsperiodtypen(Momsperiod period) {
    switch (period) {
    case Momsperiod::Manad:
        return Momsperiodtyp::Manad;
    case Momsperiod::Kvartal:
        return Momsperiodtyp::Kvartal;
    case Momsperiod::Ar:
        return Momsperiodtyp::Ar;
    case Momsperiod::Okand:
        break;
    }
    return std::nullopt;
}

} // namespace tovana
