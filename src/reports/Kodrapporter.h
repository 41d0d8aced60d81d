#pragma once
// The reports with codes. A code is a class-8 account; its number in a post's
// `kod` tags the post. The income statement and the balance sheet with codes
// show beside each balance the part that comes from the posts of up to six
// chosen codes, and the journal by code lists the posts of each code:
//
//     <tr>
//     <td width="30%"><font face="Verdana" size="2">Försäljning</font></td>
//     <td width="10%" align="right"><font face="Verdana" size="2">150,00</font></td>
//     <td width="10%" align="right"><font face="Verdana" size="2">100,00</font></td>
//     </tr>
//
// A chosen code of 0 (an empty box) selects the posts without a code.

#include "core/Bokforingsdata.h"
#include "reports/Utskrift.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tovana {

constexpr int kKodkolumner = 6;

// One row of a statement with codes: the name column as page text (account
// names escaped, the bold sum headings with their tags) and the amount texts of
// the total ("Summa", index 0) and of codes 1 to 6 (indices 1..6).
struct TRRkod {
    std::string namn;
    std::array<std::string, kKodkolumner + 1> belopp;

    bool operator==(const TRRkod &) const = default;
};

// The rows of a statement with codes, 1-based: slot 0 is always empty. The
// table grows with the chart, so no row is dropped.
using Kodrader = std::vector<TRRkod>;

// The six chosen codes with the names of the class-8 accounts of those numbers
// (empty where there is none).
struct Valdakoder {
    std::array<int32_t, kKodkolumner> nummer{};
    std::array<std::string, kKodkolumner> namn;
};

// Reads the six code boxes: an empty box is code 0; any other text must be an
// integer, else Korningsfel with the conversion message is raised.
Valdakoder LasValdakoder(const Bokforingsdata &data,
                         const std::array<std::string, kKodkolumner> &rutor);

// The codes of the chart for the code list: "number name" for every class-8
// account in table order, or the single line "Inga koder i kontoplanen"; and the
// numbers of the first six codes.
struct Kodlista {
    std::vector<std::string> rader;
    std::vector<int32_t> forsta;
};
Kodlista KoderIKontoplanen(const Bokforingsdata &data);

// The statements' rows. The income statement lists revenues, "Summa intäkter"
// where a cost account follows a revenue account, costs and appropriations in
// table order, "Summa kostnader" and "Periodens resultat". The balance sheet
// writes each class's sum row where the class is left.
Kodrader ByggResultatrakningMedKoder(const Bokforingsdata &data, const Valdakoder &koder);
Kodrader ByggBalansrakningMedKoder(const Bokforingsdata &data, const Valdakoder &koder);

// The printouts, stamped with the date text `datum`.
Utskrift ResultatrakningMedKoderUtskrift(const Bokforingsdata &data, const Valdakoder &koder,
                                         const std::string &datum);
Utskrift BalansrakningMedKoderUtskrift(const Bokforingsdata &data, const Valdakoder &koder,
                                       const std::string &datum);
// Every code of the chart with a "Kod" line and a one-row table per tagged post.
Utskrift DagbokMedKoderUtskrift(const Bokforingsdata &data, const std::string &datum);

} // namespace tovana
