// "Resultat- och balansräkning för en period" on the example company: the
// boxes preset to the ledger's year, the whole year's statements equal to the
// year's own on the statement screen and in print, the boxes' errors, and a
// post whose date cannot be read listed rather than dropped.

#include "reports/ui/Rapportfonster.h"

#include "core/Teckentabell.h"
#include "reports/Utskrift.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

using namespace rapporttest;

namespace {

// The statement screen's heading and its 35 rows of names and amounts.
QStringList Skarmen(const Fonster &f) {
    QStringList rader{f.Text(QStringLiteral("LabelRRrubrik"))};
    for (int k = 1; k <= 35; ++k)
        rader << f.Text(QStringLiteral("Ln%1").arg(k)) + QStringLiteral(" | ") +
                     f.Text(k == 9 ? QStringLiteral("LBB9") : QStringLiteral("Lbb%1").arg(k));
    return rader;
}

QStringList Utskriften() {
    QFile fil(QString::fromStdString(tovana::kUtskriftsfil));
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = fil.readAll();
    return QString::fromStdString(tovana::FranWindows1252(bytes.toStdString()))
        .split(QStringLiteral("\r\n"));
}

} // namespace

class PeriodPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    void Oppna(Fonster &f) {
        f.OppnaForetag(katalog_.filePath(QStringLiteral("kafe.ftg")));
        QVERIFY(f.form->Data().RedovisningInlast);
        f.Meny("RapportPeriod");
        QVERIFY(f.Synlig("PanelPeriod"));
    }
    static void Skriv(const Fonster &f, const char *ruta, const QString &text) {
        f.Del<QLineEdit>(QString::fromUtf8(ruta))->setText(text);
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
        KopieraExempel(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void theMenuItemWaitsForALedgerAndPresetsItsYear() {
        Fonster f;
        QVERIFY(!f.form->Menyval(QStringLiteral("RapportPeriod"))->isEnabled());
        Oppna(f);
        QVERIFY(f.form->Menyval(QStringLiteral("RapportPeriod"))->isEnabled());
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditPeriodFran"))->text(),
                 QStringLiteral("20260101"));
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditPeriodTill"))->text(),
                 QStringLiteral("20261231"));
        // A period typed stays when the panel is opened again on the same books.
        Skriv(f, "EditPeriodTill", QStringLiteral("20260331"));
        f.Meny("RapportPeriod");
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditPeriodTill"))->text(),
                 QStringLiteral("20260331"));
        QCOMPARE(f.Del<QPushButton>(QStringLiteral("BitBtnPeriodRR"))->text(),
                 QStringLiteral("Resultaträkning för perioden"));
        QCOMPARE(f.Del<QPushButton>(QStringLiteral("BitBtnPeriodBR"))->text(),
                 QStringLiteral("Balansräkning vid periodens slut"));
    }

    void theWholeYearEqualsTheYearsStatements_data() {
        QTest::addColumn<QString>("meny");
        QTest::addColumn<QString>("knapp");
        QTest::addColumn<QString>("rubrik");
        QTest::addColumn<QString>("utskrift");
        QTest::addColumn<QString>("periodutskrift");
        QTest::newRow("resultaträkning") << "RapportRes"
                                         << "BitBtnPeriodRR"
                                         << "Resultaträkning 2026-01-01 – 2026-12-31"
                                         << "BitBtnResRapp"
                                         << "BitBtnPeriodRRUtskrift";
        QTest::newRow("balansräkning") << "RapportBal"
                                       << "BitBtnPeriodBR"
                                       << "Balansräkning 2026-12-31"
                                       << "BitBtnBalRapp"
                                       << "BitBtnPeriodBRUtskrift";
    }
    void theWholeYearEqualsTheYearsStatements() {
        QFETCH(QString, meny);
        QFETCH(QString, knapp);
        QFETCH(QString, rubrik);
        QFETCH(QString, utskrift);
        QFETCH(QString, periodutskrift);
        Fonster f;
        Oppna(f);
        f.Meny(meny.toUtf8().constData());
        QStringList aret = Skarmen(f);
        f.Meny("RapportPeriod");
        f.Del<QPushButton>(knapp)->click();
        QVERIFY(f.Synlig("PanelRR"));
        QStringList perioden = Skarmen(f);
        QCOMPARE(perioden.takeFirst(), rubrik);
        aret.removeFirst();
        QCOMPARE(perioden, aret);
        QVERIFY(perioden[1].size() > 3); // not an empty statement
        QCOMPARE(f.Del<QListWidget>(QStringLiteral("ListBoxPeriodProblem"))->count(), 0);

        // In print: the same page but for the heading, which names the period.
        f.Meny("Startsidautskrift");
        f.Del<QPushButton>(utskrift)->click();
        const QStringList arssidan = Utskriften();
        f.Meny("RapportPeriod");
        f.Del<QPushButton>(periodutskrift)->click();
        const QStringList periodsidan = Utskriften();
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
        QCOMPARE(periodsidan.size(), arssidan.size());
        QStringList olika;
        for (qsizetype i = 0; i < arssidan.size(); ++i)
            if (arssidan[i] != periodsidan[i])
                olika << periodsidan[i];
        QCOMPARE(olika.size(), 1);
        QVERIFY2(olika[0].contains(rubrik + QStringLiteral(" för Kafé")), qPrintable(olika[0]));
    }

    void aQuarterCountsOnlyItsPosts() {
        Fonster f;
        Oppna(f);
        f.Meny("RapportRes");
        const QStringList aret = Skarmen(f);
        f.Meny("RapportPeriod");
        Skriv(f, "EditPeriodFran", QStringLiteral("2026-01-01"));
        Skriv(f, "EditPeriodTill", QStringLiteral("260331"));
        f.Tryck("BitBtnPeriodRR");
        const QStringList kvartalet = Skarmen(f);
        QCOMPARE(kvartalet[0], QStringLiteral("Resultaträkning 2026-01-01 – 2026-03-31"));
        QVERIFY(kvartalet.mid(1) != aret.mid(1));
    }

    void boxesThatDoNotReadAreNamed_data() {
        QTest::addColumn<QString>("fran");
        QTest::addColumn<QString>("till");
        QTest::addColumn<QString>("meddelande");
        QTest::newRow("first day") << "20260230"
                                   << "20261231"
                                   << "Periodens första dag kan inte läsas. Skriv den som "
                                      "ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.";
        QTest::newRow("last day") << "20260101"
                                  << ""
                                  << "Periodens sista dag kan inte läsas. Skriv den som ÅÅMMDD, "
                                     "ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.";
        QTest::newRow("reversed") << "20261231"
                                  << "20260101"
                                  << "Periodens första dag kommer efter dess sista dag.";
    }
    void boxesThatDoNotReadAreNamed() {
        QFETCH(QString, fran);
        QFETCH(QString, till);
        QFETCH(QString, meddelande);
        Fonster f;
        Oppna(f);
        Skriv(f, "EditPeriodFran", fran);
        Skriv(f, "EditPeriodTill", till);
        f.Tryck("BitBtnPeriodBR");
        QCOMPARE(f.skrivbord->meddelanden, QStringList{meddelande});
        QVERIFY(f.Synlig("PanelPeriod"));
        f.Tryck("BitBtnPeriodRRUtskrift");
        QCOMPARE(f.skrivbord->meddelanden.size(), 2);
        QVERIFY(f.skrivbord->dokument.isEmpty());
    }

    void aPostWhoseDateCannotBeReadIsListed() {
        Fonster f;
        Oppna(f);
        auto &data = f.form->Data();
        data.Postplats(++data.Postantal) = {900, "31/3", 1930, 3010, 0, 100, "Datum?"};
        f.Tryck("BitBtnPeriodRR");
        QVERIFY(f.Synlig("PanelRR"));
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        QVERIFY(f.skrivbord->meddelanden[0].startsWith(QStringLiteral("1 post har ett datum")));
        auto *problem = f.Del<QListWidget>(QStringLiteral("ListBoxPeriodProblem"));
        QCOMPARE(problem->count(), 1);
        QVERIFY2(problem->item(0)->text().contains(QStringLiteral("31/3")),
                 qPrintable(problem->item(0)->text()));
    }
};

QTEST_MAIN(PeriodPanelTest)
#include "test_period_panel.moc"
