// An unsaved chart is offered for saving before every command that would lose
// it: quitting, closing the window, opening or creating another chart, opening
// a company and importing a SIE file.

#include "chart/ui/Kplanfonster.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace kplantest;

namespace {

const QString kFraga =
    QStringLiteral("Kontoplanen har ändringar som inte är sparade. Vill du spara dem?");
using Svar = Skrivbord::Svar;

// A command through the real menu; returns whether it went on past the question.
using Kommando = std::function<bool(Fonster &, const QTemporaryDir &)>;

} // namespace

Q_DECLARE_METATYPE(Kommando)
Q_DECLARE_METATYPE(Skrivbord::Svar)

class OsparadKontoplanTest : public QObject {
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

    void init() {
        SkrivFil(Fil("kund.kpl"), "Kund\r\n1;1510;Kundfordringar\r\n");
        SkrivFil(Fil("annan.kpl"), "Annan\r\n1;1910;Kassa\r\n");
        SkrivFil(Fil("annan.red"), "Annan\r\n");
        SkrivFil(Fil("annan.ftg"), "annan.kpl\r\nannan.red\r\n");
    }

    void everyCommandOffersTheUnsavedChart_data() {
        QTest::addColumn<Kommando>("kommando");
        QTest::addColumn<Svar>("svar");
        const std::vector<std::pair<const char *, Kommando>> kommandon = {
            {"Lämna Tovana",
             [](Fonster &f, const QTemporaryDir &) {
                 f.Meny("lamnatovana");
                 return !f.form->isVisible();
             }},
            {"stänga fönstret",
             [](Fonster &f, const QTemporaryDir &) {
                 f.form->close();
                 return !f.form->isVisible();
             }},
            {"Öppna kontoplan",
             [](Fonster &f, const QTemporaryDir &k) {
                 f.skrivbord->filval.push_back(k.filePath("annan.kpl"));
                 f.Meny("Oppna1");
                 return f.form->Data().Kontoplannamn == "Annan";
             }},
            {"Skapa ny kontoplan",
             [](Fonster &f, const QTemporaryDir &) {
                 f.Meny("Skapany1");
                 return f.Synlig("Panelnykontoplan");
             }},
            {"Öppna företag",
             [](Fonster &f, const QTemporaryDir &k) {
                 f.skrivbord->filval.push_back(k.filePath("annan.ftg"));
                 f.Meny("oppnaforetag");
                 return f.form->Data().Kontoplannamn == "Annan";
             }},
            {"Importera SIE 4-fil",
             [](Fonster &f, const QTemporaryDir &) {
                 f.Meny("ImporteraSIE");
                 f.Tryck("BitBtnSIEimport");
                 return f.skrivbord->forval.contains(QStringLiteral("*.se"));
             }},
        };
        for (const auto &[namn, kommando] : kommandon)
            for (const auto &[svarsnamn, svar] :
                 {std::pair{"Ja", Svar::Ja}, {"Nej", Svar::Nej}, {"Avbryt", Svar::Avbryt}})
                QTest::addRow("%s, %s", namn, svarsnamn) << kommando << svar;
    }
    void everyCommandOffersTheUnsavedChart() {
        QFETCH(Kommando, kommando);
        QFETCH(Svar, svar);
        Fonster f;
        f.skrivbord->filval.push_back(Fil("kund.kpl"));
        f.Meny("Oppna1");
        f.Meny("Nyttkonto1");
        QVERIFY(f.LaggTill("1", "1930", QStringLiteral("Bank")));
        f.skrivbord->forval.clear();
        f.skrivbord->treval.push_back(svar);

        const bool vidare = kommando(f, katalog_);

        QCOMPARE(f.skrivbord->fragor, QStringList{kFraga});
        QCOMPARE(vidare, svar != Svar::Avbryt);
        QCOMPARE(Filinnehall(Fil("kund.kpl")).contains("1930;Bank"), svar == Svar::Ja);
        if (svar == Svar::Avbryt)
            QCOMPARE(f.form->Data().SokKonto(1930) > 0, true);
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
    }

    // A saved chart and one never changed ask nothing.
    void aSavedChartAsksNothing() {
        Fonster f;
        f.skrivbord->filval.push_back(Fil("kund.kpl"));
        f.Meny("Oppna1");
        f.Meny("Nyttkonto1");
        QVERIFY(f.LaggTill("1", "1930", QStringLiteral("Bank")));
        f.Tryck("BitBtnSparaKplan");
        f.skrivbord->filval.push_back(Fil("annan.kpl"));
        f.Meny("Oppna1");
        f.form->close();
        QVERIFY(f.skrivbord->fragor.isEmpty());
        QVERIFY(!f.form->isVisible());
    }

    // "Ja" whose save fails keeps the window and the chart, with the error shown.
    void aFailedSaveCancelsTheCommand() {
        Fonster f;
        f.skrivbord->filval.push_back(Fil("kund.kpl"));
        f.Meny("Oppna1");
        f.Meny("Nyttkonto1");
        QVERIFY(f.LaggTill("1", "1930", QStringLiteral("Bank")));
        f.form->Data().Kontoplanfil = Fil("saknas/kund.kpl").toStdString();
        f.skrivbord->treval.push_back(Svar::Ja);
        f.form->close();
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        QVERIFY(f.form->Data().KontoplanAndrad);
    }
};

QTEST_MAIN(OsparadKontoplanTest)
#include "test_osparad_kontoplan.moc"
