#pragma once
// Opening balances from last year's ledger. Last year's posts are read into the
// work table Arbetsposter; every asset, equity, untaxed-reserve and liability
// account of the current chart with a balance gets one opening post, and one
// last post carries last year's result to the chosen equity account:
//
//     asset A with balance b:        debit A,        credit counter,  amount b
//     classes 2-4, balance b:        debit counter,  credit A,        amount b
//     result:                        debit counter,  credit result,   amount T - S
//
// where T is the total of the asset posts and S that of the others. A balance
// strictly inside one hundredth either way gives no post; a negative balance
// keeps its sides and gets a negative amount. With counter account 0 the posts
// are one-sided and balance each other.

#include "core/Bokforingsdata.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tovana {

// The text every saved opening post gets.
inline const std::string kIBtext = "IB-post";

// The prepared opening posts of the last run, 1-based (slot 0 stays zero).
struct IBtabell {
    std::vector<TPost> IBposter{TPost{}};
    int32_t IBantal = 0;
    // The account each prepared post opens (the balance-sheet account, or the
    // account taking last year's result), 1-based like IBposter.
    std::vector<int32_t> IBkonton{0};
    // The prepared posts are already part of the ledger: a second save of the
    // same run appends nothing.
    bool Sparade = false;
};

// Reads last year's ledger into Arbetsposter and prepares the opening posts of
// every balance-sheet account of the current chart into `ib` (verification
// number `vernr`, the date cut to 8 characters, code 0). Only the first five
// fields of last year's lines are read strictly: a line of five fields, or with
// an empty or non-numeric code or no text, is read (its code then 0). A file
// that cannot be read, or a line whose first five fields do not convert, raises
// Korningsfel naming the file and line, and then neither `ib` nor Arbetsposter
// changes. Poster and every file are left as they are.
void BeraknaIBposter(Bokforingsdata &data, IBtabell &ib, const std::string &fjolfil, int32_t vernr,
                     const std::string &datum, int32_t ibkonto, int32_t resultatkonto);

// Appends the prepared posts, with the text "IB-post", to the ledger file in
// one write and then to Poster after the last post; returns how many. When the
// file cannot be written, it raises and Poster, Postantal and the file stay as
// they were. A run already saved appends nothing and returns 0. Refused
// (Korningsfel) while the ledger is open read-only.
int32_t SparaIBposter(Bokforingsdata &data, IBtabell &ib);

// The preview list of the prepared posts: a heading line, then one line per
// post in columns as wide as their widest entry, two spaces apart, so no two
// entries run together: verification number, date, amount (Beloppstext),
// debit and credit, right-aligned but the date, and last the name of the
// account the post opens (empty when the chart lacks it).
//
//     Vernr  Datum        Belopp  Debet  Kredit  Konto
//         1  120101    50 600,00   1930       0  Bank
std::vector<std::string> IBlista(const Bokforingsdata &data, const IBtabell &ib);

} // namespace tovana
