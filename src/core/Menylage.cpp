#include "core/Menylage.h"

namespace tovana {

bool RedovisningOppen(const Bokforingsdata &data) {
    return data.KontoplanInlast && data.RedovisningInlast;
}

Menylage BeraknaMenylage(Menyhandelse handelse, const Bokforingsdata &data) {
    Menylage lage;
    const bool bada = RedovisningOppen(data);
    switch (handelse) {
    case Menyhandelse::Start:
        lage.aterstall = true;
        break;
    case Menyhandelse::KontoplanOppnad:
    case Menyhandelse::ForetagOppnat:
        lage.kontoplansgrupp = true;
        lage.redovisningsgrupp = bada;
        break;
    case Menyhandelse::KontoplanSkapad:
        // An empty chart offers only its first account.
        lage.nyttkonto = true;
        break;
    case Menyhandelse::ForstaKontot:
        lage.kontoplansgrupp = true;
        break;
    case Menyhandelse::RedovisningOppnad:
        lage.redovisningsgrupp = bada;
        break;
    case Menyhandelse::RedovisningSkapad:
        lage.redovisningsgrupp = bada;
        lage.redovisa = true;
        break;
    }
    return lage;
}

} // namespace tovana
