#!/usr/bin/env python3
"""Writes the example company in exempel/: a small café's year 2026.

    exempel/kafe.ftg        the company file, naming the two files beside it
    exempel/kafe2026.red    the ledger: opening balance and about 300 posts

The chart, exempel/foretag.kpl, is kept as it is. Every byte is decided here
(no clock; the varying amounts come from a fixed-seed generator), so running
the script again gives the same files:

    python3 scripts/exempelforetag.py

Amounts are kept in öre as integers and written as the program writes them
("1250,5", "-36000"). A verification is either two-sided posts (debit and
credit both set) or one-sided posts (one side 0) whose amounts even out, as the
entry form keys them; the script refuses to write a year that does not balance.
"""

import datetime
import pathlib
import sys

MAPP = pathlib.Path(__file__).resolve().parent.parent / "exempel"
FORETAGSFIL = "kafe.ftg"
KONTOPLANFIL = "foretag.kpl"
REDOVISNINGSFIL = "kafe2026.red"
REDOVISNINGSNAMN = "Kafé Rönnbäret AB 2026"
AR = 26

NORR = 10  # catering for the offices up north in town
SODER = 20  # catering for the school and the church down south


class Slump:
    """A small linear congruential generator: the same numbers on every run."""

    def __init__(self, fro):
        self.x = fro

    def tal(self, lag, hog):
        self.x = (self.x * 1103515245 + 12345) % 2**31
        return lag + self.x % (hog - lag + 1)


def belopp(ore):
    """An amount in öre as the ledger's number text: no trailing zeros."""
    tecken = "-" if ore < 0 else ""
    kr, rest = divmod(abs(ore), 100)
    text = str(kr)
    if rest:
        text += "," + f"{rest:02d}".rstrip("0")
    return tecken + text


