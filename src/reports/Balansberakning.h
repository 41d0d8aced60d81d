#pragma once
// The income statement and the balance sheet, computed on demand from the chart
// and the ledger. A build returns its lines; nothing is kept between builds.
//
// An account's balance runs over the posts in ledger order: a post with the
// account on its debit side is a debit, on its credit side a credit (a post with
// the account on both sides gives both, debit first). Assets (class 1) count
// debits up and credits down; classes 2 to 7 the other way, so revenues and
// liabilities come out positive and costs negative.
//
// The balance sheet's period's result is a balancing figure, so it equals the
// income statement's only when every post has both sides in statement accounts
// of the chart. When the two differ (to the öre), each statement shows under
// its result the line "Obalans i redovisningen" with the balance sheet's result
// less the income statement's; the figures themselves stay as computed.
//
// The screen form and the printout form of a build differ in the spacer line
// after a sum, the amount text of the income statement, which small balances the
// balance sheet lists, and a spacer before "Periodens resultat".

#include "core/Bokforingsdata.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tovana {

// One statement line: the left column (an account's name, a sum heading, the
// spacer text or empty) and the right column (an amount text or empty).
struct Trapport {
    std::string radnamn;
    std::string radbelopp;

    bool operator==(const Trapport &) const = default;
};

// The lines of a build, 1-based: slot 0 is always empty, the lines stand in
// slots 1..Sistarad(). The table grows with the chart, so no line is dropped.
using Rapportrader = std::vector<Trapport>;

inline int Sistarad(const Rapportrader &rader) {
    return rader.empty() ? 0 : static_cast<int>(rader.size()) - 1;
}

enum class Rapportform { Skarm, Utskrift };

// The balance of account number `nummer` with the sign rule of class `typ`,
// walking every post. With `kod`, only posts with that code count (0: the posts
// without a code).
double Kontosaldo(const Bokforingsdata &data, int32_t nummer, Kontotyp typ,
                  std::optional<int32_t> kod = std::nullopt);

// The balances of every account of the chart from one pass over the ledger.
// Each balance is accumulated in ledger order exactly as Kontosaldo does, so the
// two give the same doubles.
class Saldotabell {
public:
    explicit Saldotabell(const Bokforingsdata &data, std::optional<int32_t> kod = std::nullopt);

    // The balances of only the posts whose slot `medtas` accepts (a period's
    // posts), still in ledger order.
    Saldotabell(const Bokforingsdata &data, const std::function<bool(int32_t slot)> &medtas);

    // As Kontosaldo(data, nummer, typ, kod); 0 for a number not in the chart.
    double Saldo(int32_t nummer, Kontotyp typ) const;

private:
    // The chart's numbers placed in the table, every balance 0.
    void Bered(const Bokforingsdata &data);
    // Adds the post's debit and credit.
    void Bokfor(const TPost &post);

    // The place of an account number in the table, or -1 when it is not there.
    std::ptrdiff_t Plats(int32_t nummer) const;

    // Debits minus credits per account number, in ledger order, by open
    // addressing: the table is at least four times the chart, so a number is
    // nearly always found, or found missing, at its first place.
    std::vector<int32_t> nummer_;
    std::vector<uint8_t> upptagen_;
    std::vector<double> debetsaldo_;
    std::size_t mask_ = 0;
};

// The balance sheet's balancing figures from its four class totals: the
// period's result is what assets exceed equity, untaxed reserves and
// liabilities by, and equity includes it. Both balance sheets (with codes or
// without) close with these.
struct Balansslut {
    double resultat = 0.0;
    double egetKapital = 0.0;
};
Balansslut BeraknaBalansslut(double tillgangar, double egetKapital, double obeskattade,
                             double skulder);

// The text of the line under the result when the statements disagree.
inline const std::string kObalansrad = "Obalans i redovisningen";

// The income statement: revenues with "Summa intäkter" where a cost account
// directly follows a revenue account, costs with "Summa kostnader", then the
// appropriations and "Periodens resultat" as the last line (followed by the
// imbalance line when there is one).
Rapportrader ByggResultatrakning(const Bokforingsdata &data, Rapportform form);
// The same from balances already summed (a period's, say), with no imbalance line.
Rapportrader ByggResultatrakning(const Bokforingsdata &data, const Saldotabell &saldon,
                                 Rapportform form);

// The balance sheet: assets, equity with the period's result as the balancing
// figure (and the imbalance line under it), untaxed reserves, liabilities, and
// "Summa eget kapital och skulder" as the last line. Without a result line the
// imbalance line stands just before the last line.
Rapportrader ByggBalansrakning(const Bokforingsdata &data, Rapportform form);
Rapportrader ByggBalansrakning(const Bokforingsdata &data, const Saldotabell &saldon,
                               Rapportform form);

// Why the two statements' results differ. `skillnad` is the balance sheet's
// result less the income statement's as the form shows them (0 when they
// agree); the rest are the causes found in the ledger and the chart.
struct Obalans {
    double skillnad = 0.0;
    // The open sum of the one-sided posts: + for a post without a credit
    // side, - for one without a debit side, as the entry form's open balance.
    double ensidigt = 0.0;
    // The posts with a side whose account the chart lacks, and their amounts.
    int32_t saknadePoster = 0;
    double saknadSumma = 0.0;
    // The other posts with a side on a code (class 8), and their amounts.
    int32_t kodposter = 0;
    double kodsumma = 0.0;
    // The statement account numbers the chart holds more than once.
    int32_t dubblaKonton = 0;
};
Obalans BeraknaObalans(const Bokforingsdata &data, Rapportform form);

// The message that tells why the statements disagree and points to the
// check of the chart; empty when they agree.
std::string Obalansbesked(const Obalans &obalans);

} // namespace tovana
