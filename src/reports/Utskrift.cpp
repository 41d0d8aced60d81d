#include "reports/Utskrift.h"

#include "core/Teckentabell.h"
#include "core/Textfil.h"

#include <algorithm>
#include <cstdio>

namespace tovana {

std::string Utskriftsdatum(std::time_t tid) {
    std::tm lokal{};
    localtime_r(&tid, &lokal);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", lokal.tm_year + 1900, lokal.tm_mon + 1,
                  lokal.tm_mday);
    return text;
}

std::string HtmlText(std::string_view text) {
    std::string ut;
    ut.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            ut += "&amp;";
            break;
        case '<':
            ut += "&lt;";
            break;
        case '>':
            ut += "&gt;";
            break;
        case '"':
            ut += "&quot;";
            break;
        default:
            ut += c;
        }
    }
    return ut;
}

Utskrift::Utskrift(std::string datum) : datum_(std::move(datum)) {
    rader_ = {"<html>",
              "<head>",
              "<meta charset=\"windows-1252\">",
              "<meta http-equiv=\"Content-Language\" content=\"sv\">",
              "<title>Utskrift från Tovana</title>",
              "<style>",
              "table.rader { table-layout: fixed }",
              "table.rader td { white-space: nowrap; overflow: hidden; text-overflow: ellipsis }",
              "</style>",
              "</head>",
              "<body>"};
}

void Utskrift::Rad(std::string rad) {
    rader_.push_back(std::move(rad));
}

void Utskrift::Foretagsrad(const Foretagsuppgifter &foretag) {
    if (foretag.namn.empty() || foretagsrad_)
        return;
    foretagsrad_ = true;
    std::string rad =
        "<p align=\"center\"><font face=\"Verdana\" size=\"3\">" + HtmlText(foretag.namn);
    if (!foretag.orgnr.empty())
        rad += ", org.nr " + foretag.orgnr;
    rad += "</font></p>";
    auto efter = std::find(rader_.begin(), rader_.end(), "<body>");
    rader_.insert(efter == rader_.end() ? efter : efter + 1, std::move(rad));
}

void Utskrift::Utskriftsrubrik(std::string_view titelord, std::string_view namn,
                               std::optional<int> sida, bool stampel) {
    std::string rad = "<p align=\"center\"><font face=\"Verdana\" size=\"4\">";
    rad += titelord;
    rad += HtmlText(namn);
    if (sida) {
        rad += " (sida " + std::to_string(*sida);
        rad += stampel ? ")</font>" : ")</font></p>";
    } else {
        rad += "</font>";
    }
    if (stampel)
        rad += "<font face=\"Verdana\" size=\"1\"> Utskriften är gjord " + datum_ + "</p>";
    rader_.push_back(std::move(rad));
}

void Utskrift::Sidbrytning(std::string_view titelord, std::string_view namn, int sida,
                           bool stampel) {
    // A break on a block element, which browsers honour when printing.
    rader_.push_back("<div>");
    rader_.push_back("<div style=\"page-break-before:always; break-before:page\"></div>");
    rader_.push_back("</div>");
    Utskriftsrubrik(titelord, namn, sida, stampel);
}

std::string Utskrift::Avsluta() {
    if (!avslutad_) {
        rader_.push_back("</body>");
        rader_.push_back("</html>");
        avslutad_ = true;
    }
    std::string text;
    for (const auto &rad : rader_) {
        text += rad;
        text += "\r\n";
    }
    return TillWindows1252(text);
}

void SkrivUtskrift(Utskrift &utskrift) {
    SkrivFilSakert(kUtskriftsfil, utskrift.Avsluta());
}

} // namespace tovana
