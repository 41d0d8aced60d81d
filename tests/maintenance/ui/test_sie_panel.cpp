// The SIE 4 panel: its menu items, the export of a small company and the
// problems that stop one, and the import that asks for three files, writes the
// new chart and ledger and opens them, or changes nothing when a step is
// cancelled or the file has errors.

#include "chart/Kontoplan.h"
#include "core/Menylage.h"
#include "entry/Redovisning.h"
#include "maintenance/Sieexport.h"
#include "maintenance/Sieimport.h"
#include "reports/ui/Rapportfonster.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace rapporttest;

namespace {

const QString kSie = QStringLiteral(TOVANA_EXEMPEL_DIR "/../tests/maintenance/sie/");

QByteArray Bytes(const QString &sokvag) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::ReadOnly))
        return "(saknas)";
    return fil.readAll();
}

QStringList Rader(const Fonster &f) {
    QStringList rader;
    auto *lista = f.Del<QListWidget>(QStringLiteral("ListBoxSIE"));
    for (int i = 0; i < lista->count(); ++i)
        rader << lista->item(i)->text();
    return rader;
}

// The income statement and the balance sheet as the screen shows them.
QStringList Rakningar(const Fonster &f) {
    QStringList rader;
    for (const char *meny : {"RapportRes", "RapportBal"}) {
        f.Meny(meny);
        for (int k = 1; k <= 35; ++k)
            rader << f.Text(QStringLiteral("Ln%1").arg(k)) + " "
                  << f.Text(k == 9 ? QStringLiteral("LBB9") : QStringLiteral("Lbb%1").arg(k));
    }
    return rader;
}

} // namespace

class SiepanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    // The small company's chart and ledger, copied here and opened as the
    // menu commands open them.
    static void OppnaForetaget(Fonster &f) {
        QFile::copy(kSie + "foretag.kpl", "foretag.kpl");
        QFile::copy(kSie + "foretag.red", "foretag.red");
        auto &data = f.form->Data();
        tovana::OppnaKontoplan(data, "foretag.kpl");
        tovana::OppnaRedovisning(data, "foretag.red");
        f.form->VisaAktuellKontoplan();
        f.form->VisaAktuellRedovisning();
        f.form->Menyandring(tovana::Menyhandelse::ForetagOppnat);
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() {
        for (const auto &namn : QDir().entryList(QDir::Files))
            QFile::remove(namn);
    }

    void theItemsEndTheSpecialMenuAndExportFollowsTheLedger() {
        Fonster f;
        const auto val = f.form->findChild<QMenu *>("MenySpecial")->actions();
        QCOMPARE(val.size() >= 2, true);
        QCOMPARE(val[val.size() - 2]->objectName(), QStringLiteral("ExporteraSIE"));
        QCOMPARE(val[val.size() - 2]->iconText(), QStringLiteral("Exportera SIE 4-fil"));
        QCOMPARE(val.back()->objectName(), QStringLiteral("ImporteraSIE"));
        QCOMPARE(val.back()->iconText(), QStringLiteral("Importera SIE 4-fil"));
        QCOMPARE(f.form->Menyval("ExporteraSIE")->isEnabled(), false);
        QCOMPARE(f.form->Menyval("ImporteraSIE")->isEnabled(), true);

        // Without a ledger the panel offers only the import.
        f.Meny("ImporteraSIE");
        QVERIFY(f.Synlig("PanelSIE"));
        QCOMPARE(f.Text("LabelSIERubrik"), QStringLiteral("SIE 4-fil"));
        QCOMPARE(f.Del<QPushButton>("BitBtnSIEexport")->isEnabled(), false);
        QCOMPARE(f.Del<QLineEdit>("EditSIEfran")->isEnabled(), false);
        QCOMPARE(f.form->Panel("PanelSIE")->palette().color(QPalette::Window),
                 f.form->Panel("PanelRR")->palette().color(QPalette::Window));

        OppnaForetaget(f);
        QCOMPARE(f.form->Menyval("ExporteraSIE")->isEnabled(), true);
        f.Meny("ExporteraSIE");
        QCOMPARE(f.Del<QPushButton>("BitBtnSIEexport")->isEnabled(), true);
        f.Meny("RapportRes");
        QVERIFY(!f.Synlig("PanelSIE"));
        f.Meny("ImporteraSIE");
        QVERIFY(f.Synlig("PanelSIE"));
        QVERIFY(!f.Synlig("PanelRR"));
        QCOMPARE(f.Del<QPushButton>("BitBtnSIEexport")->isEnabled(), true);
    }

    void exportWritesTheYearAndShowsTheSummary() {
        Fonster f;
        OppnaForetaget(f);
        f.Meny("ExporteraSIE");
        QCOMPARE(f.Del<QLineEdit>("EditSIEfran")->text(), QStringLiteral("20120101"));
        QCOMPARE(f.Del<QLineEdit>("EditSIEtill")->text(), QStringLiteral("20121231"));

        // Cancelled, the dialog writes nothing.
        f.Tryck("BitBtnSIEexport");
        QCOMPARE(f.skrivbord->forval, QStringList{"*.se"});
        QCOMPARE(QDir().entryList({"*.se"}), QStringList());

        f.skrivbord->filval = {"ut"};
        f.Tryck("BitBtnSIEexport");
        const tovana::SieImport tillbaka = tovana::Importera(Bytes("ut.se").toStdString());
        if (!tillbaka.Lyckades())
            QFAIL(tillbaka.fel.front().c_str());
        QCOMPARE(tillbaka.konton.size(), std::size_t(9));
        QCOMPARE(f.Text("LabelSIEbesked"),
                 QStringLiteral("ut.se: 8 konton, 1 koder och 5 verifikationer skrevs."));
        QCOMPARE(Rader(f), QStringList());
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
    }

    void problemsAreListedAndNothingIsWritten_data() {
        QTest::addColumn<QString>("fran");
        QTest::addColumn<bool>("obalans");
        QTest::addColumn<QStringList>("problem");
        QTest::newRow("an unbalanced verification")
            << "20120101" << true
            << QStringList{
                   "Verifikation 6 balanserar inte: debet och kredit skiljer sig med 10,00."};
        QTest::newRow("a first day that is no date")
            << "20121301" << false
            << QStringList{"Räkenskapsårets första dag ska vara ett datum skrivet ÅÅÅÅMMDD, inte "
                           "\"20121301\"."};
    }
    void problemsAreListedAndNothingIsWritten() {
        QFETCH(QString, fran);
        QFETCH(bool, obalans);
        QFETCH(QStringList, problem);
        Fonster f;
        OppnaForetaget(f);
        auto &data = f.form->Data();
        if (obalans)
            data.Postplats(++data.Postantal) = {6, "120601", 1930, 0, 0, 10, "Halv"};
        f.Meny("ExporteraSIE");
        f.Del<QLineEdit>("EditSIEfran")->setText(fran);
        f.skrivbord->filval = {"ut"};
        f.Tryck("BitBtnSIEexport");
        QCOMPARE(Rader(f), problem);
        QCOMPARE(f.Text("LabelSIEbesked"),
                 QStringLiteral("Ingen SIE-fil skrevs. Rätta problemen i listan och exportera "
                                "igen."));
        QCOMPARE(f.skrivbord->forval, QStringList());
        QCOMPARE(QDir().entryList({"*.se"}), QStringList());
    }

    void importAsksForThreeFilesWritesAndOpensThem() {
        Fonster original;
        OppnaForetaget(original);
        const QStringList rakningar = Rakningar(original);
        original.form.reset();

        Fonster f;
        f.Meny("ImporteraSIE");
        f.skrivbord->filval = {kSie + "foretag.se", "ny", "ny"};
        f.Tryck("BitBtnSIEimport");
        QCOMPARE(f.skrivbord->forval, QStringList({"*.se", "*.kpl", "*.red"}));
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Bokföring 2012"));
        QCOMPARE(f.Text("LabelKplanFilnamn"), QStringLiteral("ny.kpl"));
        QCOMPARE(f.Text("LabelAktRed"), QStringLiteral("Bokföring 2012"));
        QCOMPARE(f.Text("LabelRedFilnamn"), QStringLiteral("ny.red"));
        QCOMPARE(f.Text("LabelSIEbesked"),
                 QStringLiteral("8 konton, 1 koder och 5 verifikationer (9 poster) lästes. "
                                "Kontoplanen ny.kpl och redovisningen ny.red är nu öppna."));
        QCOMPARE(f.form->Menyval("RapportRes")->isEnabled(), true);
        QCOMPARE(f.form->Menyval("ExporteraSIE")->isEnabled(), true);
        QCOMPARE(Rakningar(f), rakningar);
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
    }

    void whatDidNotStopTheImportIsListed() {
        rapporttest::SkrivFil("objekt.se", "#FLAGGA 0\r\n#SIETYP 4\r\n#VER A 1 20120110\r\n{\r\n"
                                           "#TRANS 1930 {1 \"S\" 6 \"1\"} 5.00\r\n"
                                           "#TRANS 3010 {} -5.00\r\n}\r\n");
        Fonster f;
        f.Meny("ImporteraSIE");
        f.skrivbord->filval = {"objekt.se", "ny", "ny"};
        f.Tryck("BitBtnSIEimport");
        QCOMPARE(Rader(f), QStringList{"Rad 5: objektlistan har 2 objekt; bara det första "
                                       "(dimension 1, objekt \"S\") följer med raden."});
        QVERIFY(f.Text("LabelSIEbesked")
                    .endsWith(QStringLiteral("är nu öppna. Filen hade problem som inte hindrade "
                                             "inläsningen; de står i listan.")));
    }

    void aCancelledStepOrABadFileChangesNothing_data() {
        QTest::addColumn<QStringList>("filval");
        QTest::addColumn<int>("fragor");
        QTest::addColumn<QStringList>("fel");
        QTest::newRow("the SIE file cancelled") << QStringList() << 1 << QStringList();
        QTest::newRow("the chart cancelled")
            << QStringList{kSie + "foretag.se"} << 2 << QStringList();
        QTest::newRow("the ledger cancelled")
            << QStringList{kSie + "foretag.se", "ny"} << 3 << QStringList();
        QTest::newRow("a file with errors")
            << QStringList{"trasig.se", "ny", "ny"} << 3
            << QStringList{"Rad 3: #KONTO behöver ett kontonummer och ett namn.",
                           "Rad 4: verifikationsdatumet \"2012\" är inget datum skrivet ÅÅÅÅMMDD.",
                           "Rad 4: verifikationen avslutas aldrig med \"}\"."};
        QTest::newRow("the new chart is the open ledger")
            << QStringList{kSie + "foretag.se", "foretag.red", "ny"} << 3 << QStringList();
    }
    void aCancelledStepOrABadFileChangesNothing() {
        QFETCH(QStringList, filval);
        QFETCH(int, fragor);
        QFETCH(QStringList, fel);
        rapporttest::SkrivFil("trasig.se", "#FLAGGA 0\r\n#SIETYP 4\r\n#KONTO\r\n#VER A 1 2012\r\n");
        Fonster f;
        OppnaForetaget(f);
        const QByteArray kontoplan = Bytes("foretag.kpl"), redovisning = Bytes("foretag.red");
        const auto fore = f.form->Data();
        f.Meny("ImporteraSIE");
        f.skrivbord->filval.assign(filval.begin(), filval.end());
        f.Tryck("BitBtnSIEimport");
        QCOMPARE(f.skrivbord->forval.size(), fragor);
        QCOMPARE(Rader(f), fel);
        QCOMPARE(f.skrivbord->meddelanden.size(), filval.contains("foretag.red") ? 1 : 0);
        QCOMPARE(QDir().entryList({"ny.*"}), QStringList());
        QCOMPARE(Bytes("foretag.kpl"), kontoplan);
        QCOMPARE(Bytes("foretag.red"), redovisning);
        const auto &data = f.form->Data();
        QCOMPARE(data.Kontoplanfil, fore.Kontoplanfil);
        QCOMPARE(data.Redovisningsfil, fore.Redovisningsfil);
        QCOMPARE(data.Konton == fore.Konton, true);
        QCOMPARE(data.Poster == fore.Poster, true);
        QCOMPARE(f.Text("LabelKplanFilnamn"), QStringLiteral("foretag.kpl"));
        QCOMPARE(f.Text("LabelRedFilnamn"), QStringLiteral("foretag.red"));
    }
};

QTEST_MAIN(SiepanelTest)
#include "test_sie_panel.moc"
