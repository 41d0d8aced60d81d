#pragma once
// The boxes of Skatteverket's VAT return (form SKV 4700, "Mervärdesskatte-
// deklaration") and which account of a BAS chart feeds which box.
//
// Each box has its number, the form's Swedish caption, the element the eSKD
// upload file gives it, and the kind of amount it holds. A sale of 1 000 kr at
// 25 % booked as
//
//     5;260105;1000;1930;3001;0;Försäljning
//     5;260105;250;1930;2611;0;Utgående moms 25 %
//
// puts 1 000 in box 05 (account 3001) and 250 in box 10 (account 2611).
//
// The default table goes by BAS account number (BAS-kontogruppen's chart, whose
// account names say which box they belong to: 2614 "Beräknad utgående moms på
// tjänsteförvärv från utlandet, 25 %" feeds box 30, 2617 "Utgående moms omvänd
// skattskyldighet varor och tjänster i Sverige, 25 %" too). A chart may
// override it account by account (Momskodfil.h).

#include <cstdint>
#include <span>
#include <string>

namespace tovana {

// What a box's amount is, and so how it is summed from the accounts.
enum class Rutslag {
    Forsaljning,  // a base of sales: the credit movement less the debit movement
    Inkop,        // a base of purchases: the debit movement less the credit movement
    UtgaendeMoms, // output VAT: the credit movement
    IngaendeMoms, // input VAT (box 48): the debit movement
    Summa,        // box 49, from the other boxes
};

struct Momsruta {
    int nummer = 0;
    const char *rubrik = "";  // the form's caption
    const char *element = ""; // the eSKD file's element
    Rutslag slag = Rutslag::Forsaljning;
};

// The box that holds what is to pay or to get back.
constexpr int kRuta49 = 49;

// Every box of the form in the form's order, each once: 05–08, 10–12, 20–24,
// 30–32, 50, 60–62, 35–42, 48 and last 49.
std::span<const Momsruta> Momsrutor();

// Every box number in the order of the eSKD file's elements (its DTD's order).
std::span<const int> Filordning();

// The box with this number; nullptr for a number the form does not have.
const Momsruta *SokMomsruta(int nummer);

// The boxes whose amount box 49 adds (10–12, 30–32, 60–62) or subtracts (48):
// the VAT boxes that a settlement clears.
bool ArMomsbeloppsruta(int nummer);

// One row of the default table: the accounts from `fran` to `till` feed `ruta`.
struct Basintervall {
    int32_t fran = 0;
    int32_t till = 0;
    int ruta = 0;
};

// The default table in box order; an account in none of its rows feeds no box.
std::span<const Basintervall> BasMomstabell();

// The box the default table gives the account; 0 for none.
int BasMomsruta(int32_t konto);

// Whether the account is one of the 26xx accounts of VAT (2600–2699), whose
// posts should all feed a box.
inline bool ArMomskonto(int32_t konto) {
    return konto >= 2600 && konto <= 2699;
}

} // namespace tovana
