// The effect area and the account lookup, each built on its own.

#include "core/Bokforingsdata.h"
#include "entry/Effekter.h"
#include "entry/ui/Effektyta.h"
#include "entry/ui/Kontosok.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList Rader(const QListWidget *lista) {
    QStringList rader;
    for (int i = 0; i < lista->count(); ++i)
        rader << lista->item(i)->text();
    return rader;
}

tovana::Bokforingsdata Kontoplan() {
    tovana::Bokforingsdata data;
    for (const tovana::TKonto &k :
         {tovana::TKonto{1, 1910, "Kassa"}, tovana::TKonto{1, 1930, "Bank"},
          tovana::TKonto{4, 2440, "Leverantörsskulder"}, tovana::TKonto{5, 3010, "Försäljning"},
          tovana::TKonto{6, 5010, "Hyra"}, tovana::TKonto{8, 1, "Projekt A"},
          tovana::TKonto{8, 19, "Projekt B"}})
        data.Kontoplats(++data.Kontoantal) = k;
    return data;
}

} // namespace

class EffektytaKontosokTest : public QObject {
    Q_OBJECT

private slots:
    void effectAreaHasEveryLabelAndCaption() {
        Effektyta yta;
        for (const std::string &namn : tovana::Effektlabelnamn()) {
            auto *etikett = yta.findChild<QLabel *>(QString::fromStdString(namn));
            QVERIFY2(etikett, namn.c_str());
            QVERIFY(etikett->font().bold());
            const Qt::Alignment sida =
                QString::fromStdString(namn).endsWith("Bel") ? Qt::AlignRight : Qt::AlignLeft;
            QCOMPARE(etikett->alignment() & Qt::AlignHorizontal_Mask, sida);
        }
        QStringList texter;
        for (auto *etikett : yta.findChildren<QLabel *>())
            texter << etikett->text();
        for (const char *rubrik :
             {"Effekter i balansräkningen", "Effekter i resultaträkningen", "Tillgångar",
              "Summa tillgångar", "Eget kapital", "Obeskattade reserver", "Skulder",
              "Summa eget kapital och skulder", "Intäkter", "Kostnader", "Bokslutsdispositioner",
              "Årets resultat ändras med"})
            QVERIFY2(texter.contains(QString::fromUtf8(rubrik)), rubrik);
    }

    void effectAreaShowsAndClearsThePost() {
        const tovana::Bokforingsdata data = Kontoplan();
        Effektyta yta;
        yta.show();
        yta.Visa(tovana::KonteringsEffekter(data, 5010, 2440, 1234567.5));
        QCOMPARE(yta.findChild<QLabel *>("LabelKeffekt1")->text(), QStringLiteral("Hyra ökar med"));
        QCOMPARE(yta.findChild<QLabel *>("LabelSeffekt1Bel")->text(),
                 QStringLiteral("+ 1 234 567,50"));
        QCOMPARE(yta.findChild<QLabel *>("LabelEKeffekt1")->text(),
                 QStringLiteral("Årets resultat minskar med"));
        // Nothing is cut off once the texts are in.
        yta.layout()->activate();
        yta.resize(yta.sizeHint());
        yta.layout()->activate();
        for (auto *etikett : yta.findChildren<QLabel *>())
            QVERIFY2(etikett->width() >= etikett->sizeHint().width(),
                     qPrintable(etikett->objectName() + etikett->text()));

        yta.RensaEffekter();
        for (const std::string &namn : tovana::Effektlabelnamn())
            QCOMPARE(yta.findChild<QLabel *>(QString::fromStdString(namn))->text(), QString());
    }

    void classButtonsListTheChartByClass() {
        const tovana::Bokforingsdata data = Kontoplan();
        Kontosok sok(data);
        QCOMPARE(sok.Lista()->objectName(), QStringLiteral("ListBoxvisaKonton"));
        QCOMPARE(sok.Lista()->focusPolicy(), Qt::NoFocus);
        QStringList namn, texter;
        for (QWidget *knapp : sok.Knappar()) {
            namn << knapp->objectName();
            texter << static_cast<QPushButton *>(knapp)->text();
        }
        QCOMPARE(namn, (QStringList{"BitBtnT", "BitBtnE", "BitBtnOR", "BitBtnS", "BitBtnI",
                                    "BitBtnK", "BitBtnBD", "BitBtnKod"}));
        QCOMPARE(texter,
                 (QStringList{"Tillg", "EK", "OR", "Skuld", "Intäkt", "Kost", "BD", "Kod"}));

        sok.findChild<QPushButton *>("BitBtnT")->click();
        QCOMPARE(Rader(sok.Lista()), (QStringList{"Tillgångar", "1910 Kassa", "1930 Bank"}));
        sok.findChild<QPushButton *>("BitBtnOR")->click();
        QCOMPARE(Rader(sok.Lista()), QStringList{"Obeskattade reserver"});
        sok.findChild<QPushButton *>("BitBtnKod")->click();
        QCOMPARE(Rader(sok.Lista()), (QStringList{"Koder", "1 Projekt A", "19 Projekt B"}));
        sok.Tom();
        QCOMPARE(sok.Lista()->count(), 0);
    }

    void typingNarrowsTheList() {
        const tovana::Bokforingsdata data = Kontoplan();
        Kontosok sok(data);
        sok.KontoAndrat("1");
        QCOMPARE(Rader(sok.Lista()),
                 (QStringList{"Konton som börjar med 1", "1910 Kassa", "1930 Bank"}));
        sok.KontoAndrat("19");
        const QStringList nitton{"Konton som börjar med 19", "1910 Kassa", "1930 Bank",
                                 "19 Projekt B"};
        QCOMPARE(Rader(sok.Lista()), nitton);
        sok.KontoAndrat("191");
        QCOMPARE(Rader(sok.Lista()), nitton);
        sok.KontoAndrat("");
        QCOMPARE(Rader(sok.Lista()), nitton);

        sok.KodAndrad("1");
        QCOMPARE(Rader(sok.Lista()),
                 (QStringList{"Koder som börjar med 1", "1 Projekt A", "19 Projekt B"}));
        sok.VisaKoder();
        QCOMPARE(Rader(sok.Lista()), (QStringList{"Koder", "1 Projekt A", "19 Projekt B"}));

        tovana::Bokforingsdata utanKoder;
        utanKoder.Kontoplats(++utanKoder.Kontoantal) = tovana::TKonto{1, 1910, "Kassa"};
        Kontosok utan(utanKoder);
        utan.KontoAndrat("1");
        utan.KodAndrad("1");
        QCOMPARE(utan.Lista()->count(), 0);
    }
};

QTEST_MAIN(EffektytaKontosokTest)
#include "test_effektyta_kontosok.moc"
