#pragma once
// Which menu items the state enables. The menu starts with the chart's group
// and the ledger's group disabled; each time a chart or a ledger is opened or
// created (or a company opened, or the first account added) the items the new
// state allows are enabled, and an enabled item stays enabled until the
// program restarts.
//
// Opening a chart while a ledger is loaded enables both groups; creating a
// ledger without a chart enables only "Redovisa", so that its posts can be
// keyed right away.

#include "core/Bokforingsdata.h"
#include "core/Menynamn.h"

#include <array>

namespace tovana {

// The items of the chart's group and of the ledger's group.
inline constexpr std::array kKontoplansgrupp{meny::Nyttkonto1, meny::Redigera1, meny::Visa1,
                                             meny::SparasomKplan, meny::Momskoder};
inline constexpr std::array kRedovisningsgrupp{
    meny::Redovisa,      meny::RedSortera,   meny::sparaforetag,   meny::RapportRes,
    meny::RapportBal,    meny::RapportKonto, meny::Dagbok,         meny::Startsidautskrift,
    meny::RRmedKoder,    meny::BRmedkoder,   meny::Dagbokmedkoder, meny::KollKplan,
    meny::HamtaIB,       meny::Oanv,         meny::ExporteraSIE,   meny::Foretagsuppgifter,
    meny::RapportPeriod, meny::Momsrapport,  meny::Perioder,       meny::Behandlingshistorik};

// What just happened to the state.
enum class Menyhandelse {
    Start,             // the window opens: nothing loaded
    KontoplanOppnad,   // a chart file was read
    KontoplanSkapad,   // a new, empty chart was created
    ForstaKontot,      // the first account was added to an empty chart
    RedovisningOppnad, // a ledger file was read
    RedovisningSkapad, // a new, empty ledger was created
    ForetagOppnat,     // a company's chart and ledger were read
};

// The items to enable; with `aterstall` every item of both groups is disabled
// first.
struct Menylage {
    bool aterstall = false;
    bool kontoplansgrupp = false;   // new account, edit chart, show chart, save chart as, VAT boxes
    bool nyttkonto = false;         // the new-account item alone
    bool redovisningsgrupp = false; // keying, sorting, reports, checks, IB, SIE export
    bool redovisa = false;          // the keying item alone

    bool operator==(const Menylage &) const = default;
};

// Whether the books hold a chart and a ledger to work on: what the ledger's
// group of the menu needs, and the SIE export.
bool RedovisningOppen(const Bokforingsdata &data);

// The menu change for the event, given the flags as they stand after it.
Menylage BeraknaMenylage(Menyhandelse handelse, const Bokforingsdata &data);

} // namespace tovana
