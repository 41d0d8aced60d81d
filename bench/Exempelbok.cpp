#include "Exempelbok.h"

#include "core/Kontoplanfil.h"
#include "core/Redovisningsfil.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tovana::bench {

namespace {

struct Klassdel {
    Kontotyp typ;
    int32_t forsta; // the first account number
    int32_t steg;   // between numbers
    int antal;
    const char *namn;
};

// 40 + 10 + 5 + 25 + 30 + 75 + 5 + 10 = 200 accounts.
constexpr std::array<Klassdel, 8> kDelar = {{
    {1, 1010, 10, 40, "Tillgång"},
    {2, 2010, 10, 10, "Eget kapital"},
    {3, 2110, 10, 5, "Periodiseringsfond"},
    {4, 2310, 10, 25, "Skuld"},
    {5, 3010, 10, 30, "Försäljning"},
    {6, 4010, 20, 75, "Kostnad"},
    {7, 8810, 10, 5, "Bokslutsdisposition"},
    {8, 10, 10, 10, "Projekt"},
}};

int32_t Nummer(int del, unsigned k) {
    const Klassdel &d = kDelar[static_cast<std::size_t>(del)];
    return d.forsta + d.steg * static_cast<int32_t>(k % static_cast<unsigned>(d.antal));
}

// A small linear congruential sequence: the same every run.
struct Slump {
    unsigned tal = 12345;
    unsigned operator()() { return (tal = tal * 1103515245u + 12345u) >> 8; }
};

} // namespace

std::vector<TKonto> Exempelkonton() {
    std::vector<TKonto> konton;
    for (const Klassdel &d : kDelar)
        for (int k = 0; k < d.antal; ++k) {
            TKonto konto;
            konto.typ = d.typ;
            konto.nummer = d.forsta + d.steg * k;
            konto.namn = std::string(d.namn) + " " + std::to_string(k + 1);
            konton.push_back(std::move(konto));
        }
    return konton;
}

std::vector<TPost> Exempelposter(long antal) {
    std::vector<TPost> poster;
    poster.reserve(static_cast<std::size_t>(antal > 0 ? antal : 0));
    Slump slump;
    auto post = [&](int32_t vernr, const std::string &datum, double belopp, int32_t debet,
                    int32_t kredit, int32_t kod, const std::string &text) {
        if (static_cast<long>(poster.size()) < antal)
            poster.push_back(TPost{vernr, datum, debet, kredit, kod, belopp, text});
    };

    // Opening balances: every asset debited, every liability and equity account
    // credited, one-sided; the last equity post balances them.
    double ib = 0.0;
    for (int del = 0; del < 4; ++del)
        for (int k = 0; k < kDelar[static_cast<std::size_t>(del)].antal; ++k) {
            const double belopp = static_cast<double>(slump() % 5000000) / 100.0;
            const int32_t konto = Nummer(del, static_cast<unsigned>(k));
            if (del == 0) {
                post(1, "260101", belopp, konto, 0, 0, "IB-post");
                ib += belopp;
            } else {
                post(1, "260101", belopp, 0, konto, 0, "IB-post");
                ib -= belopp;
            }
        }
    post(1, "260101", ib, 0, Nummer(1, 0), 0, "IB-post");

    // Verifications through the year, their dates in order.
    // About 2.25 posts a verification; the last days take what is left over.
    const long verifikationer = antal * 4 / 9 + 1;
    for (int32_t vernr = 2; static_cast<long>(poster.size()) < antal; ++vernr) {
        int dag = static_cast<int>(std::min(364L, (vernr - 2) * 365L / verifikationer));
        int manad = 0;
        for (const int dagar : {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}) {
            if (dag < dagar)
                break;
            dag -= dagar;
            ++manad;
        }
        char datum[16];
        std::snprintf(datum, sizeof datum, "26%02d%02d", 1 + manad, 1 + dag);
        const long cent = static_cast<long>(slump() % 2000000 + 100);
        const int32_t kod = slump() % 5 == 0 ? Nummer(7, slump()) : 0;
        const int32_t tillgang = Nummer(0, slump() % 4); // the money accounts
        const auto kr = [](long ore) { return static_cast<double>(ore) / 100.0; };
        // The last verifications are whole ones: near the end only one-post kinds.
        const bool rum = antal - static_cast<long>(poster.size()) >= 4;
        switch (rum ? slump() % 4 : slump() % 2 * 3) {
        case 0: // a cash sale, one post with both sides
            post(vernr, datum, kr(cent), tillgang, Nummer(4, slump()), kod,
                 "Försäljning kontant " + std::to_string(vernr));
            break;
        case 1: { // an invoice with VAT, split over three posts
            const std::string text = "Kundfaktura " + std::to_string(vernr);
            const long moms = cent / 4;
            post(vernr, datum, kr(cent + moms), Nummer(0, 10), 0, 0, text);
            post(vernr, datum, kr(cent), 0, Nummer(4, slump()), kod, text);
            post(vernr, datum, kr(moms), 0, Nummer(3, 0), 0, text);
            break;
        }
        case 2: { // a purchase over two costs and input VAT, four posts
            const std::string text = "Leverantörsfaktura " + std::to_string(vernr) + "; material";
            const long del = cent / 3, moms = cent / 4;
            post(vernr, datum, kr(del), Nummer(5, slump()), 0, kod, text);
            post(vernr, datum, kr(cent - del), Nummer(5, slump()), 0, 0, text);
            post(vernr, datum, kr(moms), Nummer(3, 1), 0, 0, text);
            post(vernr, datum, kr(cent + moms), 0, Nummer(3, 2), 0, text);
            break;
        }
        default: // a payment, both sides
            post(vernr, datum, kr(cent), Nummer(3, 2), tillgang, 0,
                 "Betalning " + std::to_string(vernr));
            break;
        }
    }
    return poster;
}

void SkrivExempelbok(long antal, const std::string &kontoplan, const std::string &redovisning) {
    Bokforingsdata data;
    data.Kontoplannamn = "Exempelkontoplan";
    const auto konton = Exempelkonton();
    for (std::size_t i = 0; i < konton.size(); ++i)
        data.Kontoplats(static_cast<int32_t>(i + 1)) = konton[i];
    data.Kontoantal = static_cast<int32_t>(konton.size());
    if (!kontoplan.empty())
        SkrivKontoplan(data, kontoplan);
    SkrivRedovisningsfil(redovisning, "Exempelbokföring med " + std::to_string(antal) + " poster",
                         Exempelposter(antal));
}

} // namespace tovana::bench