def moms(brutto, sats):
    """The VAT inside a gross amount at `sats` percent, rounded to whole öre."""
    return (brutto * sats + (100 + sats) // 2) // (100 + sats)


def procent(ore, sats):
    return (ore * sats + 50) // 100


class Ar:
    def __init__(self):
        self.verifikationer = []  # (date, order, posts)

    def ver(self, manad, dag, poster):
        """One verification: posts as (amount in öre, debit, credit, code, text)."""
        datum = f"{AR:02d}{manad:02d}{dag:02d}"
        self.verifikationer.append((datum, len(self.verifikationer), poster))

    def rader(self):
        rader = []
        vernr = 0
        for datum, _, poster in sorted(self.verifikationer):
            vernr += 1
            oppet = 0
            for ore, debet, kredit, kod, text in poster:
                if debet == 0:
                    oppet -= ore
                if kredit == 0:
                    oppet += ore
                rader.append(f"{vernr};{datum};{belopp(ore)};{debet};{kredit};{kod};{text}")
            if oppet != 0:
                sys.exit(f"verifikation {vernr} ({datum}) balanserar inte: {oppet}")
        return rader


def arets_bokforing():
    ar = Ar()
    slump = Slump(2026)
    # Each quarter's VAT, gathered as the posts are made: out at 25 %, out at 12 %, in.
    ut25 = [0] * 5
    ut12 = [0] * 5
    ingaende = [0] * 5

    def kvartal(manad):
        return (manad + 2) // 3

    # The opening balance, as the program's opening-balance run saves it: one
    # one-sided post per balance account, the last one carrying last year's result.
    ib = [
        (1220, 148_000_00),
        (1229, -44_400_00),
        (1460, 21_500_00),
        (1910, 6_200_00),
        (1930, 168_342_50),
        (1940, 60_000_00),
        (2081, 25_000_00),
        (2091, 84_160_00),
        (2350, 90_000_00),
        (2440, 23_815_00),
        (2650, 18_930_00),
        (2710, 15_080_00),
        (2731, 16_338_00),
    ]
    poster = []
    tillgangar = skulder = 0
    for konto, ore in ib:
        if konto < 2000:
            poster.append((ore, konto, 0, 0, "IB-post"))
            tillgangar += ore
        else:
            poster.append((ore, 0, konto, 0, "IB-post"))
            skulder += ore
    fjolresultat = tillgangar - skulder
    poster.append((fjolresultat, 0, 2099, 0, "IB-post"))
    ar.ver(1, 1, poster)

    # Last year's open debts, paid in January and February.
    ar.ver(1, 12, [(15_080_00, 2710, 1930, 0, "Personalens källskatt december"),
                   (16_338_00, 2731, 1930, 0, "Arbetsgivaravgifter december")])
    ar.ver(1, 20, [(23_815_00, 2440, 1930, 0, "Leverantörsskulder från december betalda")])
    ar.ver(2, 12, [(18_930_00, 2650, 1930, 0, "Moms oktober-december inbetald")])

    # Sales, counted every other week from the till's reports: coffee and food
    # at 12 %, and every fourth time mugs and gift items at 25 %. Summer and
    # December sell more. The last days of the year make a short period of their own.
    sasong = [0, 80, 78, 88, 95, 108, 122, 118, 96, 92, 90, 88, 115]
    for period in range(27):
        slut = datetime.date(2026, 1, 11) + datetime.timedelta(days=14 * period)
        if period == 26:
            slut = datetime.date(2026, 12, 31)
            text = "Kassarapporter 28-31 december"
            brutto = slump.tal(180, 240) * 100_00
        else:
            text = f"Kassarapporter vecka {2 * period + 1}-{2 * period + 2}"
            brutto = sasong[slut.month] * slump.tal(700, 800) * 100 + slump.tal(0, 99) * 100
        m = moms(brutto, 12)
        ut12[kvartal(slut.month)] += m
        poster = [(brutto - m, 1930, 3011, 0, text), (m, 1930, 2620, 0, "Utgående moms 12 %")]
        if period % 4 == 1:
            b25 = slump.tal(1200, 3400) * 100
            m25 = moms(b25, 25)
            ut25[kvartal(slut.month)] += m25
            poster += [(b25 - m25, 1930, 3010, 0, "Muggar och presentartiklar"),
                       (m25, 1930, 2610, 0, "Utgående moms 25 %")]
        ar.ver(slut.month, slut.day, poster)

    # Catering: invoiced to the customer and paid a month later; the food
    # bought for it carries the same project code as the sale.
    catering = [
        (NORR, 2, 14, 9_400_00, "Frukostmöte kontoren norr"),
        (NORR, 4, 9, 12_600_00, "Lunchbuffé kontoren norr"),
        (SODER, 5, 16, 14_200_00, "Konfirmation söder, kaffe och tårta"),
        (SODER, 8, 22, 11_300_00, "Skolstart söder, fika för föräldrar"),
        (NORR, 9, 17, 15_900_00, "Personaldag kontoren norr"),
        (SODER, 11, 26, 9_200_00, "Adventsfika söder"),
        (NORR, 12, 10, 18_600_00, "Julbord kontoren norr"),
    ]
    for kod, manad, dag, netto, text in catering:
        inkop = procent(netto, 38)
        im = procent(inkop, 12)
        ingaende[kvartal(manad)] += im
        ar.ver(manad, dag - 2, [(inkop, 4010, 1930, kod, "Råvaror till " + text[0].lower() + text[1:]),
                                (im, 2640, 1930, 0, "Ingående moms 12 %")])
        m = procent(netto, 12)
        ut12[kvartal(manad)] += m
        ar.ver(manad, dag, [(netto + m, 1510, 0, 0, "Faktura " + text),
                            (netto, 0, 3011, kod, text),
                            (m, 0, 2620, 0, "Utgående moms 12 %")])
        if manad < 12:
            ar.ver(manad + 1, min(dag, 28), [(netto + m, 1930, 1510, 0, "Inbetalning " + text)])

    for manad in range(1, 13):
        # The wholesaler's monthly invoice (food at 12 %), paid at month end.
        netto = sasong[manad] * slump.tal(330, 370) * 100 + slump.tal(0, 9999)
        m = procent(netto, 12)
        ingaende[kvartal(manad)] += m
        ar.ver(manad, 5, [(netto, 4010, 0, 0, "Grossistfaktura råvaror och kaffe"),
                          (m, 2640, 0, 0, "Ingående moms 12 %"),
                          (netto + m, 0, 2440, 0, "Leverantörsskuld grossisten")])
        ar.ver(manad, 27, [(netto + m, 2440, 1930, 0, "Betalning till grossisten")])

        ar.ver(manad, 1, [(19_500_00, 5010, 1930, 0, "Hyra lokalen Storgatan")])

        # Salaries for three employees, paid on the 25th; the tax drawn and
        # the employer's fees are paid on the 12th of the month after.
        brutto = 64_000_00 if manad in (6, 7, 8) else 52_000_00
        skatt = procent(brutto, 29)
        avgift = (brutto * 3142 + 5000) // 10000
        ar.ver(manad, 25, [(brutto, 7010, 0, 0, "Löner"),
                           (skatt, 0, 2710, 0, "Avdragen preliminärskatt"),
                           (brutto - skatt, 0, 1930, 0, "Nettolöner utbetalda"),
                           (avgift, 7510, 2731, 0, "Arbetsgivaravgifter 31,42 %")])
        if manad < 12:
            ar.ver(manad + 1, 12, [(skatt, 2710, 1930, 0, "Personalens källskatt inbetald"),
                                   (avgift, 2731, 1930, 0, "Arbetsgivaravgifter inbetalda")])

        if manad % 3 == 0:
            k = kvartal(manad)
            # Electricity and bookkeeping, every quarter.
            el = slump.tal(5200, 8900) * 100
            ingaende[k] += procent(el, 25) + 1_200_00
            ar.ver(manad, 15, [(el, 5020, 1930, 0, f"Elräkning kvartal {k}"),
                               (procent(el, 25), 2640, 1930, 0, "Ingående moms 25 %")])
            ar.ver(manad, 20, [(4_800_00, 6530, 1930, 0, "Bokföringsbyrån, kvartalsarvode"),
                               (1_200_00, 2640, 1930, 0, "Ingående moms 25 %")])
            # The loan: interest and a repayment every quarter.
            ranta = 1_080_00 - 60_00 * k
            ar.ver(manad, 30, [(ranta, 8410, 1930, 0, "Låneränta"),
                               (7_500_00, 2350, 1930, 0, "Amortering banklån")])
        if manad % 6 == 0:
            ar.ver(manad, 28, [(1_420_00, 6570, 1930, 0, "Bankavgifter och kortinlösen halvår")])
            ingaende[kvartal(manad)] += 675_00
            ar.ver(manad, 18, [(2_700_00, 6212, 1930, 0, "Mobilabonnemang halvår"),
                               (675_00, 2640, 1930, 0, "Ingående moms 25 %")])

    # Things that happen once a year.
    ar.ver(1, 15, [(14_400_00, 6310, 1930, 0, "Företagsförsäkring helår")])
    ingaende[1] += 6_500_00
    ar.ver(3, 6, [(26_000_00, 1220, 0, 0, "Ny espressomaskin"),
                  (6_500_00, 2640, 0, 0, "Ingående moms 25 %"),
                  (32_500_00, 0, 1930, 0, "Espressomaskinen betald")])
    ingaende[2] += 800_00
    ar.ver(4, 3, [(3_200_00, 5910, 1930, 0, "Annons i lokaltidningen"),
                  (800_00, 2640, 1930, 0, "Ingående moms 25 %")])
    ar.ver(5, 20, [(fjolresultat, 2099, 2091, 0, "Fjolårets resultat enligt årsstämman")])
    ingaende[2] += 600_00
    ar.ver(5, 29, [(2_400_00, 5460, 1910, 0, "Servetter och engångsmuggar, kontant"),
                   (600_00, 2640, 1910, 0, "Ingående moms 25 %")])
    ingaende[3] += 287_50
    ar.ver(8, 26, [(1_150_00, 5460, 1910, 0, "Diskmedel och rengöring, kontant"),
                   (287_50, 2640, 1910, 0, "Ingående moms 25 %")])
    ingaende[4] += 650_00
    ar.ver(10, 2, [(2_600_00, 5910, 1930, 0, "Flygblad höstmenyn"),
                   (650_00, 2640, 1930, 0, "Ingående moms 25 %")])
    ar.ver(12, 31, [(1_240_00, 1940, 8310, 0, "Ränta sparkonto")])
    ar.ver(12, 31, [(34_800_00, 7832, 1229, 0, "Avskrivning inventarier 20 %")])
    ar.ver(12, 31, [(2_300_00, 4990, 1460, 0, "Lagerförändring vid inventering")])

    # Each quarter's VAT moves to the VAT account on its last day and is paid
    # on the 12th of the second month after; the last quarter's is paid next year.
    for k in range(1, 5):
        poster = []
        if ut25[k]:
            poster.append((ut25[k], 2610, 0, 0, f"Moms kvartal {k}, utgående 25 %"))
        poster.append((ut12[k], 2620, 0, 0, f"Moms kvartal {k}, utgående 12 %"))
        poster.append((ingaende[k], 0, 2640, 0, f"Moms kvartal {k}, ingående"))
        skuld = ut25[k] + ut12[k] - ingaende[k]
        poster.append((skuld, 0, 2650, 0, f"Moms kvartal {k} att betala"))
        ar.ver(3 * k, 31 if k == 4 else 30, poster)
        if k < 4:
            ar.ver(3 * k + 2, 12, [(skuld, 2650, 1930, 0, f"Moms kvartal {k} inbetald")])
    return ar


def skriv(namn, text):
    (MAPP / namn).write_bytes(text.encode("cp1252"))


def main():
    rader = arets_bokforing().rader()
    if not 250 <= len(rader) <= 350:
        sys.exit(f"{len(rader)} poster, inte 250-350")
    skriv(REDOVISNINGSFIL, "".join(r + "\r\n" for r in [REDOVISNINGSNAMN] + rader))
    skriv(FORETAGSFIL, KONTOPLANFIL + "\r\n" + REDOVISNINGSFIL + "\r\n")
    print(f"{len(rader)} poster i {MAPP / REDOVISNINGSFIL}")


if __name__ == "__main__":
    main()
