// The journal on screen: every post, 25 to a page, driven from the menu.

#include "test_kontoutdrag_fonster.h"

using namespace rapport2test;

class DagbokSkarmTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;

private slots:
    void theJournalPagesThroughEveryPost() {
        Fonster f(katalog_);
        f.Meny("Dagbok");
        QVERIFY(f.form->Panel(QStringLiteral("Panelrapport2"))->isVisible());
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Dagbok"));
        QCOMPARE(f.Rad(0),
                 (QStringList{"Ver.nr.", "Datum", "Belopp", "Debet", "Kredit", "Kod", "Text"}));
        for (const char *dold :
             {"ListBoxrapp", "Labelanvisning", "Editvisakonto", "LabelRappVisaKontonRubrik",
              "BitBtnvisakonto", "BitBtnframat", "BitBtnBakat"})
            QVERIFY2(!f.Synlig(dold), dold);
        QVERIFY(f.Synlig("BitBtnDagbokFramat"));
        QVERIFY(f.Synlig("BitBtnDagbokBakat"));
        QCOMPARE(f.Del<QPushButton>("BitBtnDagbokFramat")->text(),
                 QStringLiteral("Bläddra framåt i dagboken"));
        QCOMPARE(f.Del<QPushButton>("BitBtnDagbokBakat")->text(),
                 QStringLiteral("Bläddra tillbaka i dagboken"));

        const QStringList forsta{
            "1", "120311", "10,00", "1930", "3010", "0", "Kontant försäljning 1"};
        QCOMPARE(f.Rad(1), forsta);
        QCOMPARE(f.Rad(25)[0], QStringLiteral("25"));

        f.Tryck("BitBtnDagbokFramat");
        QCOMPARE(f.Rad(1), (QStringList{"26", "120336", "10,00", "1930", "3010", "30",
                                        "Kontant försäljning 26"}));
        QCOMPARE(f.Rad(2),
                 (QStringList{"27", "120411", "4,00", "5010", "2440", "0", "Hyra; del 27"}));
        f.Tryck("BitBtnDagbokFramat");
        QCOMPARE(f.Rad(1)[0], QStringLiteral("51"));
        QVERIFY(f.TommaRader(2));
        f.Tryck("BitBtnDagbokFramat");
        QCOMPARE(f.Rad(1)[0], QStringLiteral("51"));

        f.Tryck("BitBtnDagbokBakat");
        QCOMPARE(f.Rad(1)[0], QStringLiteral("26"));
        f.Tryck("BitBtnDagbokBakat");
        QCOMPARE(f.Rad(1), forsta);
        f.Tryck("BitBtnDagbokBakat");
        QCOMPARE(f.Rad(1), forsta);
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
    }

    void withoutCodesTheCodeColumnIsEmpty() {
        Fonster f(katalog_, false);
        f.Meny("Dagbok");
        QCOMPARE(f.Rad(0),
                 (QStringList{"Ver.nr.", "Datum", "Belopp", "Debet", "Kredit", "", "Text"}));
        QCOMPARE(f.Rad(1)[5], QString());
        f.Tryck("BitBtnDagbokFramat");
        QCOMPARE(f.Rad(1)[0], QStringLiteral("26"));
        QCOMPARE(f.Rad(1)[5], QString());
    }

    void exactlyOnePageDoesNotPage() {
        Fonster f(katalog_, true, 25);
        f.Meny("Dagbok");
        QVERIFY(!f.Synlig("BitBtnDagbokFramat"));
        QCOMPARE(f.Rad(25)[0], QStringLiteral("25"));
    }

    void anEmptyLedgerLeavesTheGridEmpty() {
        Fonster f(katalog_, true, 0);
        f.Meny("Dagbok");
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Dagbok"));
        QCOMPARE(f.Rad(0)[6], QStringLiteral("Text"));
        QVERIFY(f.TommaRader(1));
        QVERIFY(!f.Synlig("BitBtnDagbokFramat"));
    }

    void theJournalIsBuiltAgainEachTimeItOpens() {
        Fonster f(katalog_, true, 3);
        f.Meny("Dagbok");
        QVERIFY(f.TommaRader(4));
        auto &data = f.form->Data();
        data.Postplats(++data.Postantal) = tovana::TPost{9, "120501", 1930, 3040, 0, 5.5, "Ny"};
        QVERIFY(f.TommaRader(4));
        f.Meny("Dagbok");
        QCOMPARE(f.Rad(4), (QStringList{"9", "120501", "5,50", "1930", "3040", "0", "Ny"}));
    }
};

QTEST_MAIN(DagbokSkarmTest)
#include "test_dagbok_skarm.moc"
