#pragma once
// The books: one chart of accounts and one year's ledger at a time, with their
// internal names, file paths, write locks, read-only flags and encodings. The
// entry form's state is entry/Postformular's; the colour and the decimal option
// are the settings' (core/Installningar.h).
//
// The tables are 1-based: slot 0 is a zero sentinel (the chart's slot 0 has
// class 0, so the class headings of Klasslista appear before the first account;
// the ledger's slot 0 is what the entry panel shows for an empty ledger).
// Accounts occupy slots 1..Kontoantal and posts 1..Postantal. The tables start
// with room for 200 accounts, 1000 posts and 2000 work posts and grow as needed,
// so no count is ever refused or written past.

#include "core/Datum.h"
#include "core/Foretagsuppgifter.h"
#include "core/Kontoklasser.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tovana {

class Skrivlas;

// The class heading of upper-case lists ("TILLGÅNGAR") and the class name of
// mixed-case lists and reports ("Tillgångar"); empty outside 1..8.
const std::string &Klassrubrik(int typ);
const std::string &Klassnamn(int typ);

// The longest name, date and text that are stored, in characters.
constexpr std::size_t kNamnlangd = 80;
constexpr std::size_t kDatumlangd = 8;
constexpr std::size_t kTextlangd = 100;

struct TKonto {
    Kontotyp typ = 0;
    int32_t nummer = 0;
    std::string namn;

    bool operator==(const TKonto &) const = default;
};

struct TPost {
    int32_t vernr = 0;
    std::string datum;
    int32_t debet = 0;
    int32_t kredit = 0;
    int32_t kod = 0;
    double belopp = 0;
    std::string text;

    bool operator==(const TPost &) const = default;
};

struct Bokforingsdata {
    Bokforingsdata();

    std::vector<TKonto> Konton; // slots 0..; slot 0 the sentinel
    int32_t Kontoantal = 0;
    std::vector<TPost> Poster; // slots 0..; slot 0 stays zero
    int32_t Postantal = 0;
    std::vector<TPost> Arbetsposter; // work space for re-sorting and last year's ledger

    std::string Kontoplannamn;
    std::string Kontoplanfil;
    std::string Redovisningsnamn;
    std::string Redovisningsfil;
    // The company file last opened or saved (empty before any) and the
    // company's details as it holds them (see Foretagsfil.h); the open and save
    // dialogs also start in its folder. Forgotten when
    // a chart is opened or started on its own or an SIE file is imported, as
    // the books may then be another company's; a ledger opened or started on
    // its own keeps them (the company's next year).
    std::string Foretagsfil;
    Foretagsuppgifter Foretaget;

    bool KontoplanInlast = false;
    // The chart in memory differs from its file: an account was added, renamed
    // or removed since the chart was last read or written. Set by those chart
    // operations, cleared by every operation that reads or writes the whole chart.
    bool KontoplanAndrad = false;
    bool RedovisningInlast = false;
    bool KoderFinns = false;
    // The ledger file was read as UTF-8: the next new post rewrites it whole as
    // Windows-1252 instead of appending, so that one file never mixes the two.
    bool RedovisningLastSomUtf8 = false;

    // The write locks of the open chart and ledger files (see Skrivlas.h): held
    // while this window may change them. A file that opened without its lock is
    // read-only, and every command that would change it is refused.
    std::shared_ptr<Skrivlas> Kontoplanslas;
    std::shared_ptr<Skrivlas> Redovisningslas;
    bool KontoplanSkrivskyddad = false;
    bool RedovisningSkrivskyddad = false;

    // The ledger's closed-through date, as its change log (Behandlingslogg.h)
    // leaves it when the ledger is opened or a period is closed or opened: no
    // post dated on or before it is saved, changed, deleted or re-sorted.
    std::optional<Datum> StangdTom;

    // The accounts in slots 1..Kontoantal and the posts in slots 1..Postantal,
    // for code that walks them in order; slot 0 stays the tables' sentinel. A
    // count beyond its table (never made by the program) is cut to the table.
    std::span<const TKonto> Kontona() const { return Slots<const TKonto>(Konton, Kontoantal); }
    std::span<TKonto> Kontona() { return Slots<TKonto>(Konton, Kontoantal); }
    std::span<const TPost> Posterna() const { return Slots<const TPost>(Poster, Postantal); }
    std::span<TPost> Posterna() { return Slots<TPost>(Poster, Postantal); }

    // The slot, growing the table when it is beyond the end.
    TKonto &Kontoplats(int32_t slot);
    TPost &Postplats(int32_t slot);
    TPost &Arbetsplats(int32_t slot);

    // Whether any account in slots 1..Kontoantal has class 8.
    bool HarKoder() const;

    // The slot of the account with this number (first match), or 0.
    int32_t SokKonto(int32_t nummer) const;

    // Every slot of Poster emptied (numbers 0, texts empty); Postantal unchanged.
    void TomPoster();

private:
    template <typename T, typename Tabell>
    static std::span<T> Slots(Tabell &tabell, int32_t antal) {
        const std::size_t plats = tabell.empty() ? 0 : tabell.size() - 1;
        const std::size_t n = antal > 0 ? std::min(static_cast<std::size_t>(antal), plats) : 0;
        return std::span<T>(tabell.data() + (tabell.empty() ? 0 : 1), n);
    }
};

// The company's name when it is known, else the ledger's internal name: the
// name the books are reported under.
const std::string &Foretagsnamn(const Bokforingsdata &data);

// Forgets the company file and its details (see Foretagsfil above).
void GlomForetaget(Bokforingsdata &data);

// At a program's end: the post tables are moved where they are never freed,
// for the system to take back with all the other memory at once (freeing a
// million posts text by text took tens of milliseconds). The tables are left
// with their slot 0 alone and Postantal 0; everything else, the write locks
// first of all, goes as usual.
void LamnaPosternaTillSystemet(Bokforingsdata &data);

// The account list with class headings, in table order. The upper-case style
// uses "TILLGÅNGAR"-style headings with no blank lines; the mixed-case style
// uses "Tillgångar"-style names with a line holding one blank before every
// heading but the first. The first line is always the class-1 heading, and a
// heading stands wherever the class rises from one slot to the next.
enum class Listform { Versaler, Gemena };
std::vector<std::string> Klasslista(const Bokforingsdata &data, Listform form);

// Where a new account of class `typ` and number `nummer` goes so that a chart
// ordered by class and number stays so: before the first account of the same
// class with a higher number, else before the first account of a higher class,
// else at the end.
int32_t Insattningsplats(const Bokforingsdata &data, Kontotyp typ, int32_t nummer);

// Inserts the account at its Insattningsplats and returns the slot.
int32_t SattInKonto(Bokforingsdata &data, const TKonto &konto);

} // namespace tovana
