// The reports with codes from the menu: the code panel with its list and boxes,
// the statements written to "utskrift.html" and opened, the journal by code, and
// a box that is not a whole number.

#include "reports/ui/Rapportfonster.h"

#include "core/Teckentabell.h"
#include "reports/Utskrift.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <ctime>

using namespace rapporttest;

namespace {

const QString kFacit = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../kodrapport";

QByteArray Innehall(const QString &sokvag) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return fil.readAll();
}

// The expected page with today's date in the stamp.
QStringList Facit(const QString &namn) {
    QByteArray facit = Innehall(kFacit + "/" + namn);
    facit.replace("2012-02-01",
                  QByteArray::fromStdString(tovana::Utskriftsdatum(std::time(nullptr))));
    return QString::fromStdString(tovana::FranWindows1252(facit.toStdString()))
        .split(QStringLiteral("\r\n"));
}

QStringList Utskriften() {
    return QString::fromStdString(
               tovana::FranWindows1252(Innehall(QStringLiteral("utskrift.html")).toStdString()))
        .split(QStringLiteral("\r\n"));
}

const char *const kRutor[] = {"EditRappKod1", "EditRappkod2", "EditRappKod3",
                              "EditRappKod4", "EditRappKod5", "EditRappKod6"};

QStringList Rutor(Fonster &f) {
    QStringList texter;
    for (const char *namn : kRutor)
        texter << f.Del<QLineEdit>(namn)->text();
    return texter;
}

QStringList Lista(Fonster &f) {
    QStringList rader;
    auto *lista = f.Del<QListWidget>("ListBoxRappKod");
    for (int i = 0; i < lista->count(); ++i)
        rader << lista->item(i)->text();
    return rader;
}

} // namespace

class KodrapportPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    void Oppna(Fonster &f) { f.Las(kFacit + "/koder.kpl", kFacit + "/koder.red"); }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void cleanup() { QFile::remove(QStringLiteral("utskrift.html")); }

    void theMenuOpensThePanelWithTheChartsCodes() {
        Fonster f;
        Oppna(f);
        f.Del<QLineEdit>("EditRappKod5")->setText(QStringLiteral("77"));
        f.Meny("RRmedKoder");
        QVERIFY(f.Synlig("PanelRappkod"));
        QCOMPARE(f.Text("LabelrappkodRubrik"),
                 QStringLiteral("Resultat- och balansräkning med koder"));
        QCOMPARE(Lista(f),
                 (QStringList{"10 Projekt \"Norr\"", "20 Projekt Syd", "30 Projekt utan poster"}));
        // Boxes beyond the number of codes keep their text.
        QCOMPARE(Rutor(f), (QStringList{"10", "20", "30", "", "77", ""}));

        // The balance-sheet item shows the list but leaves the boxes alone.
        f.Del<QLineEdit>("EditRappKod1")->setText(QStringLiteral("20"));
        f.Meny("BRmedkoder");
        QCOMPARE(Rutor(f), (QStringList{"20", "20", "30", "", "77", ""}));
        QCOMPARE(Lista(f).size(), 3);
    }

    void aChartWithoutCodesSaysSo() {
        Fonster f;
        f.form->AktiveraKontoplansgrupp();
        f.form->AktiveraRedovisningsgrupp();
        f.Meny("BRmedkoder");
        QCOMPARE(Lista(f), QStringList{"Inga koder i kontoplanen"});
        QCOMPARE(Rutor(f), (QStringList{"", "", "", "", "", ""}));
    }

    void theStatementsWithCodesAreWrittenAndOpened() {
        Fonster f;
        Oppna(f);
        f.Meny("RRmedKoder");
        f.Del<QLineEdit>("EditRappKod3")->clear();
        f.Tryck("BitBtnRRkod");
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        QCOMPARE(f.skrivbord->dokument, QStringList{"utskrift.html"});
        QCOMPARE(Utskriften(), Facit(QStringLiteral("resultatrakning_koder.html")));
        f.Tryck("BitBtnBRkod");
        QCOMPARE(f.skrivbord->dokument, (QStringList{"utskrift.html", "utskrift.html"}));
        QCOMPARE(Utskriften(), Facit(QStringLiteral("balansrakning_koder.html")));
        QVERIFY(f.Synlig("PanelRappkod"));
    }

    void theJournalByCodeLeavesThePanels() {
        Fonster f;
        Oppna(f);
        f.Meny("RRmedKoder");
        f.Meny("Dagbokmedkoder");
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        QCOMPARE(f.skrivbord->dokument, QStringList{"utskrift.html"});
        QCOMPARE(Utskriften(), Facit(QStringLiteral("dagbok_koder.html")));
        QVERIFY(f.Synlig("PanelRappkod"));
    }

    void aBoxThatIsNotAWholeNumberStopsBeforeTheFile() {
        SkrivFil(QStringLiteral("utskrift.html"), "earlier printout");
        Fonster f;
        Oppna(f);
        f.Meny("RRmedKoder");
        f.Del<QLineEdit>("EditRappKod4")->setText(QStringLiteral("1,5"));
        for (const char *knapp : {"BitBtnRRkod", "BitBtnBRkod"})
            f.Tryck(knapp);
        QCOMPARE(f.skrivbord->meddelanden, (QStringList{"'1,5' is not a valid integer value",
                                                        "'1,5' is not a valid integer value"}));
        QVERIFY(f.skrivbord->dokument.isEmpty());
        QCOMPARE(Innehall(QStringLiteral("utskrift.html")), QByteArray("earlier printout"));
    }
};

QTEST_MAIN(KodrapportPanelTest)
#include "test_kodrapport_panel.moc"
