#pragma once
// What a post does to the balance sheet and the income statement: for the debit
// and the credit account, which class it is in, whether the account grows or
// shrinks and by how much its statement's figure changes; and the changes of the
// three totals (assets, equity and liabilities, this year's result).
//
// Debit 1930 Bank (Tillgångar) and credit 3010 Försäljning (Intäkter) for 1 000:
// the bank grows and adds 1 000 to the assets, the sales grow and add 1 000 to
// the result, and with it to equity and liabilities. Every sign comes from the
// class's rules in core/Kontoklasser; how the entry panel words and places the
// effects is the panel's own business.

#include "core/Bokforingsdata.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tovana {

struct Bokforingskonto {
    bool hittat = false;
    Kontotyp typ = 0;
    std::string namn;
};

// Looks the number up among the chart's accounts of classes 1..7 (codes never found);
// with several accounts of that number the last in table order wins.
Bokforingskonto SokBokforingskonto(const Bokforingsdata &data, int32_t nummer);

// One side of the post on its account.
struct Sideffekt {
    Kontotyp klass = 0;
    std::string konto;   // the account's name
    bool okar = false;   // the account's balance grows: the post is on the class's normal side
    double belopp = 0.0; // the post's amount as keyed
    // +1 when the post raises the figure its statement shows for the class, -1
    // when it lowers it (Rapporttecken of the class, turned for a credit).
    int tecken = 0;

    double Andring() const { return tecken * belopp; }
};

// The whole post; a side absent, or not an account of classes 1..7, is empty,
// and a total the post does not touch is empty.
struct Konteringseffekt {
    std::optional<Sideffekt> debet;
    std::optional<Sideffekt> kredit;
    std::optional<double> tillgangar;            // change of total assets
    std::optional<double> egetKapitalOchSkulder; // of equity and liabilities, result included
    std::optional<double> aretsResultat;         // of this year's result
};

// The effects of a debit side alone (what leaving the debit box shows).
Konteringseffekt DebetEffekter(const Bokforingsdata &data, int32_t debet, double belopp);

// The effects of the whole post; std::nullopt = that box is empty (side absent).
Konteringseffekt KonteringsEffekter(const Bokforingsdata &data, std::optional<int32_t> debet,
                                    std::optional<int32_t> kredit, double belopp);

} // namespace tovana
