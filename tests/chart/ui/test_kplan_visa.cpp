// Opening, showing and saving a chart under a new name through the menu.

#include "chart/ui/Kplanfonster.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kplantest;

class VisaKplanTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    QString Fil(const QString &namn) const { return katalog_.filePath(namn); }

    // A copy of the example chart: the original may be open (locked) in another test at once.
    QString Exempel() const { return Fil(QStringLiteral("foretag.kpl")); }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
        QVERIFY(QFile::copy(QStringLiteral(TOVANA_EXEMPEL_DIR "/foretag.kpl"), Exempel()));
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void theExampleChartOpensAndListsInOrder() {
        Fonster f;
        f.skrivbord->filval.push_back(Exempel());
        f.Meny("Oppna1");
        QCOMPARE(f.skrivbord->forval, QStringList{"*.kpl"});
        QVERIFY(f.Synlig("PanelOppnaKplan"));
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        const QStringList rader = f.Rader("ListBoxVisaKplan");
        QCOMPARE(rader.mid(0, 2), (QStringList{"Tillgångar", "1220 Inventarier och verktyg"}));
        QCOMPARE(rader.count(QStringLiteral(" ")), 7);
        QCOMPARE(rader.mid(rader.size() - 5), (QStringList{" ", "Koder", "10 Projekt Norr",
                                                           "20 Projekt Söder", "30 Mässan i vår"}));
        QVERIFY(rader.indexOf("1510 Kundfordringar") < rader.indexOf("1930 Företagskonto"));
        QVERIFY(rader.indexOf("1930 Företagskonto") < rader.indexOf("Eget kapital"));
        QVERIFY(rader.indexOf("Obeskattade reserver") < rader.indexOf("2110 Periodiseringsfond"));
        QVERIFY(rader.indexOf("Skulder") < rader.indexOf("2440 Leverantörsskulder"));
        QVERIFY(rader.indexOf("Bokslutsdispositioner") <
                rader.indexOf("8811 Avsättning till periodiseringsfond"));
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Kontoplan för små företag"));
        QCOMPARE(f.Text("LabelKplanFilnamn"), Exempel());
        QCOMPARE(AktivaMenyval(f), kKontoplansgrupp);
        QVERIFY(f.form->Data().KontoplanInlast);
    }

    void openingWhileALedgerIsLoadedEnablesTheLedgerGroup() {
        Fonster f;
        f.form->Data().RedovisningInlast = true;
        f.skrivbord->filval.push_back(Exempel());
        f.Meny("Oppna1");
        QCOMPARE(AktivaMenyval(f), kKontoplansgrupp + kRedovisningsgrupp);
    }

    void aChartOrderedByNumberOnlyGetsAHeadingEachTimeTheClassRises() {
        SkrivFil(Fil("nummer.kpl"), "Efter nummer\r\n1;1510;Kundfordringar\r\n"
                                    "4;2440;Leverant\xf6rsskulder\r\n1;2641;Ing\xe5\x65nde moms\r\n"
                                    "\r\n4;2650;Momsredovisning\r\n");
        Fonster f;
        f.skrivbord->filval.push_back(Fil("nummer.kpl"));
        f.Meny("Oppna1");
        QCOMPARE(f.Rader("ListBoxVisaKplan"),
                 (QStringList{"Tillgångar", "1510 Kundfordringar", " ", "Skulder",
                              "2440 Leverantörsskulder", "2641 Ingående moms", " ", "Skulder",
                              "2650 Momsredovisning"}));
        QCOMPARE(f.form->Data().Kontoantal, 4);
    }

    void cancellingTheOpenDialogListsTheChartInMemory() {
        Fonster f;
        f.Meny("Oppna1");
        QCOMPARE(f.Rader("ListBoxVisaKplan"), QStringList{"Tillgångar"});
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Det finns ingen kontoplan"));
        QVERIFY(AktivaMenyval(f).isEmpty());
        QVERIFY(!f.form->Data().KontoplanInlast);

        f.skrivbord->filval.push_back(Exempel());
        f.Meny("Oppna1");
        const int antal = f.form->Data().Kontoantal;
        f.Meny("Oppna1");
        QCOMPARE(f.form->Data().Kontoantal, antal);
        QCOMPARE(f.Rader("ListBoxVisaKplan").size(), antal + 15);
        QCOMPARE(f.Text("LabelKplanFilnamn"), Exempel());
    }

    void aChartThatFailsToReadChangesNothingAndNamesTheLine() {
        SkrivFil(Fil("trasig.kpl"), "Trasig plan\r\n1;1930;Bank\r\n1;19x;Kassa\r\n");
        Fonster f;
        f.skrivbord->filval.push_back(Exempel());
        f.Meny("Oppna1");
        const auto fore = f.form->Data();
        const QStringList lista = f.Rader("ListBoxVisaKplan");

        f.skrivbord->filval.push_back(Fil("trasig.kpl"));
        f.Meny("Oppna1");
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        const QString fel = f.skrivbord->meddelanden[0];
        QVERIFY2(fel.contains(QStringLiteral("'19x' is not a valid integer value")),
                 qPrintable(fel));
        QVERIFY2(fel.contains(QStringLiteral("rad 3")), qPrintable(fel));
        const auto &data = f.form->Data();
        QVERIFY(data.Konton == fore.Konton);
        QCOMPARE(data.Kontoantal, fore.Kontoantal);
        QCOMPARE(data.Kontoplannamn, fore.Kontoplannamn);
        QCOMPARE(data.Kontoplanfil, fore.Kontoplanfil);
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Kontoplan för små företag"));
        QCOMPARE(f.Text("LabelKplanFilnamn"), Exempel());
        QCOMPARE(f.Rader("ListBoxVisaKplan"), lista);
    }

    void aFailedFirstOpenEnablesNothing() {
        SkrivFil(Fil("trasig2.kpl"), "Trasig\r\n1;;Kassa\r\n");
        Fonster f;
        f.skrivbord->filval.push_back(Fil("trasig2.kpl"));
        f.Meny("Oppna1");
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        QVERIFY(AktivaMenyval(f).isEmpty());
        QVERIFY(!f.form->Data().KontoplanInlast);
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Det finns ingen kontoplan"));
    }

    void showingListsTheChartInMemory() {
        Fonster f;
        f.skrivbord->filval.push_back(Exempel());
        f.Meny("Oppna1");
        f.form->VisaArbetspanel(f.form->Panel("Panelvalkommen"));
        f.form->Data().Konton[1].namn = "Maskiner";
        f.Meny("Visa1");
        QVERIFY(f.Synlig("PanelOppnaKplan"));
        QCOMPARE(f.Rader("ListBoxVisaKplan")[1], QStringLiteral("1220 Maskiner"));
    }

    void saveAsWritesTheChartAndTheNextSaveGoesThere() {
        Fonster f;
        f.skrivbord->filval.push_back(Exempel());
        f.Meny("Oppna1");
        f.Meny("Nyttkonto1");
        f.skrivbord->filval.push_back(Fil("kopia"));
        f.Meny("SparasomKplan");
        QVERIFY(f.Synlig("Panelnyakonton"));
        QCOMPARE(Filinnehall(Fil("kopia.kpl")), Filinnehall(Exempel()));
        QCOMPARE(f.Text("LabelKplanFilnamn"), Fil("kopia.kpl"));
        QCOMPARE(f.form->Data().Kontoplanfil, Fil("kopia.kpl").toStdString());

        QVERIFY(f.LaggTill("6", "6991", QStringLiteral("Övriga kostnader")));
        f.Tryck("BitBtnSparaKplan");
        QVERIFY(Filinnehall(Fil("kopia.kpl")).contains("6;6991;\xd6vriga kostnader\r\n6;7010;"));
        QVERIFY(!Filinnehall(Exempel()).contains("6991"));

        // Cancelling changes nothing.
        f.Meny("SparasomKplan");
        QCOMPARE(f.form->Data().Kontoplanfil, Fil("kopia.kpl").toStdString());
    }
};

QTEST_MAIN(VisaKplanTest)
#include "test_kplan_visa.moc"
