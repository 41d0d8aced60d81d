// The journal, chart and account statement buttons of the printout start page:
// each writes "utskrift.html" and hands it to the desktop; the statement needs
// an account number of at least two characters.

#include "reports/ui/Rapportfonster.h"

#include "core/Teckentabell.h"
#include "reports/Utskrift.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <ctime>

using namespace rapporttest;

namespace {

const QString kFacit = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../listutskrift";

QByteArray Innehall(const QString &sokvag) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return fil.readAll();
}

// The lines of a page, with today's stamp written as the expected files have it.
QStringList Rader(const QByteArray &bytes) {
    QByteArray text = bytes;
    text.replace(QByteArray::fromStdString(tovana::Utskriftsdatum(std::time(nullptr))),
                 "2012-02-01");
    return QString::fromStdString(tovana::FranWindows1252(text.toStdString()))
        .split(QStringLiteral("\r\n"));
}

} // namespace

class ListutskriftPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    void Oppna(Fonster &f) {
        f.Las(kFacit + "/lista.kpl", kFacit + "/lista.red");
        f.Meny("Startsidautskrift");
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void cleanup() { QFile::remove(QStringLiteral("utskrift.html")); }

    void theThreeButtonsWriteAndOpenTheirPrintouts() {
        Fonster f;
        Oppna(f);
        const struct {
            const char *knapp;
            const char *facit;
        } fall[] = {{"BitBtnDagbok", "dagbok41.html"},
                    {"BitBtnkontoplan", "kontoplan8.html"},
                    {"BitBtnkontosaldo", "kontoutdrag40.html"}};
        f.Del<QLineEdit>("EditHuvudboknummer")->setText(QStringLiteral("1930"));
        for (const auto &k : fall) {
            QFile::remove(QStringLiteral("utskrift.html"));
            f.skrivbord->dokument.clear();
            f.Tryck(k.knapp);
            QVERIFY2(f.skrivbord->meddelanden.isEmpty(), k.knapp);
            QCOMPARE(f.skrivbord->dokument, QStringList{"utskrift.html"});
            QCOMPARE(Rader(Innehall(QStringLiteral("utskrift.html"))),
                     Rader(Innehall(kFacit + "/" + k.facit)));
            QVERIFY(f.Synlig("PanelRapport"));
        }
    }

    void aStatementWithoutANumberAsksForOneAndWritesNothing() {
        Fonster f;
        Oppna(f);
        auto *ruta = f.Del<QLineEdit>("EditHuvudboknummer");
        for (const QString &text : {QString(), QStringLiteral("1")}) {
            ruta->setText(text);
            f.Del<QPushButton>("BitBtnkontosaldo")->setFocus();
            f.skrivbord->meddelanden.clear();
            f.Tryck("BitBtnkontosaldo");
            QCOMPARE(f.skrivbord->meddelanden,
                     QStringList{QStringLiteral(
                         "Du måste ange numret för det konto där du vill se kontoutdraget")});
            QVERIFY(QTest::qWaitFor([&] { return ruta->hasFocus(); }));
        }
        QVERIFY(f.skrivbord->dokument.isEmpty());
        QVERIFY(!QFileInfo::exists(QStringLiteral("utskrift.html")));
    }

    void aNumberThatIsNotAnIntegerIsReportedBeforeAnyFileIsWritten() {
        Fonster f;
        Oppna(f);
        f.Del<QLineEdit>("EditHuvudboknummer")->setText(QStringLiteral("19x0"));
        f.Tryck("BitBtnkontosaldo");
        QCOMPARE(f.skrivbord->meddelanden, QStringList{"'19x0' is not a valid integer value"});
        QVERIFY(f.skrivbord->dokument.isEmpty());
        QVERIFY(!QFileInfo::exists(QStringLiteral("utskrift.html")));
    }
};

QTEST_MAIN(ListutskriftPanelTest)
#include "test_listutskrift_panel.moc"
