#pragma once
// The eight account classes and what each one means to the bookkeeping: its
// heading in lists, the statement it belongs to, the side that adds to its
// balance, and whether its balances are carried into next year's ledger.
//
// A chart line such as "1;1930;Bank" puts account 1930 in class 1, Tillgångar:
// a balance-sheet class that a debit increases and whose balance becomes an
// opening balance next year. Every report, the effect display and the opening
// balances read these rules from here, never from a class number.

#include <array>
#include <cstdint>
#include <string>

namespace tovana {

// Account class 1..8; 0 only in the sentinel slot.
using Kontotyp = uint8_t;

constexpr Kontotyp kTillgangar = 1;
constexpr Kontotyp kEgetKapital = 2;
constexpr Kontotyp kObeskattadeReserver = 3;
constexpr Kontotyp kSkulder = 4;
constexpr Kontotyp kIntakter = 5;
constexpr Kontotyp kKostnader = 6;
constexpr Kontotyp kBokslutsdispositioner = 7;
constexpr Kontotyp kKoder = 8;

constexpr int kForstaKlass = kTillgangar;
constexpr int kSistaKlass = kKoder;

// Where a class's accounts are reported.
enum class Sektion { Ingen, Balansrakning, Resultatrakning, Koder };

// The side of a posting that increases the class's balance.
enum class Normalsida { Ingen, Debet, Kredit };

// The total of the entry panel's effect display that a change of the class's
// figure adds to: the assets, equity and liabilities, or the year's result
// (which stands in equity, so it adds to that total too). Appropriations and
// codes add to none.
enum class Effektsumma { Ingen, Tillgangar, EgetKapitalOchSkulder, AretsResultat };

struct Kontoklass {
    Kontotyp nummer = 0;
    std::string rubrik; // upper-case lists: "TILLGÅNGAR"
    std::string namn;   // mixed-case lists and reports: "Tillgångar"
    Sektion sektion = Sektion::Ingen;
    Normalsida normalsida = Normalsida::Ingen;
    bool kontoutdrag = false; // the account statement runs a balance for it
    bool overfors = false;    // its balances become next year's opening balances
    Effektsumma effektsumma = Effektsumma::Ingen;
    char sietyp = 0;   // the account type an SIE file gives it: 'T', 'S', 'I' or 'K'
    std::string knapp; // the short caption of the account search's button: "Tillg"
};

// The class of this number; outside 1..8 the empty class (no heading, no
// section, no side), which is what the sentinel slot's class 0 reads as.
const Kontoklass &Klass(int typ);

// Classes 1..8 in order.
const std::array<Kontoklass, kSistaKlass> &Kontoklasser();

// Whether the number is one of the eight classes (what a new account may be given).
bool ArKontoklass(int typ);

// Whether accounts of this class are bookkeeping accounts (1..7), as opposed
// to codes or the sentinel.
bool ArBokforingsklass(int typ);

// The sign that turns a debit balance into the figure the statements show:
// +1 for the balance sheet's debit classes (assets), -1 for every other class,
// so that equity, liabilities and the income statement's lines read as credit
// balances and the period's result is their plain sum.
double Rapporttecken(int typ);

// The class an account read from an SIE file belongs to: by its type ('T',
// 'S', 'I', 'K', either case) and, to tell apart what the type leaves open,
// the usual Swedish number ranges of its first two digits: among 'S' accounts
// 20 equity, 21 untaxed reserves, the rest liabilities; 88 appropriations
// among 'I' and 'K'. Without a type, the ranges alone: 1 assets, 20 equity,
// 21 untaxed reserves, other 2 liabilities, 3 income, 88 appropriations,
// 80..83 financial income, the rest costs. 2099 with type 'S' is Eget kapital.
Kontotyp KlassAvSiekonto(int32_t nummer, char sietyp);

} // namespace tovana
