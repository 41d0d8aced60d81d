#include "core/Menylage.h"

namespace tovana {

Menylage BeraknaMenylage(Menyhandelse handelse, const Bokforingsdata &data) {
    Menylage lage;
    const bool bada = data.KontoplanInlast && data.RedovisningInlast;
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
