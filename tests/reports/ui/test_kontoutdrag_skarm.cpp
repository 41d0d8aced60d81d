// The account statement on screen: picking an account, showing its lines and
// paging through them, driven from the menu.

#include "test_kontoutdrag_fonster.h"

using namespace rapport2test;

class KontoutdragSkarmTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;

    // Puts the focus in the account box as a Tab would, and types over its text.
    static void Skriv(Fonster &f, const QString &text) {
        auto *ruta = f.Del<QLineEdit>("Editvisakonto");
        ruta->setFocus(Qt::TabFocusReason);
        QVERIFY(QTest::qWaitFor([&] { return ruta->hasFocus(); }));
        ruta->selectAll();
        QTest::keyClick(ruta, Qt::Key_Backspace);
        QTest::keyClicks(ruta, text);
    }

private slots:
    void openingShowsAnEmptyGridAndAccountBox() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        QVERIFY(f.form->Panel(QStringLiteral("Panelrapport2"))->isVisible());
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Kontoutdrag för "));
        QCOMPARE(f.Text("Labelanvisning"), QStringLiteral("Ange kontonumret här:"));
        QCOMPARE(f.Text("LabelRappVisaKontonRubrik"),
                 QStringLiteral("Dubbelklicka för att välja  konto:"));
        QCOMPARE(f.Del<QPushButton>("BitBtnvisakonto")->text(),
                 QStringLiteral("Visa kontoutdraget"));
        QCOMPARE(f.Rad(0), (QStringList{"Ver.nr.", "Datum", "Debet", "Kredit", "Saldo", "", ""}));
        QVERIFY(f.TommaRader(1));
        QVERIFY(f.Rader("ListBoxrapp").isEmpty());
        for (const char *knapp :
             {"BitBtnframat", "BitBtnBakat", "BitBtnDagbokFramat", "BitBtnDagbokBakat"})
            QVERIFY2(!f.Synlig(knapp), knapp);
        QVERIFY(f.Synlig("Editvisakonto"));
    }

    void thePickListFollowsFocusAndTheFirstCharacter() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        Skriv(f, QString());
        QCOMPARE(f.Rader("ListBoxrapp"),
                 (QStringList{"Kontonplanen", "1930 Företagskonto", "2440 Leverantörsskulder",
                              "3010 Försäljning", "3040 Tjänster", "5010 Lokalhyra",
                              "8811 Avsättning", "30 Mässan"}));
        QTest::keyClicks(f.Del("Editvisakonto"), QStringLiteral("3"));
        const QStringList trean{"Konton som börjar med 3", "3010 Försäljning", "3040 Tjänster"};
        QCOMPARE(f.Rader("ListBoxrapp"), trean);
        QTest::keyClicks(f.Del("Editvisakonto"), QStringLiteral("0"));
        QCOMPARE(f.Rader("ListBoxrapp"), trean);
    }

    void doubleClickingAnAccountPutsItsNumberInTheBox() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        Skriv(f, QString());
        auto *lista = f.Del<QListWidget>("ListBoxrapp");
        auto dubbelklicka = [&](int rad) {
            const QRect ruta = lista->visualItemRect(lista->item(rad));
            // As the mouse does it: a click, then the second press that makes it double.
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, ruta.center());
            QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, ruta.center());
        };
        dubbelklicka(3);
        QCOMPARE(f.Del<QLineEdit>("Editvisakonto")->text(), QStringLiteral("3010"));
        // The heading line names no account.
        dubbelklicka(0);
        QCOMPARE(f.Del<QLineEdit>("Editvisakonto")->text(), QStringLiteral("3010"));
        f.Tryck("BitBtnvisakonto");
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Kontoutdrag för Försäljning"));
    }

    void aLongStatementPagesForwardAndBack() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        Skriv(f, QStringLiteral("1930"));
        f.Tryck("BitBtnvisakonto");
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Kontoutdrag för Företagskonto"));
        QVERIFY(f.Rader("ListBoxrapp").isEmpty());
        QVERIFY(f.Synlig("BitBtnframat"));
        QVERIFY(f.Synlig("BitBtnBakat"));
        QVERIFY(!f.Synlig("BitBtnDagbokFramat"));
        const QStringList forsta{"1", "120311", "10,00", "", "10,00", "", ""};
        const QStringList sista{"25", "120335", "10,00", "", "250,00", "", ""};
        QCOMPARE(f.Rad(1), forsta);
        QCOMPARE(f.Rad(25), sista);

        f.Tryck("BitBtnframat");
        QCOMPARE(f.Rad(1), (QStringList{"26", "120336", "10,00", "", "260,00", "", ""}));
        QVERIFY(f.TommaRader(2));
        f.Tryck("BitBtnframat");
        QCOMPARE(f.Rad(1)[0], QStringLiteral("26"));
        QVERIFY(f.TommaRader(2));

        f.Tryck("BitBtnBakat");
        QCOMPARE(f.Rad(1), forsta);
        QCOMPARE(f.Rad(25), sista);
        f.Tryck("BitBtnBakat");
        QCOMPARE(f.Rad(1), forsta);
    }

    void aCreditAccountFillsTheCreditColumn() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        Skriv(f, QStringLiteral("2440"));
        f.Tryck("BitBtnvisakonto");
        QCOMPARE(f.Rad(1), (QStringList{"27", "120411", "", "4,00", "4,00", "", ""}));
        QCOMPARE(f.Rad(25), (QStringList{"51", "120435", "", "4,00", "100,00", "", ""}));
        // Exactly 25 lines fit one page.
        QVERIFY(!f.Synlig("BitBtnframat"));
        QVERIFY(!f.Synlig("BitBtnBakat"));
    }

    // The longest amount text before the scientific form shows whole in its column.
    void theLargestExactAmountsFitTheirColumns() {
        Fonster f(katalog_);
        const QString red = katalog_.filePath(QStringLiteral("stor.red"));
        Fonster::SkrivFil(red, "Stor\r\n1;120101;-9999999999,99;1930;3010;0;Stor\r\n");
        f.skrivbord->filval.push_back(red);
        f.Meny("Oppnared");
        f.Meny("RapportKonto");
        Skriv(f, QStringLiteral("1930"));
        f.Tryck("BitBtnvisakonto");
        QApplication::processEvents();
        QCOMPARE(f.Rad(1), (QStringList{"1", "120101", "-9 999 999 999,99", "", "-9 999 999 999,99",
                                        "", ""}));
        for (const char *namn : {"Lde1", "Lsa1"}) {
            auto *cell = f.Del<QLabel>(namn);
            QVERIFY2(cell->width() >= cell->fontMetrics().horizontalAdvance(cell->text()), namn);
        }
    }

    void tooShortUnknownAndInvalidNumbers() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        Skriv(f, QStringLiteral("5010"));
        f.Tryck("BitBtnvisakonto");
        const QStringList rad1 = f.Rad(1);
        QCOMPARE(rad1[4], QStringLiteral("4,00"));

        // One character: the pick list is emptied and the grid stays.
        Skriv(f, QStringLiteral("5"));
        QVERIFY(!f.Rader("ListBoxrapp").isEmpty());
        f.Tryck("BitBtnvisakonto");
        QVERIFY(f.Rader("ListBoxrapp").isEmpty());
        QCOMPARE(f.Rad(1), rad1);

        // Not a whole number: the runtime's message, the grid stays.
        Skriv(f, QStringLiteral("50x"));
        f.Tryck("BitBtnvisakonto");
        QCOMPARE(f.skrivbord->meddelanden, QStringList{"'50x' is not a valid integer value"});
        QCOMPARE(f.Rad(1), rad1);
        QVERIFY(f.Rader("ListBoxrapp").isEmpty());

        // Not in the chart: a blank grid, the heading kept, no message.
        Skriv(f, QStringLiteral("9999"));
        f.Tryck("BitBtnvisakonto");
        QVERIFY(f.TommaRader(1));
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Kontoutdrag för Lokalhyra"));
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);

        // A class-7 account is found but has no lines.
        Skriv(f, QStringLiteral("8811"));
        f.Tryck("BitBtnvisakonto");
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Kontoutdrag för Avsättning"));
        QVERIFY(f.TommaRader(1));
    }

    // After an entry too short to build, paging forward showed a blank page of a
    // statement that had already been emptied.
    void pagingAfterAnEmptiedStatementDoesNothing() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        Skriv(f, QStringLiteral("3010"));
        f.Tryck("BitBtnvisakonto");
        const QStringList rad1 = f.Rad(1);
        Skriv(f, QStringLiteral("3"));
        f.Tryck("BitBtnvisakonto");
        QVERIFY(f.Synlig("BitBtnframat"));
        f.Tryck("BitBtnframat");
        QCOMPARE(f.Rad(1), rad1);
    }

    void theJournalsHeadersStandUntilTheNextStatement() {
        Fonster f(katalog_);
        f.Meny("Dagbok");
        f.Meny("RapportKonto");
        QCOMPARE(f.Rad(0), (QStringList{"Ver.nr.", "Datum", "Belopp", "Debet", "Kredit", "", ""}));
        QVERIFY(f.TommaRader(1));
        QVERIFY(!f.Synlig("BitBtnDagbokFramat"));
        QVERIFY(!f.Synlig("BitBtnDagbokBakat"));
        QVERIFY(f.Synlig("ListBoxrapp"));
        Skriv(f, QStringLiteral("3010"));
        f.Tryck("BitBtnvisakonto");
        QCOMPARE(f.Rad(0), (QStringList{"Ver.nr.", "Datum", "Debet", "Kredit", "Saldo", "", ""}));
        QCOMPARE(f.Rad(2), (QStringList{"2", "120312", "", "10,00", "20,00", "", ""}));
    }
};

QTEST_MAIN(KontoutdragSkarmTest)
#include "test_kontoutdrag_skarm.moc"
