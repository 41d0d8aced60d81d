// The ledger and company commands of the menu: creating and opening a ledger,
// opening and saving a company, with cancels and files that fail to read.

#include "entry/ui/Redovisapanel.h"
#include "shell/TForm1.h"
#include "support/Testfiler.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kKontoplan = "AB:s kontoplan\r\n1;1930;Bank\r\n5;3010;F\xF6rs\xE4ljning\r\n";
const QByteArray kTrePoster = "AB 2012\r\n"
                              "1;120101;500;1930;0;0;Ett\r\n"
                              "2;120102;200;0;3010;0;Tv\xE5\r\n"
                              "3;120103;99;1930;3010;0;Tre\r\n";

} // namespace

class RedovisningskommandonTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    std::unique_ptr<TForm1> form_;
    Testskrivbord *skrivbord_ = nullptr;

    // The entry form's state, held by the entry panel.
    tovana::Postformular &Formular() { return form_->findChild<Redovisapanel *>()->Formular(); }

    void Starta() {
        auto desktop = std::make_unique<Testskrivbord>();
        skrivbord_ = desktop.get();
        form_ = std::make_unique<TForm1>(std::move(desktop));
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void Val(const char *menyval, const QString &fil = {}) {
        if (!fil.isEmpty())
            skrivbord_->filval.push_back(fil);
        form_->Menyval(QString::fromUtf8(menyval))->trigger();
    }
    QString Text(const char *namn) { return form_->findChild<QLabel *>(namn)->text(); }
    bool Synlig(const char *namn) { return form_->Panel(QString::fromUtf8(namn))->isVisible(); }
    bool Pa(const char *menyval) { return form_->Menyval(QString::fromUtf8(menyval))->isEnabled(); }
    QString Sokvag(const QString &namn) { return QDir::current().absoluteFilePath(namn); }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() {
        SkrivFil(QStringLiteral("ab.kpl"), kKontoplan);
        SkrivFil(QStringLiteral("ab.red"), kTrePoster);
        SkrivFil(QStringLiteral("ab.ftg"),
                 (Sokvag("ab.kpl") + "\r\n" + Sokvag("ab.red") + "\r\n").toUtf8());
        Starta();
    }
    void cleanup() { form_.reset(); }

    // Cancelling the save dialog used to leave the ledger in memory emptied,
    // renamed and flagged as loaded.
    void aNewLedgerWaitsForItsFileBeforeChangingAnything() {
        Val("oppnaforetag", Sokvag("ab.ftg"));
        Val("Skapaennyredovisning2");
        QVERIFY(Synlig("PanelSkapaRed"));
        QCOMPARE(Text("LabelSkapaRedRubrik"), QStringLiteral("Skapa en ny redovisning"));
        QCOMPARE(Text("LabelRedAngenamn"), QStringLiteral("Ange redovisningens INTERNA namn här:"));
        const QStringList memo =
            form_->findChild<QPlainTextEdit *>("Memo1")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(memo.size(), 9);
        QCOMPARE(memo[6], QStringLiteral(
                              "För god kompatibilitet bör du endast använda a - z och siffror. "));
        QCOMPARE(memo[8], QStringLiteral("Tovana infogar automatiskt filändelsen .RED."));
        QVERIFY(
            !form_->findChild<QWidget *>("EditKod")->isVisibleTo(form_->Panel("PanelRedovisa")));

        auto *namn = form_->findChild<QLineEdit *>("EditAngeRedNamn");
        auto *spara = form_->findChild<QPushButton *>("BitBtnSparaNyRed");
        QTest::keyClicks(namn, QStringLiteral("Ny bok"));
        spara->click();
        QCOMPARE(skrivbord_->forval.last(), QStringLiteral("*.red"));
        QVERIFY(skrivbord_->meddelanden.isEmpty());
        QVERIFY(Synlig("PanelSkapaRed"));
        QCOMPARE(form_->Data().Redovisningsnamn, std::string("AB 2012"));
        QCOMPARE(form_->Data().Postantal, 3);
        QCOMPARE(form_->Data().Poster[3].text, std::string("Tre"));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("AB 2012"));

        skrivbord_->filval.push_back(Sokvag("ny"));
        spara->click();
        QCOMPARE(Las(QStringLiteral("ny.red")), QByteArray("Ny bok\r\n"));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("Ny bok"));
        QCOMPARE(Text("LabelRedFilnamn"), Sokvag("ny.red"));
        QCOMPARE(form_->Data().Postantal, 0);
        QVERIFY(Synlig("PanelRedovisa"));
        QVERIFY(Text("LV1").isEmpty());
        QVERIFY(!form_->findChild<QLabel *>("LabelSaldo")->isVisible());
        QCOMPARE(QApplication::focusWidget(), form_->findChild<QWidget *>("Editvernr"));
    }

    void aNewLedgerWithoutAChartEnablesOnlyRedovisa() {
        Val("Skapaennyredovisning2");
        skrivbord_->filval.push_back(Sokvag("utan.red"));
        form_->findChild<QPushButton *>("BitBtnSparaNyRed")->click();
        QVERIFY(Pa("Redovisa"));
        QVERIFY(!Pa("RapportRes"));
        QVERIFY(!Pa("sparaforetag"));
        QVERIFY(form_->Data().RedovisningInlast);
    }

    void openingALedgerShowsItsNewestPostsAndOpenBalance() {
        Formular().Sexpostsida = 2;
        Val("Oppnared", Sokvag("ab.red"));
        QCOMPARE(skrivbord_->forval.last(), QStringLiteral("*.red"));
        QVERIFY(Synlig("PanelRedovisa"));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("AB 2012"));
        QCOMPARE(Text("LP1"), QStringLiteral("[3]"));
        QCOMPARE(Text("LP2"), QStringLiteral("[2]"));
        QCOMPARE(Text("LT2"), QStringLiteral("Två"));
        QCOMPARE(Text("LP3"), QStringLiteral("[1]"));
        QVERIFY(Text("LP4").isEmpty());
        QVERIFY(form_->findChild<QLabel *>("LabelSaldo")->isVisible());
        QCOMPARE(Text("LabelSaldo"), QStringLiteral("Debetsaldo 300"));
        QCOMPARE(Formular().Sexpostsida, 2);
        // No chart yet: the ledger's menu items wait for one.
        QVERIFY(!Pa("RapportRes"));
        QVERIFY(!Pa("Redovisa"));

        SkrivFil(QStringLiteral("tom.red"), "Tom\r\n");
        Val("Oppnared", Sokvag("tom.red"));
        QCOMPARE(Text("LP1"), QStringLiteral("[0]"));
        QCOMPARE(Text("LB1"), QStringLiteral("0,00"));
        QVERIFY(Text("LP2").isEmpty());
        QVERIFY(!form_->findChild<QLabel *>("LabelSaldo")->isVisible());
        QVERIFY(Text("LabelSaldo").isEmpty());
    }

    // A ledger that failed to open used to leave its name, path and flag behind
    // with the posts read before the bad line.
    void aLedgerThatFailsToOpenChangesNothing() {
        Val("Oppnared", Sokvag("ab.red"));
        SkrivFil(QStringLiteral("trasig.red"),
                 "Trasig\r\n1;120101;100;1930;0;0;Ett\r\n2;120102;1,2,3;1930;0;0;\r\n");
        form_->VisaArbetspanel(form_->Panel("PanelRR"));
        Val("Oppnared", Sokvag("trasig.red"));
        QCOMPARE(skrivbord_->meddelanden,
                 QStringList{"'1,2,3' is not a valid floating point value\nFil: " +
                             Sokvag("trasig.red") + ", rad 3"});
        QVERIFY(Synlig("PanelRR"));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("AB 2012"));
        QCOMPARE(form_->Data().Redovisningsfil, Sokvag("ab.red").toStdString());
        QCOMPARE(form_->Data().Postantal, 3);
        QCOMPARE(form_->Data().Poster[1].text, std::string("Ett"));

        Val("Oppnared"); // cancelled
        QCOMPARE(skrivbord_->meddelanden.size(), 1);
        QCOMPARE(form_->Data().Postantal, 3);
    }

    void aCompanyOpensBothFilesAndSavesThePair() {
        Val("oppnaforetag", Sokvag("ab.ftg"));
        QCOMPARE(skrivbord_->forval.last(), QStringLiteral("*.ftg"));
        QVERIFY(skrivbord_->meddelanden.isEmpty());
        QCOMPARE(Text("LabelAktKplan"), QStringLiteral("AB:s kontoplan"));
        QCOMPARE(Text("LabelKplanFilnamn"), Sokvag("ab.kpl"));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("AB 2012"));
        QCOMPARE(Text("LabelRedFilnamn"), Sokvag("ab.red"));
        for (const char *val : {"Visa1", "SparasomKplan", "Redovisa", "RapportRes", "sparaforetag"})
            QVERIFY2(Pa(val), val);
        QVERIFY(Synlig("PanelRedovisa"));
        QCOMPARE(Text("LP1"), QStringLiteral("[3]"));
        QCOMPARE(Text("LabelSaldo"), QStringLiteral("Debetsaldo 300"));
        QCOMPARE(QApplication::focusWidget(), form_->findChild<QWidget *>("Editvernr"));

        Val("sparaforetag"); // cancelled: nothing written, nothing said
        QVERIFY(skrivbord_->meddelanden.isEmpty());
        QCOMPARE(skrivbord_->forval.last(), QStringLiteral("*.ftg"));

        skrivbord_->filval.push_back(Sokvag("kopia"));
        form_->Menyval(QStringLiteral("sparaforetag"))->trigger();
        QCOMPARE(Las(QStringLiteral("kopia.ftg")), Las(QStringLiteral("ab.ftg")));
        QCOMPARE(skrivbord_->meddelanden,
                 QStringList{"I fortsättningen kan du öppna kontoplan och redovisning genom att "
                             "öppna " +
                             Sokvag("kopia.ftg")});
        QCOMPARE(form_->Data().Kontoplanfil, Sokvag("ab.kpl").toStdString());
    }

    // A company whose ledger was missing used to leave its chart loaded and
    // the missing ledger named as the current one.
    void aCompanyWithAMissingLedgerChangesNothing() {
        SkrivFil(QStringLiteral("halv.ftg"),
                 (Sokvag("ab.kpl") + "\r\n" + Sokvag("borta.red") + "\r\n").toUtf8());
        Val("oppnaforetag", Sokvag("halv.ftg"));
        QCOMPARE(skrivbord_->meddelanden,
                 QStringList{"Filen finns inte.\nFil: " + Sokvag("borta.red")});
        QCOMPARE(Text("LabelAktKplan"), QStringLiteral("Det finns ingen kontoplan"));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("Det finns ingen redovisning"));
        QVERIFY(!Pa("Visa1"));
        QVERIFY(!Pa("Redovisa"));
        QVERIFY(Synlig("Panelvalkommen"));
        QCOMPARE(form_->Data().Kontoantal, 0);
        QVERIFY(!form_->Data().KontoplanInlast);
        QVERIFY(!form_->Data().RedovisningInlast);
    }
};

QTEST_MAIN(RedovisningskommandonTest)
#include "test_redovisningskommandon.moc"
