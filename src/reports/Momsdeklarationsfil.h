#pragma once
// The VAT return as the file Skatteverket's e-service takes ("eSKD", the
// eSKDUpload format version 6.0, ISO-8859-1): the organisation number, the
// period as the year and month of its last month, one element for each box
// with whole kronor other than 0, in the order the format's DTD gives them,
// and always box 49 (MomsBetala):
//
//     <?xml version="1.0" encoding="ISO-8859-1"?>
//     <!DOCTYPE eSKDUpload PUBLIC "-//Skatteverket, Sweden//DTD Skatteverket eSKDUpload-DTD
//     Version 6.0//SV" "https://www1.skatteverket.se/demoeskd/eSKDUpload_6p0.dtd"> <eSKDUpload
//     Version="6.0">
//       <OrgNr>556677-8899</OrgNr>
//       <Moms>
//         <Period>202603</Period>
//         <ForsMomsEjAnnan>150812</ForsMomsEjAnnan>
//         <MomsUtgMedel>18097</MomsUtgMedel>
//         <MomsIngAvdr>13895</MomsIngAvdr>
//         <MomsBetala>4202</MomsBetala>
//       </Moms>
//     </eSKDUpload>
//
// Amounts have no grouping; a negative one has a leading "-". Lines end in
// CR LF like the program's other files.

#include "reports/Momsrapport.h"

#include <string>
#include <string_view>

namespace tovana {

// The organisation number as the file writes it, NNNNNN-NNNN, from ten digits
// with or without the hyphen. Raises Korningsfel with a Swedish message naming
// what is missing when the text is empty, or how to write it when it is not so.
std::string EskdOrganisationsnummer(std::string_view orgnr);

// The file's bytes (only ASCII characters, so they are ISO-8859-1 as they stand).
std::string MomsdeklarationBytes(const Momsrapport &rapport, std::string_view orgnr);

// Writes the file safely: refused, writing nothing, as EskdOrganisationsnummer
// refuses; a failed write leaves an old file whole.
void SparaMomsdeklaration(const std::string &sokvag, const Momsrapport &rapport,
                          std::string_view orgnr);

} // namespace tovana
