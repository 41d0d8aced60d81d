#pragma once
// The printout frame shared by every printout: a small HTML page in the file
// "utskrift.html" of the current folder, Windows-1252, CR LF, that the desktop
// opens in the web browser for printing or saving. A printout is built in
// memory and written whole at the end, so a failed write leaves the earlier
// printout as it was:
//
//     <html>
//     <head>
//     <meta charset="windows-1252">
//     ...
//     <body>
//     <p align="center"><font face="Verdana" size="4">Dagbok för Bokföring 2012 (sida 1)</font>...
//
// Names and texts from the chart and the ledger are escaped (HtmlText), so a
// name holding "<" or "&" shows as written instead of being read as markup.
//
// The head declares the character set, so a browser decodes the bytes as
// written whatever its own default, and carries the stylesheet of the list
// tables (class "rader"): their columns keep the widths the table gives them
// and a cell never wraps, a text too long for its column ending in an
// ellipsis. A row is then one line on paper, and a page of rows one sheet.

#include "core/Foretagsuppgifter.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovana {

// The printout file's name, written and opened relative to the current folder.
inline const std::string kUtskriftsfil = "utskrift.html";

// The printout stamp's date text: year, month and day joined by "-".
std::string Utskriftsdatum(std::time_t tid);

// The text with "&", "<", ">" and '"' written as HTML entities.
std::string HtmlText(std::string_view text);

class Utskrift {
public:
    // BorjaUtskrift: the head lines up to "<body>"; `datum` is the stamp's
    // date text, taken once for the whole printout.
    explicit Utskrift(std::string datum);

    // One line of the page (UTF-8, no line end), written as given.
    void Rad(std::string rad);

    // The company's line above the page's first heading, centred: its name
    // (escaped) and, when known, its organisation number ("Kafé Exempel AB,
    // org.nr 555555-5555"). Nothing when the name is not known, so a printout
    // of books without company details is as it always was; only once.
    void Foretagsrad(const Foretagsuppgifter &foretag);

    // The heading line: the title words ("Dagbok för ") and the name (escaped
    // here), " (sida N)" for a paged printout, and the date stamp when `stampel`.
    void Utskriftsrubrik(std::string_view titelord, std::string_view namn, std::optional<int> sida,
                         bool stampel);

    // The lines between two pages of a paged printout (after the finished
    // page's "</table>"), ending with the new page's heading line. The break
    // is an empty block with "page-break-before", which a browser honours when
    // printing, so every page starts a new sheet.
    void Sidbrytning(std::string_view titelord, std::string_view namn, int sida, bool stampel);

    // AvslutaUtskrift, first half: closes the page (once) and returns the file's
    // bytes (Windows-1252, every line ended by CR LF).
    std::string Avsluta();

    const std::vector<std::string> &Rader() const { return rader_; }

private:
    std::string datum_;
    std::vector<std::string> rader_;
    bool avslutad_ = false;
    bool foretagsrad_ = false;
};

// AvslutaUtskrift, second half: closes the page and replaces "utskrift.html"
// in the current folder with it, whole or not at all. Opening the file in the
// browser is the window's part.
void SkrivUtskrift(Utskrift &utskrift);

} // namespace tovana
