// Creating a chart and adding accounts through the panels: the new chart's
// file, the checks of a new account with their messages and focus, the order
// accounts take, and saving.

#include "chart/ui/Kplanfonster.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kplantest;

namespace {

const QString kTypfel = QStringLiteral("Ändra kontotyp! Det måste vara en siffra mellan 1 och 8.");
const QString kNummerfel = QStringLiteral("Ändra kontonumret! Det måste vara minst två siffror.");
const QString kNamnfel =
    QStringLiteral("Ändra kontonamnet! Det måste bestå av minst två bokstäver/siffror.");

} // namespace

class NyakontonTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    QString Fil(const QString &namn) const { return katalog_.filePath(namn); }

    // A window with an opened chart of one account, on the adding panel.
    std::unique_ptr<Fonster> MedKundfordringar() {
        SkrivFil(Fil("kund.kpl"), "Kund\r\n1;1510;Kundfordringar\r\n");
        auto f = std::make_unique<Fonster>();
        f->skrivbord->filval.push_back(Fil("kund.kpl"));
        f->Meny("Oppna1");
        f->Meny("Nyttkonto1");
        return f;
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
        // A copy of the example chart: the original may be open (locked) in another test at once.
        QVERIFY(QFile::copy(QStringLiteral(TOVANA_EXEMPEL_DIR "/foretag.kpl"),
                            Fil(QStringLiteral("foretag.kpl"))));
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void aNewChartGetsItsFileAndTheAddingPanel() {
        Fonster f;
        f.Meny("Skapany1");
        QVERIFY(f.Synlig("Panelnykontoplan"));
        QCOMPARE(f.skrivbord->fragor.size(), 0);
        QVERIFY(f.Skriv("Editnykplannamn", QStringLiteral("Föreningens plan")));
        f.skrivbord->filval.push_back(Fil("forening"));
        f.Tryck("BitBtnnykplan");

        QCOMPARE(f.skrivbord->forval, QStringList{"*.kpl"});
        QCOMPARE(Filinnehall(Fil("forening.kpl")), QByteArray("F\xf6reningens plan\r\n"));
        QVERIFY(f.Synlig("Panelnyakonton"));
        QCOMPARE(f.Rader("ListBoxkplan"), QStringList{"TILLGÅNGAR"});
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Föreningens plan"));
        QCOMPARE(f.Text("LabelKplanFilnamn"), Fil("forening.kpl"));
        QCOMPARE(AktivaMenyval(f), QStringList{"Nyttkonto1"});
        QVERIFY(f.form->Data().KontoplanInlast);
        QVERIFY(!f.Del("LabelKplansparad")->isVisible());
    }

    // The first account was always listed under "TILLGÅNGAR", whatever its class.
    void theFirstAccountStandsUnderItsOwnClass() {
        Fonster f;
        f.Meny("Skapany1");
        f.skrivbord->filval.push_back(Fil("forsta.kpl"));
        f.Tryck("BitBtnnykplan");
        QVERIFY(f.LaggTill("5", "3010", QStringLiteral("Försäljning")));
        QCOMPARE(f.Rader("ListBoxkplan"),
                 (QStringList{"TILLGÅNGAR", "INTÄKTER", "3010 Försäljning"}));
        QCOMPARE(AktivaMenyval(f), kKontoplansgrupp);
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        QCOMPARE(f.Ruta("Ktyp")->text(), QString());
        QCOMPARE(f.Ruta("Knummer")->text(), QString());
        QCOMPARE(f.Ruta("Knamn")->text(), QString());
        QTRY_VERIFY(f.Ruta("Ktyp")->hasFocus());
    }

    void accountsTakeClassAndNumberOrderAndTheSaveWritesThem() {
        Fonster f;
        f.Meny("Skapany1");
        QVERIFY(f.Skriv("Editnykplannamn", QStringLiteral("Bolaget")));
        f.skrivbord->filval.push_back(Fil("bolaget.kpl"));
        f.Tryck("BitBtnnykplan");
        QVERIFY(f.LaggTill("5", "3010", QStringLiteral("Försäljning")));
        QVERIFY(f.LaggTill("1", "1510", QStringLiteral("Kundfordringar")));
        QVERIFY(f.LaggTill("2", "2081", QStringLiteral("Aktiekapital")));
        QCOMPARE(f.Rader("ListBoxkplan"),
                 (QStringList{"TILLGÅNGAR", "1510 Kundfordringar", "EGET KAPITAL",
                              "2081 Aktiekapital", "INTÄKTER", "3010 Försäljning"}));
        QVERIFY(f.LaggTill("1", "1930", QStringLiteral("Företagskonto")));
        QCOMPARE(
            f.Rader("ListBoxkplan"),
            (QStringList{"TILLGÅNGAR", "1510 Kundfordringar", "1930 Företagskonto", "EGET KAPITAL",
                         "2081 Aktiekapital", "INTÄKTER", "3010 Försäljning"}));
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
        // Adding changes only memory.
        QCOMPARE(Filinnehall(Fil("bolaget.kpl")), QByteArray("Bolaget\r\n"));

        f.Tryck("BitBtnSparaKplan");
        QCOMPARE(Filinnehall(Fil("bolaget.kpl")),
                 QByteArray("Bolaget\r\n1;1510;Kundfordringar\r\n1;1930;F\xf6retagskonto\r\n"
                            "2;2081;Aktiekapital\r\n5;3010;F\xf6rs\xe4ljning\r\n"));
        QVERIFY(f.Del("LabelKplansparad")->isVisible());
        QVERIFY(f.Del("BitBtnSparaKplan")->isVisible());
        // The next account hides the saved note again.
        QVERIFY(f.LaggTill("6", "5010", QStringLiteral("Lokalhyra")));
        QVERIFY(!f.Del("LabelKplansparad")->isVisible());
    }

    void theChecksRunInOrder_data() {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("namn");
        QTest::addColumn<QStringList>("meddelanden");
        QTest::addColumn<QString>("fokus");
        const QString dubblett = QStringLiteral(
            "Kontonumret 1510 används redan för Kundfordringar. Du måste ta bort eller ändra "
            "kontonamn för detta konto. Rutinen avbryts!");
        QTest::newRow("class 0") << "0"
                                 << "1930"
                                 << "Bank" << QStringList{kTypfel} << "Ktyp";
        QTest::newRow("one digit") << "1"
                                   << "7"
                                   << "Kassa" << QStringList{kNummerfel} << "Knummer";
        QTest::newRow("one letter") << "1"
                                    << "1930"
                                    << "B" << QStringList{kNamnfel} << "Knamn";
        QTest::newRow("all three, the last keeps the focus")
            << "0"
            << "7"
            << "B" << QStringList{kTypfel, kNummerfel, kNamnfel} << "Knamn";
        QTest::newRow("taken number") << "1"
                                      << "1510"
                                      << "Kunder" << QStringList{dubblett} << "";
        QTest::newRow("a code cannot take an account's number")
            << "8"
            << "1510"
            << "Projekt Norr" << QStringList{dubblett} << "";
        QTest::newRow("class and taken number")
            << "0"
            << "1510"
            << "Kunder" << QStringList{kTypfel, dubblett} << "Ktyp";
    }

    void theChecksRunInOrder() {
        QFETCH(QString, typ);
        QFETCH(QString, nummer);
        QFETCH(QString, namn);
        QFETCH(QStringList, meddelanden);
        QFETCH(QString, fokus);
        auto f = MedKundfordringar();
        QVERIFY(f->LaggTill(typ, nummer, namn));
        QCOMPARE(f->skrivbord->meddelanden, meddelanden);
        QCOMPARE(f->form->Data().Kontoantal, 1);
        QCOMPARE(f->Rader("ListBoxkplan"), (QStringList{"TILLGÅNGAR", "1510 Kundfordringar"}));
        QCOMPARE(f->Ruta("Ktyp")->text(), typ);
        QCOMPARE(f->Ruta("Knummer")->text(), nummer);
        QCOMPARE(f->Ruta("Knamn")->text(), namn);
        if (!fokus.isEmpty())
            QTRY_VERIFY(f->Ruta(qPrintable(fokus))->hasFocus());
    }

    void leavingTheBoxesKeepsTheirDigits() {
        auto f = MedKundfordringar();
        QVERIFY(f->Skriv("Ktyp", QStringLiteral("8")));
        QCOMPARE(f->Ruta("Ktyp")->text(), QStringLiteral("8"));
        QVERIFY(f->Skriv("Knummer", QStringLiteral("19-30 a")));
        QCOMPARE(f->Ruta("Knummer")->text(), QStringLiteral("1930"));
        // The class box holds one character.
        QCOMPARE(f->Ruta("Ktyp")->maxLength(), 1);

        // Enter leaves the box as Tab does, typing nothing.
        QLineEdit *ktyp = f->Ruta("Ktyp");
        ktyp->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(ktyp->hasFocus());
        ktyp->selectAll();
        Fonster::Knappa(ktyp, QStringLiteral("9"));
        QTest::keyClick(ktyp, Qt::Key_Return);
        QTRY_VERIFY(f->Ruta("Knummer")->hasFocus());
        QCOMPARE(ktyp->text(), QString());
    }

    void aLeadingZeroIsAcceptedAsTheNumber() {
        auto f = MedKundfordringar();
        QVERIFY(f->LaggTill("1", "07", QStringLiteral("Kassa")));
        QVERIFY(f->skrivbord->meddelanden.isEmpty());
        QCOMPARE(f->Rader("ListBoxkplan"),
                 (QStringList{"TILLGÅNGAR", "7 Kassa", "1510 Kundfordringar"}));
    }

    void classNineIsDroppedWhenTheMouseLeavesTheBoxAndAddingStops() {
        auto f = MedKundfordringar();
        QVERIFY(f->Skriv("Knummer", QStringLiteral("1930")));
        QVERIFY(f->Skriv("Knamn", QStringLiteral("Bank")));
        QLineEdit *ktyp = f->Ruta("Ktyp");
        ktyp->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(ktyp->hasFocus());
        QTest::keyClicks(ktyp, QStringLiteral("9"));
        QTest::mouseClick(f->Del<QPushButton>("BitBtnKplan"), Qt::LeftButton);
        QCOMPARE(ktyp->text(), QString());
        QCOMPARE(f->skrivbord->meddelanden, QStringList{"'' is not a valid integer value"});
        QCOMPARE(f->form->Data().Kontoantal, 1);
    }

    // Cancelling the save dialog emptied the chart in memory all the same.
    void cancellingTheNewChartsSaveDialogChangesNothing() {
        Fonster f;
        f.skrivbord->filval.push_back(Fil(QStringLiteral("foretag.kpl")));
        f.Meny("Oppna1");
        const auto fore = f.form->Data();
        const QStringList meny = AktivaMenyval(f);
        f.skrivbord->svar.push_back(true);
        f.Meny("Skapany1");
        QVERIFY(f.Skriv("Editnykplannamn", QStringLiteral("Ny plan")));
        f.Tryck("BitBtnnykplan");
        const auto &data = f.form->Data();
        QCOMPARE(data.Kontoantal, fore.Kontoantal);
        QVERIFY(data.Konton == fore.Konton);
        QCOMPARE(data.Kontoplannamn, fore.Kontoplannamn);
        QCOMPARE(data.Kontoplanfil, fore.Kontoplanfil);
        QCOMPARE(data.KontoplanInlast, fore.KontoplanInlast);
        QCOMPARE(AktivaMenyval(f), meny);
        QCOMPARE(f.Text("LabelAktKplan"), QStringLiteral("Kontoplan för små företag"));
        QVERIFY(f.Synlig("Panelnykontoplan"));
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
    }

    // A new chart emptied the chart in memory without asking.
    void aNewChartAsksFirstWhenTheChartHasAccounts() {
        Fonster f;
        f.skrivbord->filval.push_back(Fil(QStringLiteral("foretag.kpl")));
        f.Meny("Oppna1");
        const int antal = f.form->Data().Kontoantal;

        f.Meny("Skapany1");
        QCOMPARE(f.skrivbord->fragor.size(), 1);
        QVERIFY(f.skrivbord->fragor[0].endsWith(QStringLiteral("Vill du skapa en ny kontoplan?")));
        QVERIFY(f.Synlig("PanelOppnaKplan"));
        QCOMPARE(f.form->Data().Kontoantal, antal);

        f.skrivbord->svar.push_back(true);
        f.Meny("Skapany1");
        QVERIFY(f.Synlig("Panelnykontoplan"));
        // The chart stays until the new one is written.
        QCOMPARE(f.form->Data().Kontoantal, antal);
        QVERIFY(f.Skriv("Editnykplannamn", QStringLiteral("Ny plan")));
        f.skrivbord->filval.push_back(Fil("ny.kpl"));
        f.Tryck("BitBtnnykplan");
        QCOMPARE(f.form->Data().Kontoantal, 0);
        QCOMPARE(f.form->Data().Kontoplanfil, Fil("ny.kpl").toStdString());
        QCOMPARE(f.Rader("ListBoxkplan"), QStringList{"TILLGÅNGAR"});
        QCOMPARE(Filinnehall(Fil(QStringLiteral("foretag.kpl"))).left(9), QByteArray("Kontoplan"));
    }

    void aSaveThatFailsSaysSoAndShowsNoNote() {
        auto f = MedKundfordringar();
        f->form->Data().Kontoplanfil = Fil("saknas/kund.kpl").toStdString();
        f->Tryck("BitBtnSparaKplan");
        QCOMPARE(f->skrivbord->meddelanden.size(), 1);
        QVERIFY(
            f->skrivbord->meddelanden[0].startsWith(QStringLiteral("Det finns ingen sådan mapp.")));
        QVERIFY(!f->Del("LabelKplansparad")->isVisible());
    }
};

QTEST_MAIN(NyakontonTest)
#include "test_kplan_nyakonton.moc"
