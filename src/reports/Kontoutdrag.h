#pragma once
// The account statement: every posting of one account in ledger order, the
// amount in the debit or the credit column and the account's running balance
// after each posting. The screen shows it 25 lines to a page; the printout
// renders the same lines.
//
//     Ver.nr.  Datum     Debet      Kredit     Saldo
//     12       120315    1 250,50              1 250,50
//
// Also the account pick lists beside the statement and the paging offset of
// the 25-line report grid, which the journal shares.

#include "core/Bokforingsdata.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// One statement line: verification number, date, debit amount, credit amount,
// balance. Exactly one of the two amount texts is filled.
struct Trapport2 {
    std::string vernr;
    std::string datum;
    std::string debet;
    std::string kredit;
    std::string saldo;

    bool operator==(const Trapport2 &) const = default;
};

struct Kontoutdrag {
    bool hittat = false; // the number is in the chart
    std::string namn;    // the account's name when found
    Kontotyp typ = 0;    // the account's class when found, else 0
    // The lines in order, from index 0; there is no limit to their number.
    std::vector<Trapport2> Kontoutdragsrader;

    int Radantal() const { return static_cast<int>(Kontoutdragsrader.size()); }
};

// One statement line before it is formatted: what the line shows, as numbers.
struct Kontoutdragslinje {
    int32_t vernr = 0;
    std::string datum;
    bool debet = false; // the amount stands in the debit column
    double belopp = 0.0;
    double saldo = 0.0; // the balance after this line
};

// The statement as numbers: what ByggKontoutdrag gives, its lines unformatted.
// The screen keeps these and formats only the 25 lines it shows.
struct Kontoutdragslinjer {
    bool hittat = false;
    std::string namn;
    Kontotyp typ = 0;
    std::vector<Kontoutdragslinje> linjer;
};

// The statement of account `nummer` as numbers (see ByggKontoutdrag).
Kontoutdragslinjer ByggKontoutdragslinjer(const Bokforingsdata &data, int32_t nummer);

// The formatted line: amounts and balance as KortBeloppstext.
Trapport2 Kontoutdragsrad(const Kontoutdragslinje &linje);

// The statement of account `nummer`, built from the chart and the ledger alone.
// When several accounts carry the number, the last in the chart wins. Accounts
// of classes 7 and 8 and numbers not in the chart give no lines. The balance
// starts at zero; a posting to an asset or cost account adds a debit and
// subtracts a credit, and the other way round for equity, untaxed reserves,
// liabilities and revenues. Amounts and balances are KortBeloppstext.
Kontoutdrag ByggKontoutdrag(const Bokforingsdata &data, int32_t nummer);

// The pick list shown when the account box or the list takes the focus:
// "Kontonplanen", then every chart entry ("1930 Bank"), codes included.
std::vector<std::string> Kontovalslista(const Bokforingsdata &data);

// The pick list for one typed character: "Konton som börjar med " and the
// character, then every account of classes 1 to 7 whose number begins with it.
std::vector<std::string> KontonSomBorjarMed(const Bokforingsdata &data, std::string_view tecken);

// The account number of a pick-list line: the text before its first blank.
std::string NummerIValrad(std::string_view rad);

// The page offset of the 25-line report grid: grid row k (1..25) shows line
// Sidstart + k. It moves by whole pages and never past the last line.
constexpr int kSidrader = 25;

struct Rapportsida {
    int Sidstart = 0;

    // Forward when a later line exists; false when nothing moved.
    bool Framat(int radantal);
    // Back when not on the first page; false when nothing moved.
    bool Bakat();
};

} // namespace tovana
