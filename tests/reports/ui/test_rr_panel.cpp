// The income statement and the balance sheet on screen, opened from the
// "Rapporter" menu: 35 lines of names and amounts, the notice for longer
// statements, and no old text left below a shorter one.

#include "reports/ui/Rapportfonster.h"

#include <QDir>
#include <QTemporaryDir>

using namespace rapporttest;

namespace {

// A chart of `intakter` revenue accounts and a bank, and a ledger that gives
// each revenue account 100,00 and the bank the total.
void SkrivBokforing(const QString &kpl, const QString &red, int intakter) {
    QByteArray plan = "Testplan\r\n1;1930;Bank\r\n2;2010;Eget kapital\r\n";
    QByteArray bok = "Bok 2012\r\n1;120101;5000;1930;2010;0;Insättning\r\n";
    for (int i = 0; i < intakter; ++i) {
        plan += QByteArray("5;") + QByteArray::number(3000 + i) + ";Int\xe4kt " +
                QByteArray::number(i + 1) + "\r\n";
        bok += QByteArray::number(i + 2) + ";120102;100;1930;" + QByteArray::number(3000 + i) +
               ";0;F\xf6rs\xe4ljning\r\n";
    }
    SkrivFil(kpl, plan);
    SkrivFil(red, bok);
}

QString Meddelandet(int antal) {
    return QStringLiteral("De sista %1 posterna kan inte visas i denna rutin. Välj Utskrifter i "
                          "menyerna för att se hela rapporten")
        .arg(antal);
}

QString Belopp(int k) {
    return k == 9 ? QStringLiteral("LBB9") : QStringLiteral("Lbb%1").arg(k);
}

} // namespace

class RRPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    QString Fil(const QString &namn) const { return katalog_.filePath(namn); }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void theStatementsWaitForAChartAndALedger() {
        Fonster f;
        f.Meny("RapportRes");
        f.Meny("RapportBal");
        QVERIFY(!f.Synlig("PanelRR"));
        QVERIFY(f.Synlig("Panelvalkommen"));
    }

    void theIncomeStatementOfAnEmptyChartShowsTheSumLines() {
        SkrivFil(Fil("tom.kpl"), "Tom\r\n");
        SkrivFil(Fil("tom.red"), "Bok\r\n");
        Fonster f;
        f.Las(Fil("tom.kpl"), Fil("tom.red"));
        f.Meny("RapportRes");
        QVERIFY(f.Synlig("PanelRR"));
        QCOMPARE(f.Text("LabelRRrubrik"), QStringLiteral("Resultaträkning"));
        QCOMPARE(f.Text("Ln1"), QStringLiteral("Summa kostnader"));
        QCOMPARE(f.Text("Lbb1"), QStringLiteral("0,00"));
        QCOMPARE(f.Text("Ln2"), QString());
        QCOMPARE(f.Text("Lbb2"), QString());
        QCOMPARE(f.Text("Ln3"), QStringLiteral("Periodens resultat"));
        QCOMPARE(f.Text("Lbb3"), QStringLiteral("0,00"));
        for (int k = 4; k <= 35; ++k) {
            QCOMPARE(f.Text(QStringLiteral("Ln%1").arg(k)), QString());
            QCOMPARE(f.Text(Belopp(k)), QString());
        }
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
    }

    void aLongStatementIsCutAtLine35WithANotice_data() {
        QTest::addColumn<int>("intakter");
        QTest::addColumn<QStringList>("meddelanden");
        QTest::addColumn<QString>("rad35");
        QTest::addColumn<QString>("belopp35");
        // Revenue accounts, "Summa kostnader", a spacer and the result.
        QTest::newRow("35 lines") << 32 << QStringList{} << "Periodens resultat"
                                  << "3 200,00";
        QTest::newRow("36 lines") << 33 << QStringList{Meddelandet(1)} << ""
                                  << "";
        QTest::newRow("50 lines") << 47 << QStringList{Meddelandet(15)} << "Intäkt 35"
                                  << "100,00";
    }
    void aLongStatementIsCutAtLine35WithANotice() {
        QFETCH(int, intakter);
        QFETCH(QStringList, meddelanden);
        QFETCH(QString, rad35);
        QFETCH(QString, belopp35);
        SkrivBokforing(Fil("lang.kpl"), Fil("lang.red"), intakter);
        Fonster f;
        f.Las(Fil("lang.kpl"), Fil("lang.red"));
        f.Meny("RapportRes");
        QCOMPARE(f.skrivbord->meddelanden, meddelanden);
        QVERIFY(f.Synlig("PanelRR"));
        QCOMPARE(f.Text("Ln1"), QStringLiteral("Intäkt 1"));
        QCOMPARE(f.Text("Lbb1"), QStringLiteral("100,00"));
        QCOMPARE(f.Text("Ln9"), QStringLiteral("Intäkt 9"));
        QCOMPARE(f.Text("LBB9"), QStringLiteral("100,00"));
        QCOMPARE(f.Text("Ln35"), rad35);
        QCOMPARE(f.Text("Lbb35"), belopp35);
    }

    // A one-sided post leaves the balance sheet's result 500 above the income
    // statement's: both statements say so under the result, and the user is
    // told why once, not again when switching between them.
    void anImbalanceIsShownUnderTheResultAndExplainedOnce() {
        SkrivFil(Fil("obalans.kpl"),
                 "Plan\r\n1;1930;Bank\r\n2;2010;Eget kapital\r\n5;3010;F\xf6rs\xe4ljning\r\n");
        SkrivFil(Fil("obalans.red"), "Bok\r\n1;120101;1000;1930;3010;0;S\xe5lt\r\n"
                                     "2;120102;500;1930;0;0;Ensidig\r\n");
        Fonster f;
        f.Las(Fil("obalans.kpl"), Fil("obalans.red"));
        f.Meny("RapportRes");
        const QStringList rr = f.Rader();
        const int resultat = static_cast<int>(rr.indexOf(QStringLiteral("Periodens resultat"))) + 1;
        QVERIFY(resultat > 0);
        QCOMPARE(f.Text(QStringLiteral("Ln%1").arg(resultat + 1)),
                 QStringLiteral("Obalans i redovisningen"));
        QCOMPARE(f.Text(Belopp(resultat + 1)), QStringLiteral("500,00"));
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        const QString besked = f.skrivbord->meddelanden.first();
        QVERIFY2(besked.contains(QStringLiteral("debetsaldo på 500,00")), qPrintable(besked));
        QVERIFY(besked.contains(
            QStringLiteral("Kontrollera att alla använda konton finns i kontoplanen")));
        f.Meny("RapportBal");
        QVERIFY(f.Rader().contains(QStringLiteral("Obalans i redovisningen")));
        f.Meny("RapportRes");
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);

        // The consistency check names the verification that does not balance.
        f.Meny("KollKplan");
        QVERIFY(f.Lista("ListBoxKoll")
                    .contains(QStringLiteral("Verifikation 2 balanserar inte: debetsaldo 500,00")));
    }

    void aShortBalanceSheetAfterALongStatementLeavesNoOldLines() {
        SkrivBokforing(Fil("byte.kpl"), Fil("byte.red"), 40);
        Fonster f;
        f.Las(Fil("byte.kpl"), Fil("byte.red"));
        f.Meny("RapportRes");
        QCOMPARE(f.Text("Ln30"), QStringLiteral("Intäkt 30"));
        f.Meny("RapportBal");
        QCOMPARE(f.Text("LabelRRrubrik"), QStringLiteral("Balansräkning"));
        const QStringList namn = {"Bank",
                                  "Summa tillgångar",
                                  "",
                                  "Eget kapital",
                                  "Periodens resultat",
                                  "Summa eget kapital",
                                  "",
                                  "Summa skulder",
                                  "",
                                  "Summa eget kapital och skulder"};
        const QStringList belopp = {"9 000,00", "9 000,00", "",     "5 000,00", "4 000,00",
                                    "9 000,00", "",         "0,00", "",         "9 000,00"};
        for (int k = 1; k <= 35; ++k) {
            QCOMPARE(f.Text(QStringLiteral("Ln%1").arg(k)), namn.value(k - 1));
            QCOMPARE(f.Text(Belopp(k)), belopp.value(k - 1));
        }
        QCOMPARE(f.skrivbord->meddelanden, QStringList{Meddelandet(8)});
    }

    // The screen rounded to 8 significant digits and showed 1 234 567,90.
    void theScreenShowsTheExactOreAndNamesAsPlainText() {
        SkrivFil(Fil("stor.kpl"), "Plan\r\n1;1930;Bank\r\n5;3010;<b>F\xf6rs\xe4ljning</b>\r\n");
        SkrivFil(Fil("stor.red"), "Bok\r\n1;120101;1234567,89;1930;3010;0;Stor\r\n");
        Fonster f;
        f.Las(Fil("stor.kpl"), Fil("stor.red"));
        f.Meny("RapportRes");
        QCOMPARE(f.Text("Ln1"), QStringLiteral("<b>Försäljning</b>"));
        QCOMPARE(f.Del<QLabel>("Ln1")->textFormat(), Qt::PlainText);
        QCOMPARE(f.Text("Lbb1"), QStringLiteral("1 234 567,89"));
        QCOMPARE(f.Text("Ln2"), QStringLiteral("Summa kostnader"));
        QCOMPARE(f.Text("Lbb4"), QStringLiteral("1 234 567,89"));
    }

    void theAmountsLineUpOnTheRightAndNothingClips() {
        SkrivBokforing(Fil("rad.kpl"), Fil("rad.red"), 32);
        Fonster f;
        f.Las(Fil("rad.kpl"), Fil("rad.red"));
        f.Meny("RapportRes");
        QApplication::processEvents();
        auto *forsta = f.Del<QLabel>("Lbb1");
        auto *sista = f.Del<QLabel>("Lbb35");
        QCOMPARE(forsta->mapTo(f.form.get(), forsta->rect().topRight()).x(),
                 sista->mapTo(f.form.get(), sista->rect().topRight()).x());
        QCOMPARE(forsta->alignment() & Qt::AlignRight, Qt::AlignRight);
        auto *panel = f.form->Panel(QStringLiteral("PanelRR"));
        QVERIFY(sista->mapTo(panel, sista->rect().bottomLeft()).y() <= panel->height());
        QVERIFY(sista->width() >= sista->sizeHint().width());
    }
};

QTEST_MAIN(RRPanelTest)
#include "test_rr_panel.moc"
