// Two windows on one chart and ledger: the second is told that they are open
// elsewhere and gets them read-only; its commands write nothing, while the
// first window goes on writing, and the files are free once it closes.

#include "chart/ui/PanelKplanRedigera.h"
#include "entry/ui/Redovisapanel.h"
#include "shell/TForm1.h"
#include "support/Testfiler.h"
#include "support/Testskrivbord.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kKontoplan = "AB:s kontoplan\r\n1;1930;Bank\r\n5;3010;Forsaljning\r\n";
const QByteArray kRedovisning = "AB 2012\r\n1;120315;100;1930;3010;0;Kontant\r\n";

const QString kSkrivskyddad = QStringLiteral(
    " är redan öppen i det här programmet. Den öppnas skrivskyddad: du kan läsa den, men inga "
    "ändringar sparas.");

} // namespace

class TvaFonsterTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    std::unique_ptr<TForm1> Fonster(Testskrivbord *&skrivbord) {
        auto desktop = std::make_unique<Testskrivbord>();
        skrivbord = desktop.get();
        auto form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        return form;
    }

    template <typename T> static T *W(TForm1 &form, const char *namn) {
        auto *w = form.findChild<T *>(QString::fromUtf8(namn));
        if (!w)
            qFatal("no control %s", namn);
        return w;
    }

    // The entry panel's save of a post that has passed its checks.
    static void SparaPost(TForm1 &form, const QString &vernr) {
        form.Menyval(QStringLiteral("Redovisa"))->trigger();
        W<QLineEdit>(form, "Editvernr")->setText(vernr);
        W<QLineEdit>(form, "EditDatum")->setText(QStringLiteral("120316"));
        W<QLineEdit>(form, "EditBelopp")->setText(QStringLiteral("50"));
        W<QLineEdit>(form, "EditDebit")->setText(QStringLiteral("1930"));
        W<QLineEdit>(form, "EditKredit")->setText(QStringLiteral("3010"));
        W<QLineEdit>(form, "EditText")->setText(QStringLiteral("Post"));
        auto &formular = form.findChild<Redovisapanel *>()->Formular();
        formular.DebetKontrollerad = true;
        formular.KreditKontrollerad = true;
        W<QPushButton>(form, "Buttonnasta")->click();
    }

    static void BytNamn(TForm1 &form, const QString &namn) {
        W<QLineEdit>(form, "EditAndraRedNamn")->setText(namn);
        W<QPushButton>(form, "BitBtnSparaRedNamn")->click();
    }

    static void NyttKonto(TForm1 &form) {
        form.Menyval(QStringLiteral("Nyttkonto1"))->trigger();
        W<QLineEdit>(form, "Ktyp")->setText(QStringLiteral("1"));
        W<QLineEdit>(form, "Knummer")->setText(QStringLiteral("1910"));
        W<QLineEdit>(form, "Knamn")->setText(QStringLiteral("Kassa"));
        W<QPushButton>(form, "BitBtnKplan")->click();
        W<QPushButton>(form, "BitBtnSparaKplan")->click();
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    // Two windows on one ledger: one saved a post, the other renamed the ledger,
    // and the post was gone without a word.
    void theSecondWindowIsToldAndWritesNothing() {
        SkrivFil(QStringLiteral("ab.kpl"), kKontoplan);
        SkrivFil(QStringLiteral("ab.red"), kRedovisning);
        SkrivFil(QStringLiteral("ab.ftg"), "ab.kpl\r\nab.red\r\n");

        Testskrivbord *forsta_skrivbord = nullptr;
        Testskrivbord *andra_skrivbord = nullptr;
        auto forsta = Fonster(forsta_skrivbord);
        forsta_skrivbord->filval.push_back(QStringLiteral("ab.ftg"));
        forsta->Menyval(QStringLiteral("oppnaforetag"))->trigger();
        QCOMPARE(forsta_skrivbord->meddelanden, QStringList());

        auto andra = Fonster(andra_skrivbord);
        andra_skrivbord->filval.push_back(QStringLiteral("ab.kpl"));
        andra->Menyval(QStringLiteral("Oppna1"))->trigger();
        andra_skrivbord->filval.push_back(QStringLiteral("ab.red"));
        andra->Menyval(QStringLiteral("Oppnared"))->trigger();
        QCOMPARE(andra_skrivbord->meddelanden,
                 QStringList({QStringLiteral("Kontoplanen ab.kpl") + kSkrivskyddad,
                              QStringLiteral("Redovisningen ab.red") + kSkrivskyddad}));
        QCOMPARE(W<QLabel>(*andra, "LabelRedFilnamn")->text(),
                 QStringLiteral("ab.red  (skrivskyddad)"));
        QCOMPARE(W<QLabel>(*andra, "LabelKplanFilnamn")->text(),
                 QStringLiteral("ab.kpl  (skrivskyddad)"));
        QCOMPARE(W<QLabel>(*forsta, "LabelRedFilnamn")->text(), QStringLiteral("ab.red"));
        QCOMPARE(W<QLabel>(*andra, "LabelAktRed")->text(), QStringLiteral("AB 2012"));

        // The second window's save, rename, new account and removal are refused.
        andra_skrivbord->meddelanden.clear();
        SparaPost(*andra, QStringLiteral("2"));
        BytNamn(*andra, QStringLiteral("Omdöpt"));
        NyttKonto(*andra);
        // Removing an account the posts use warned first, then was refused.
        andra->Menyval(QStringLiteral("Redigera1"))->trigger();
        auto *kontolista = W<QListWidget>(*andra, "ListBoxKplanRed");
        emit kontolista->itemDoubleClicked(kontolista->item(0));
        QCOMPARE(andra->findChild<PanelKplanRedigera *>()->ValtKonto(), 1);
        W<QPushButton>(*andra, "BitBtnKplanRedRadera")->click();
        QCOMPARE(andra_skrivbord->meddelanden.size(), 5);
        for (const QString &meddelande : andra_skrivbord->meddelanden)
            QVERIFY2(meddelande.contains(QStringLiteral("skrivskyddad och kan inte ändras")),
                     qPrintable(meddelande));
        QCOMPARE(andra->Data().Postantal, 1);
        QCOMPARE(andra->Data().Kontoantal, 2);
        QCOMPARE(W<QLabel>(*andra, "LabelAktRed")->text(), QStringLiteral("AB 2012"));
        QCOMPARE(Las(QStringLiteral("ab.red")), kRedovisning);
        QCOMPARE(Las(QStringLiteral("ab.kpl")), kKontoplan);

        // The first window still writes.
        SparaPost(*forsta, QStringLiteral("2"));
        BytNamn(*forsta, QStringLiteral("AB 2012 rev"));
        QCOMPARE(forsta_skrivbord->meddelanden, QStringList());
        QCOMPARE(Las(QStringLiteral("ab.red")),
                 QByteArray("AB 2012 rev\r\n1;120315;100;1930;3010;0;Kontant\r\n"
                            "2;120316;50;1930;3010;0;Post\r\n"));

        // Once the first window is gone, the second opens the ledger anew and writes.
        forsta.reset();
        andra_skrivbord->meddelanden.clear();
        andra_skrivbord->filval.push_back(QStringLiteral("ab.red"));
        andra->Menyval(QStringLiteral("Oppnared"))->trigger();
        QCOMPARE(W<QLabel>(*andra, "LabelRedFilnamn")->text(), QStringLiteral("ab.red"));
        SparaPost(*andra, QStringLiteral("3"));
        QCOMPARE(andra_skrivbord->meddelanden, QStringList());
        QCOMPARE(andra->Data().Postantal, 3);
        QVERIFY(Las(QStringLiteral("ab.red")).endsWith("3;120316;50;1930;3010;0;Post\r\n"));
    }

    // At the program's end the posts are left to the system; the window still
    // gives up its locks as it goes, so the next window writes.
    void theLocksGoWhenThePostsAreLeftToTheSystem() {
        SkrivFil(QStringLiteral("cd.kpl"), kKontoplan);
        SkrivFil(QStringLiteral("cd.red"), kRedovisning);
        SkrivFil(QStringLiteral("cd.ftg"), "cd.kpl\r\ncd.red\r\n");
        Testskrivbord *skrivbord = nullptr;
        auto forsta = Fonster(skrivbord);
        skrivbord->filval.push_back(QStringLiteral("cd.ftg"));
        forsta->Menyval(QStringLiteral("oppnaforetag"))->trigger();
        QCOMPARE(forsta->Data().Postantal, 1);
        forsta->LamnaPosternaTillSystemet();
        QCOMPARE(forsta->Data().Postantal, 0);
        QCOMPARE(forsta->Data().Poster.size(), std::size_t{1});
        forsta.reset();

        auto andra = Fonster(skrivbord);
        skrivbord->filval.push_back(QStringLiteral("cd.ftg"));
        andra->Menyval(QStringLiteral("oppnaforetag"))->trigger();
        SparaPost(*andra, QStringLiteral("2"));
        QCOMPARE(skrivbord->meddelanden, QStringList());
        QVERIFY(Las(QStringLiteral("cd.red")).endsWith("2;120316;50;1930;3010;0;Post\r\n"));
    }
};

QTEST_MAIN(TvaFonsterTest)
#include "test_tva_fonster.moc"
