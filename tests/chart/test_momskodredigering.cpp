// Setting an account's VAT box from the Special menu: the account number as
// typed, and what is refused before anything is written.

#include "../core/Testmapp.h"
#include "chart/Momskodredigering.h"
#include "core/Fel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace tovana;
using namespace tovana::test;

namespace {

std::string Fel(const std::function<void()> &kommando) {
    try {
        kommando();
    } catch (const Korningsfel &fel) {
        return fel.what();
    }
    return "";
}

Bokforingsdata Plan(const Testmapp &mapp) {
    Bokforingsdata data;
    data.Kontoplats(1) = {1, 1930, "Bank"};
    data.Kontoplats(2) = {5, 3010, "Försäljning"};
    data.Kontoplats(3) = {8, 9010, "Kod"};
    data.Kontoantal = 3;
    data.KontoplanInlast = true;
    data.Kontoplanfil = mapp.Sokvag("plan.kpl");
    return data;
}

} // namespace

TEST(Momskodredigering, AnAccountNumberIsDigitsOnly) {
    EXPECT_EQ(LasKontonummer(" 3010 "), 3010);
    EXPECT_EQ(LasKontonummer("123456789"), 123456789);
    for (const char *text : {"", "  ", "30 10", "-3010", "$BC2", "3010a", "1234567890"})
        EXPECT_EQ(LasKontonummer(text), std::nullopt) << text;
}

TEST(Momskodredigering, WhatCannotBeSavedWritesNothing) {
    Testmapp mapp;
    const Bokforingsdata data = Plan(mapp);
    const std::string fil = Momskodfil(data.Kontoplanfil);

    Bokforingsdata utanPlan;
    EXPECT_EQ(Fel([&] { SparaMomskod(utanPlan, "3010", "06"); }),
              "Det finns ingen kontoplan. Öppna en kontoplan först.");
    Bokforingsdata osparad = Plan(mapp);
    osparad.Kontoplanfil.clear();
    EXPECT_NE(Fel([&] { SparaMomskod(osparad, "3010", "06"); }).find("inte sparad"),
              std::string::npos);
    Bokforingsdata skyddad = Plan(mapp);
    skyddad.KontoplanSkrivskyddad = true;
    EXPECT_NE(Fel([&] { SparaMomskod(skyddad, "3010", "06"); }).find("skrivskyddad"),
              std::string::npos);
    EXPECT_EQ(Fel([&] { SparaMomskod(data, "9010", "06"); }),
              "Konto 9010 finns inte bland kontoplanens konton.");
    EXPECT_EQ(Fel([&] { SparaMomskod(data, "x", "06"); }),
              "Skriv kontot som ett kontonummer, till exempel 3010.");
    EXPECT_NE(Fel([&] { SparaMomskod(data, "3010", "49"); }), "");
    EXPECT_FALSE(std::filesystem::exists(fil));

    // A saved choice reads back; a file that cannot be read is named.
    EXPECT_EQ(SparaMomskod(data, "1930", "48"), (Momskoder{{1930, 48}}));
    EXPECT_EQ(KontoplanensMomskoder(data), (Momskoder{{1930, 48}}));
    SkrivBytes(fil, "1930;xx\r\n");
    EXPECT_NE(Fel([&] { KontoplanensMomskoder(data); }).find(fil), std::string::npos);
}
