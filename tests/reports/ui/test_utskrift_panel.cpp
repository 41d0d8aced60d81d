// The printout start page: opening it from the menu, the account list beside
// the account-number box, and the income statement and balance sheet printouts
// written to "utskrift.html" and handed to the desktop.

#include "reports/ui/Rapportfonster.h"

#include "core/Teckentabell.h"
#include "reports/Utskrift.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <ctime>

using namespace rapporttest;

namespace {

const QString kFacit = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../utskrift";

QByteArray Innehall(const QString &sokvag) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return fil.readAll();
}

// The expected page with today's date in the stamp.
QByteArray Facit(const QString &namn) {
    QByteArray facit = Innehall(kFacit + "/" + namn);
    facit.replace("2012-02-01",
                  QByteArray::fromStdString(tovana::Utskriftsdatum(std::time(nullptr))));
    return facit;
}

QStringList Rader(const QByteArray &bytes) {
    return QString::fromStdString(tovana::FranWindows1252(bytes.toStdString()))
        .split(QStringLiteral("\r\n"));
}

QStringList Lista(Fonster &f) {
    QStringList rader;
    auto *lista = f.Del<QListWidget>("ListBoxKontoutdragKplan");
    for (int i = 0; i < lista->count(); ++i)
        rader << lista->item(i)->text();
    return rader;
}

} // namespace

class UtskriftPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    void Oppna(Fonster &f) {
        f.Las(kFacit + "/bokslut.kpl", kFacit + "/bokslut.red");
        f.Meny("Startsidautskrift");
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void cleanup() {
        QDir(QStringLiteral("utskrift.html")).removeRecursively();
        QFile::remove(QStringLiteral("utskrift.html"));
    }

    void theStartPageOpensWithAnEmptyAccountList() {
        Fonster f;
        f.Meny("Startsidautskrift");
        QVERIFY(!f.Synlig("PanelRapport"));
        Oppna(f);
        QVERIFY(f.Synlig("PanelRapport"));
        QCOMPARE(f.Text("Labelrapportrubrik"), QStringLiteral("Välj vilken rapport du vill visa"));
        QVERIFY(Lista(f).isEmpty());
        for (const char *knapp : {"BitBtnResRapp", "BitBtnBalRapp", "BitBtnDagbok",
                                  "BitBtnkontosaldo", "BitBtnkontoplan"})
            QVERIFY(f.Del<QPushButton>(knapp)->isVisible());
    }

    void enteringTheAccountNumberBoxListsTheAccountsButTheCodes() {
        Fonster f;
        Oppna(f);
        auto *ruta = f.Del<QLineEdit>("EditHuvudboknummer");
        ruta->setFocus(Qt::TabFocusReason);
        QVERIFY(QTest::qWaitFor([&] { return ruta->hasFocus(); }));
        const QStringList lista = Lista(f);
        QCOMPARE(lista.size(), 11);
        QCOMPARE(lista.first(), QStringLiteral("1930 Företagskonto"));
        QCOMPARE(lista[6], QStringLiteral("3010 Försäljning <tjänster> & \"varor\""));
        QCOMPARE(lista.last(), QStringLiteral("8811 Avsättning till periodiseringsfond"));

        // Reopening the start page empties the list again.
        f.Meny("Startsidautskrift");
        QVERIFY(Lista(f).isEmpty());
    }

    void theIncomeStatementPrintoutIsWrittenAndOpened() {
        Fonster f;
        Oppna(f);
        f.Tryck("BitBtnResRapp");
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        QCOMPARE(f.skrivbord->dokument, QStringList{"utskrift.html"});
        QCOMPARE(Rader(Innehall("utskrift.html")), Rader(Facit("resultatrakning.html")));
        QVERIFY(f.Synlig("PanelRapport"));
    }

    void theBalanceSheetPrintoutReplacesTheFileAndLeavesThePanels() {
        Fonster f;
        Oppna(f);
        f.Tryck("BitBtnResRapp");
        f.Tryck("BitBtnBalRapp");
        QCOMPARE(f.skrivbord->dokument, (QStringList{"utskrift.html", "utskrift.html"}));
        QCOMPARE(Rader(Innehall("utskrift.html")), Rader(Facit("balansrakning.html")));
        QVERIFY(f.Synlig("PanelRapport"));
    }

    void aPrintoutThatCannotBeWrittenIsReportedAndNotOpened() {
        QVERIFY(QDir().mkdir(QStringLiteral("utskrift.html")));
        Fonster f;
        Oppna(f);
        f.Tryck("BitBtnResRapp");
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        QVERIFY2(f.skrivbord->meddelanden[0].contains(QStringLiteral("utskrift.html")),
                 qPrintable(f.skrivbord->meddelanden[0]));
        QVERIFY(f.skrivbord->dokument.isEmpty());
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"utskrift.html"});
    }
};

QTEST_MAIN(UtskriftPanelTest)
#include "test_utskrift_panel.moc"
