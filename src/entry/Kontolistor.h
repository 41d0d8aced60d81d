#pragma once
// The lookup lists beside the entry boxes: the accounts whose number begins with
// what has been typed, the accounts of one class, and the codes. Each list is
// returned as its lines, heading first ("Konton som börjar med 19", "Tillgångar").

#include "core/Bokforingsdata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// "Konton som börjar med <prefix>" and every account whose number text begins with
// the prefix, in table order; codes (class 8) only when `medKoder`.
std::vector<std::string> KontonSomBorjarMed(const Bokforingsdata &, std::string_view prefix,
                                            bool medKoder);

// "Koder som börjar med <prefix>" and every code whose number text begins with the prefix.
std::vector<std::string> KoderSomBorjarMed(const Bokforingsdata &, std::string_view prefix);

// The class name ("Tillgångar", ..., "Koder") and every account of that class.
std::vector<std::string> KontonIKlass(const Bokforingsdata &, Kontotyp klass);

// The list after the debit/credit box's text changed: nullopt = keep the list as it is.
std::optional<std::vector<std::string>> ListaVidKontoandring(const Bokforingsdata &,
                                                             std::string_view text);

// The list after the code box's text changed: nullopt = keep; may be an empty list.
std::optional<std::vector<std::string>> ListaVidKodandring(const Bokforingsdata &,
                                                           std::string_view text);

} // namespace tovana
