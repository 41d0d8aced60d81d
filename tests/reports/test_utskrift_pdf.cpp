// The paged printouts as a browser prints them: each printout is printed to PDF
// by headless Chromium and read back page by page with poppler's tools, so a
// page break the browser ignores (its next heading landing mid-sheet), a row
// that wraps and pushes a page onto a second sheet, or a date column that wraps
// shows up here. Skipped where either tool is missing.

#include "reports/Listutskrifter.h"

#include "../core/Testmapp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

using namespace tovana;

namespace {

bool Finns(const std::string &program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Prints the page to `pdf`; false when the browser fails.
bool SkrivUtPdf(const test::Testmapp &mapp, const std::string &html, const std::string &pdf) {
    const std::string kommando =
        "timeout 180 chromium --headless --no-sandbox --disable-gpu --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync "
        "--no-pdf-header-footer --user-data-dir='" +
        mapp.Sokvag("profil") + "' --print-to-pdf='" + pdf + "' 'file://" + html +
        "' >/dev/null 2>&1";
    return std::system(kommando.c_str()) == 0;
}

int Sidantal(const test::Testmapp &mapp, const std::string &pdf) {
    const std::string info = mapp.Sokvag("info.txt");
    if (std::system(("pdfinfo '" + pdf + "' >'" + info + "' 2>/dev/null").c_str()) != 0)
        return -1;
    std::istringstream in(test::LasBytes(info));
    for (std::string rad; std::getline(in, rad);)
        if (rad.starts_with("Pages:"))
            return std::stoi(rad.substr(6));
    return -1;
}

// The text of one printed sheet, laid out as printed.
std::string Sidtext(const test::Testmapp &mapp, const std::string &pdf, int sida) {
    const std::string text = mapp.Sokvag("sida.txt");
    const std::string s = std::to_string(sida);
    if (std::system(
            ("pdftotext -layout -f " + s + " -l " + s + " '" + pdf + "' '" + text + "'").c_str()) !=
        0)
        return {};
    return test::LasBytes(text);
}

std::string ForstaRaden(const std::string &text) {
    std::istringstream in(text);
    for (std::string rad; std::getline(in, rad);)
        if (rad.find_first_not_of(" \f\t\r") != std::string::npos)
            return rad;
    return {};
}

int Antal(const std::string &text, const std::string &del) {
    int antal = 0;
    for (auto i = text.find(del); i != std::string::npos; i = text.find(del, i + del.size()))
        ++antal;
    return antal;
}

// A text of `langd` characters beginning with `borjan` and ending in "SLUT", so
// a text printed whole (wrapped or not cut) shows its end on the sheet.
std::string Langtext(const std::string &borjan, std::size_t langd) {
    std::string text = borjan;
    while (text.size() + 4 < langd)
        text += text.size() % 7 == 6 ? ' ' : 'x';
    return text + "SLUT";
}

// Posts with texts of `textlangd` characters, accounts with names of 80.
Bokforingsdata Bokforing(int poster, int konton, std::size_t textlangd) {
    Bokforingsdata data;
    data.Redovisningsnamn = "Bok 2012";
    data.Kontoplannamn = "Plan";
    for (int s = 1; s <= konton; ++s) {
        TKonto &konto = data.Kontoplats(s);
        konto.typ = s == 1 ? 1 : 3;
        konto.nummer = s == 1 ? 1930 : 3000 + s;
        konto.namn = s == 1 ? "Bank" : Langtext("Konto " + std::to_string(s) + " ", 80);
    }
    data.Kontoantal = konton;
    for (int i = 1; i <= poster; ++i)
        data.Postplats(++data.Postantal) =
            TPost{i,
                  "20120315",
                  1930,
                  3002,
                  0,
                  1234567.89,
                  Langtext("Post " + std::to_string(i) + " ", textlangd)};
    return data;
}

struct Fall {
    const char *namn;
    std::function<Utskrift(const Bokforingsdata &)> utskrift;
    const char *rubrik;
    int sidor; // sheets laid out
    int rader; // post rows on a full sheet; 0 when not counted
};

} // namespace

// The page break was a <br> in a <span>, which browsers ignore when printing:
// the next page's heading landed in the middle of a sheet. And a long post
// text or account name wrapped its row onto two lines, so a page of 40 rows
// ran onto a second sheet whose top had no heading.
TEST(UtskriftPdf, EveryPageOfAPagedPrintoutIsOneSheetUnderItsHeading) {
    if (!Finns("chromium") || !Finns("pdftotext") || !Finns("pdfinfo"))
        GTEST_SKIP() << "chromium or poppler-utils (pdftotext, pdfinfo) is not installed";
    const Bokforingsdata data = Bokforing(120, 150, 100);
    // 120 posts fill three pages of 40 exactly; the fourth holds the headings.
    const Fall fall[] = {
        {"journal", [](const auto &d) { return DagbokUtskrift(d, "2012-02-01"); },
         "Dagbok för Bok 2012", 4, 40},
        {"statement", [](const auto &d) { return KontoutdragUtskrift(d, 1930, "2012-02-01"); },
         "Kontoutdrag för Bank", 4, 40},
        {"chart", [](const auto &d) { return KontoplanUtskrift(d, "2012-02-01"); },
         "Kontoplan Plan", 3, 0},
    };
    for (const Fall &f : fall) {
        SCOPED_TRACE(f.namn);
        test::Testmapp mapp;
        const std::string html = mapp.Sokvag("utskrift.html");
        const std::string pdf = mapp.Sokvag("utskrift.pdf");
        Utskrift ut = f.utskrift(data);
        const std::string bytes = ut.Avsluta();
        // The sheets the printout laid out: one heading line each.
        int utlagda = 0;
        for (const std::string &rad : ut.Rader())
            utlagda += rad.find(" (sida ") != std::string::npos;
        ASSERT_EQ(utlagda, f.sidor);
        test::SkrivBytes(html, bytes);
        ASSERT_TRUE(SkrivUtPdf(mapp, html, pdf));
        ASSERT_EQ(Sidantal(mapp, pdf), utlagda);
        int rader = 0;
        for (int sida = 1; sida <= utlagda; ++sida) {
            const std::string text = Sidtext(mapp, pdf, sida);
            const std::string rubrik =
                std::string(f.rubrik) + " (sida " + std::to_string(sida) + ")";
            EXPECT_NE(ForstaRaden(text).find(rubrik), std::string::npos)
                << "sheet " << sida << ":\n"
                << text;
            EXPECT_EQ(Antal(text, " (sida "), 1) << "sheet " << sida << ":\n" << text;
            EXPECT_EQ(Antal(text, "SLUT"), 0) << "sheet " << sida << ":\n" << text;
            if (f.rader > 0) {
                const int pa = Antal(text, "20120315");
                EXPECT_EQ(pa, sida < utlagda ? f.rader : 0) << "sheet " << sida;
                rader += pa;
            }
        }
        if (f.rader > 0) {
            EXPECT_EQ(rader, 120);
        }
    }
}

// An eight-character date ("12-03-15") and a grouped amount wrapped in the
// journal's narrow columns beside a long text.
TEST(UtskriftPdf, TheJournalsDateColumnKeepsAnEightCharacterDateOnOneLine) {
    if (!Finns("chromium") || !Finns("pdftotext") || !Finns("pdfinfo"))
        GTEST_SKIP() << "chromium or poppler-utils (pdftotext, pdfinfo) is not installed";
    test::Testmapp mapp;
    const std::string html = mapp.Sokvag("utskrift.html");
    const std::string pdf = mapp.Sokvag("utskrift.pdf");
    Bokforingsdata data = Bokforing(3, 2, 10);
    for (int i = 1; i <= 3; ++i) {
        data.Postplats(i).datum = "12-03-15";
        data.Postplats(i).text = "En lång text som fyller textkolumnen och bryts på fler rader "
                                 "än en, så att de smala kolumnerna trängs ihop";
    }
    Utskrift ut = DagbokUtskrift(data, "2012-02-01");
    test::SkrivBytes(html, ut.Avsluta());
    ASSERT_TRUE(SkrivUtPdf(mapp, html, pdf));
    const std::string text = Sidtext(mapp, pdf, 1);
    std::istringstream in(text);
    int rader = 0;
    for (std::string rad; std::getline(in, rad);)
        if (rad.find("12-03-15") != std::string::npos) {
            ++rader;
            EXPECT_NE(rad.find("1 234 567,89"), std::string::npos) << rad;
        }
    EXPECT_EQ(rader, 3) << text;
}
