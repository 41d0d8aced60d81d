#include "maintenance/Perioder.h"

#include "core/Behandlingslogg.h"
#include "core/Fel.h"
#include "core/Skrivlas.h"
#include "core/Teckentabell.h"

namespace tovana {

namespace {

// A change of the closed period needs a ledger that has a file (its log lies
// beside it) and may be written.
void KontrolleraRedovisning(const Bokforingsdata &data) {
    if (!data.RedovisningInlast || data.Redovisningsfil.empty())
        throw Korningsfel("Det finns ingen öppen redovisning. Öppna redovisningen vars period "
                          "du vill stänga eller öppna.");
    KontrolleraSkrivbarRedovisning(data);
}

Datum LasPeriodDatum(std::string_view text) {
    const std::optional<Datum> datum = LasDatum(text);
    if (!datum)
        throw Korningsfel(kOlasbartDatum);
    return *datum;
}

} // namespace

std::optional<Datum> StangdGrans(const Bokforingsdata &data) {
    // Opened again from 0001-01-01 leaves the day before the calendar: nothing.
    if (!data.StangdTom || data.StangdTom->ar < 1)
        return std::nullopt;
    return data.StangdTom;
}

std::string Periodlage(const Bokforingsdata &data) {
    const std::optional<Datum> tom = StangdGrans(data);
    return tom ? StangdText(*tom) : kIngenStangdPeriod;
}

void StangPeriod(Bokforingsdata &data, std::string_view tom) {
    KontrolleraRedovisning(data);
    const Datum datum = LasPeriodDatum(tom);
    if (const std::optional<Datum> nu = StangdGrans(data); nu && datum <= *nu)
        throw Korningsfel("Perioden är redan stängd t.o.m. " + Isodatum(*nu) +
                          ". En stängd period kan bara flyttas framåt: skriv ett senare datum, "
                          "eller öppna perioden igen med ett skäl.");
    LoggaAndring(data, NyLoggpost(StangdText(datum)));
    data.StangdTom = datum;
}

void OppnaPeriod(Bokforingsdata &data, std::string_view fran, std::string_view skal) {
    KontrolleraRedovisning(data);
    const std::optional<Datum> nu = StangdGrans(data);
    if (!nu)
        throw Korningsfel(kIngenStangdPeriod + " Det finns ingenting att öppna igen.");
    const Datum datum = LasPeriodDatum(fran);
    if (datum > *nu)
        throw Korningsfel("Datumet ligger efter den stängda perioden, som är stängd t.o.m. " +
                          Isodatum(*nu) + ". Skriv den första dag som ska öppnas igen.");
    const std::string_view orsak = Trimmad(skal);
    if (orsak.empty())
        throw Korningsfel("Skriv skälet till att perioden öppnas igen. Skälet sparas i "
                          "behandlingshistoriken.");
    // A control character would split the log's line or, a NUL, make the
    // whole log unreadable as text.
    for (const char tecken : orsak)
        if (static_cast<unsigned char>(tecken) < 0x20 || tecken == 0x7f)
            throw Korningsfel("Skälet får inte innehålla radbrytningar eller andra styrtecken.");
    if (!ArWindows1252Text(orsak))
        throw Korningsfel("Skälet innehåller ett tecken som inte kan sparas i "
                          "behandlingshistoriken. Skriv det med andra tecken.");
    LoggaAndring(data, NyLoggpost(OppnadText(datum, orsak)));
    data.StangdTom = DagenFore(datum);
}

} // namespace tovana
