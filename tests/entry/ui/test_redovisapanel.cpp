// The entry panel driven as the user drives it: real focus changes, typed keys
// and "Nästa post", checked by what the panel shows and what reaches the file.

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
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QColor kBla(166, 194, 233);
const QColor kVit(255, 255, 255);

const QByteArray kKontoplan = "AB:s kontoplan\r\n"
                              "1;1910;Kassa\r\n"
                              "1;1930;Bank\r\n"
                              "4;2610;Utg\xE5"
                              "ende moms\r\n"
                              "5;3010;F\xF6rs\xE4ljning\r\n"
                              "6;5010;Hyra\r\n";

// A desktop whose messages are real modal message boxes, closed as soon as they
// show: the focus leaves the window and comes back as it does on a desktop.
class ModalSkrivbord final : public Skrivbord {
public:
    QStringList meddelanden;
    void Meddelande(QWidget *agare, const QString &text) override {
        meddelanden << text;
        QTimer::singleShot(0, [] {
            if (auto *ruta = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                QMetaObject::invokeMethod(ruta, "accept", Qt::QueuedConnection);
        });
        QMessageBox ruta(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, agare);
        ruta.exec();
    }
    bool Fraga(QWidget *, const QString &) override { return false; }
    Svar FragaMedAvbryt(QWidget *, const QString &) override { return Svar::Nej; }
    QString OppnaFil(QWidget *, const QString &, const QString &) override {
        return filval.takeFirst();
    }
    QString SparaFil(QWidget *, const QString &, const QString &) override { return {}; }
    void OppnaDokument(const QString &) override {}
    QStringList filval;
};

} // namespace

class RedovisapanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    std::unique_ptr<TForm1> form_;
    Testskrivbord *skrivbord_ = nullptr;

    // Opens the company of `kontoplan` and a ledger of `redovisning`, then "Redovisa".
    void Starta(const QByteArray &kontoplan, const QByteArray &redovisning,
                std::unique_ptr<Skrivbord> desktop = nullptr) {
        SkrivFil(QStringLiteral("ab.kpl"), kontoplan);
        SkrivFil(QStringLiteral("ab.red"), redovisning);
        SkrivFil(QStringLiteral("ab.ftg"), "ab.kpl\r\nab.red\r\n");
        skrivbord_ = nullptr;
        if (!desktop) {
            auto test = std::make_unique<Testskrivbord>();
            skrivbord_ = test.get();
            test->filval.push_back(QStringLiteral("ab.ftg"));
            desktop = std::move(test);
        }
        form_ = std::make_unique<TForm1>(std::move(desktop));
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        form_->Menyval(QStringLiteral("oppnaforetag"))->trigger();
        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        QCOMPARE(QApplication::focusWidget(), Ruta("Editvernr"));
    }

    QLineEdit *Ruta(const char *namn) { return form_->findChild<QLineEdit *>(namn); }
    QLabel *Etikett(const QString &namn) { return form_->findChild<QLabel *>(namn); }
    QString Text(const QString &namn) { return Etikett(namn)->text(); }
    QWidget *Fokus() { return QApplication::focusWidget(); }
    QStringList &Meddelanden() { return skrivbord_->meddelanden; }

    void Tangent(Qt::Key tangent) { QTest::keyClick(Fokus(), tangent); }
    void Skriv(const QString &text) { QTest::keyClicks(Fokus(), text); }
    // The entry form's state, held by the entry panel.
    tovana::Postformular &Formular() { return form_->findChild<Redovisapanel *>()->Formular(); }

    void NastaPost() {
        auto *knapp = form_->findChild<QPushButton *>("Buttonnasta");
        QTest::mouseClick(knapp, Qt::LeftButton);
    }
    static QColor Farg(QLineEdit *ruta) { return ruta->palette().color(QPalette::Base); }
    QStringList Lista() {
        QStringList rader;
        auto *lista = form_->findChild<QListWidget *>("ListBoxvisaKonton");
        for (int i = 0; i < lista->count(); ++i)
            rader << lista->item(i)->text();
        return rader;
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void cleanup() { form_.reset(); }

    void keysAVerificationSplitOverThreePosts() {
        Starta(kKontoplan, "AB 2012\r\n");
        auto *belopp = Ruta("EditBelopp");
        auto *saldo = Etikett("LabelSaldo");
        QVERIFY(!saldo->isVisible());
        QVERIFY(Text("LV1").isEmpty()); // an empty ledger shows no rows here
        QCOMPARE(Farg(Ruta("Editvernr")), kBla);

        // Post 1: amount 1250, debit 1930, no credit; the verification number empty.
        Tangent(Qt::Key_Tab);
        QCOMPARE(Farg(Ruta("Editvernr")), kVit);
        Skriv(QStringLiteral("120315"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Fokus(), belopp);
        QVERIFY(form_->findChild<QWidget *>("Panelrakna")->isVisible());
        Skriv(QStringLiteral("1 250"));
        Tangent(Qt::Key_Return); // Enter moves on like Tab
        QCOMPARE(belopp->text(), QStringLiteral("1250"));
        QVERIFY(!form_->findChild<QWidget *>("Panelrakna")->isVisible());
        Skriv(QStringLiteral("19"));
        QCOMPARE(Lista().first(), QStringLiteral("Konton som börjar med 19"));
        Skriv(QStringLiteral("30"));
        Tangent(Qt::Key_Tab);
        QVERIFY(Lista().isEmpty());
        QCOMPARE(Text("LabelTeffekt1"), QStringLiteral("Bank ökar med"));
        QCOMPARE(Text("LabelTeffekt1Bel"), QStringLiteral("+ 1 250,00"));
        QCOMPARE(Fokus(), Ruta("EditKredit"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Fokus(), Ruta("EditText")); // no codes in this chart: the code box is hidden
        Skriv(QStringLiteral("Kassa; dag 1"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Fokus(), form_->findChild<QWidget *>("Buttonnasta"));
        Tangent(Qt::Key_Space);

        QVERIFY(Meddelanden().isEmpty());
        QVERIFY(saldo->isVisible());
        QCOMPARE(saldo->text(), QStringLiteral("Debetsaldo med 1 250,00"));
        QCOMPARE(Ruta("Editvernr")->text(), QStringLiteral("1"));
        QCOMPARE(Ruta("EditDatum")->text(), QStringLiteral("120315"));
        QCOMPARE(Ruta("EditText")->text(), QStringLiteral("Kassa; dag 1"));
        for (const char *tom : {"EditBelopp", "EditDebit", "EditKredit", "EditKod"})
            QVERIFY2(Ruta(tom)->text().isEmpty(), tom);
        QCOMPARE(Fokus(), belopp);
        QCOMPARE(Farg(belopp), kBla);
        QVERIFY(Text("LabelTeffekt1").isEmpty());
        QCOMPARE(Text("LB1"), QStringLiteral("1 250,00"));
        QCOMPARE(Text("LP1"), QStringLiteral("[1]"));

        // Post 2: amount 1000, no debit, credit 3010.
        Skriv(QStringLiteral("1000"));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("3010"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Text("LabelIeffekt1"), QStringLiteral("Försäljning ökar med"));
        QCOMPARE(Text("LabelAReffektBel"), QStringLiteral("1 000,00"));
        NastaPost();
        QCOMPARE(saldo->text(), QStringLiteral("Debetsaldo med 250,00"));
        QCOMPARE(Fokus(), belopp);

        // Post 3: amount 250, credit 2610 closes the verification.
        Skriv(QStringLiteral("250"));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("2610"));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Space);

        QVERIFY(Meddelanden().isEmpty());
        QVERIFY(!saldo->isVisible());
        for (const char *tom : {"Editvernr", "EditDatum", "EditBelopp", "EditDebit", "EditKredit",
                                "EditKod", "EditText"})
            QVERIFY2(Ruta(tom)->text().isEmpty(), tom);
        QCOMPARE(Fokus(), Ruta("Editvernr"));
        QCOMPARE(Farg(belopp), kVit);
        const QStringList radtexter[] = {{"1", "120315", "250,00", "0", "2610", "[3]"},
                                         {"1", "120315", "1 000,00", "0", "3010", "[2]"},
                                         {"1", "120315", "1 250,00", "1930", "0", "[1]"}};
        const QStringList kolumner = {"LV", "LDa", "LB", "LD", "LK", "LP"};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < kolumner.size(); ++c)
                QCOMPARE(Text(kolumner[c] + QString::number(r + 1)), radtexter[r][c]);
        QCOMPARE(Text("LT3"), QStringLiteral("Kassa; dag 1"));
        QVERIFY(Text("LV4").isEmpty());
        QCOMPARE(Las(QStringLiteral("ab.red")),
                 QByteArray("AB 2012\r\n"
                            "1;120315;1250;1930;0;0;Kassa; dag 1\r\n"
                            "1;120315;1000;0;3010;0;Kassa; dag 1\r\n"
                            "1;120315;250;0;2610;0;Kassa; dag 1\r\n"));

        // The next post takes number 2 and the date before it.
        Skriv(QStringLiteral("x"));
        Tangent(Qt::Key_Tab);
        QVERIFY(Ruta("Editvernr")->text().isEmpty()); // "x" had no digits
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("99,5"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("5010"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1910"));
        Tangent(Qt::Key_Tab);
        NastaPost();
        QCOMPARE(Text("LV1"), QStringLiteral("2"));
        QVERIFY(Las(QStringLiteral("ab.red")).endsWith("2;120315;99,5;5010;1910;0;\r\n"));
        QVERIFY(!saldo->isVisible());
    }

    void everyBoxExplainsItselfAndIsBlueWhileFocused_data() {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("hjalp1");
        QTest::addColumn<QString>("hjalp2");
        QTest::newRow("vernr") << "Editvernr"
                               << "Verifikationsnumret måste vara ett heltal. Lämna rutan tom så "
                                  "infogas nästa vernr automatiskt."
                               << "";
        QTest::newRow("datum") << "EditDatum"
                               << "Skriv datumet som ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD, så kan "
                                  "posterna senare sorteras efter datum."
                               << "Lämna ruta tom om du vill ha samma datum som föregående post.";
        QTest::newRow("belopp") << "EditBelopp"
                                << "I beloppsrutan får inga bokstäver eller blanktecken skrivas in."
                                << "Programmet infogar två decimaler och ett blanksteg som "
                                   "tusentalsavgränsare";
        QTest::newRow("debet") << "EditDebit"
                               << "Om du börjar skriva kontonumret visar rutan till höger vilka "
                                  "konton som börjar på angivna siffror."
                               << "Om du inte vill debitera så lämna rutan tom. Tovana kommer att "
                                  "hålla reda på saldot i konteringen.";
        QTest::newRow("kredit") << "EditKredit"
                                << "Om du börjar skriva ett kontonummer visar rutan till höger "
                                   "konton som börjar med angiven siffra."
                                << "Lämna rutan tom om du inte vill kreditera. Tovana kommer att "
                                   "visa saldot i konteringen.";
        QTest::newRow("kod") << "EditKod"
                             << "Lämna rutan tom om du inte vill ange någon kod."
                             << "";
        QTest::newRow("text") << "EditText"
                              << "Du kan ange en beskrivande text med helt fritt format."
                              << "";
    }

    void everyBoxExplainsItselfAndIsBlueWhileFocused() {
        QFETCH(QString, ruta);
        QFETCH(QString, hjalp1);
        QFETCH(QString, hjalp2);
        Starta(kKontoplan + "8;10;Projekt\r\n", "AB 2012\r\n");
        Ruta("EditBelopp")->setText(QStringLiteral("5"));
        auto *box = form_->findChild<QLineEdit *>(ruta);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(Fokus(), box);
        QCOMPARE(Text("LabelRedHjalp"), hjalp1);
        QCOMPARE(Text("LabelRedHjalp2"), hjalp2);
        QCOMPARE(Farg(box), kBla);
        QVERIFY(Meddelanden().isEmpty());
        QTest::mouseClick(form_->findChild<QPushButton *>("BitBtntidigare"), Qt::LeftButton);
        QCOMPARE(Farg(box), kVit);
        QVERIFY(Text("LabelRedHjalp").isEmpty());
        if (ruta != QLatin1String("EditDebit")) // leaving the debit box keeps the second line
            QVERIFY(Text("LabelRedHjalp2").isEmpty());
        QVERIFY(Meddelanden().isEmpty());
    }

    void theBoxesAreCleanedOnLeaving() {
        Starta(kKontoplan, "AB 2012\r\n");
        Skriv(QStringLiteral("12a3"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Ruta("Editvernr")->text(), QStringLiteral("123"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1.234,50"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Ruta("EditBelopp")->text(), QStringLiteral("1,234,50"));
        Skriv(QStringLiteral("19-10"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Ruta("EditDebit")->text(), QStringLiteral("1910"));
        // The amount does not convert: the runtime's message, no effect shown.
        QCOMPARE(Meddelanden(), QStringList{"'1,234,50' is not a valid floating point value"});
        QVERIFY(Text("LabelTeffekt1Bel").isEmpty());
    }

    void anAmountIsNeededBeforeTheAccounts() {
        Starta(kKontoplan, "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab); // into the debit box with no amount
        QCOMPARE(Meddelanden(), QStringList{"Du måste ange ett belopp innan du debiterar! Skriv 0 "
                                            "om du inte vill ange något belopp."});
        QCOMPARE(Fokus(), Ruta("EditBelopp"));
        QCOMPARE(Farg(Ruta("EditDebit")), kVit);
        QCOMPARE(Farg(Ruta("EditBelopp")), kBla);
        QVERIFY(form_->findChild<QWidget *>("Panelrakna")->isVisible());
        QCOMPARE(Text("LabelRedHjalp"),
                 QStringLiteral("I beloppsrutan får inga bokstäver eller blanktecken skrivas in."));

        QTest::mouseClick(Ruta("EditKredit"), Qt::LeftButton);
        QCOMPARE(Meddelanden().last(),
                 QStringLiteral("Det finns inget belopp! Inget kommer att sparas."));
        QCOMPARE(Meddelanden().size(), 2);
        QCOMPARE(Fokus(), Ruta("EditBelopp"));
        QCOMPARE(Farg(Ruta("EditKredit")), kVit);
    }

    void anAccountOutsideTheChartIsReportedButSaved() {
        Starta(kKontoplan + "8;10;Projekt\r\n", "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("100"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("4444"));
        Tangent(Qt::Key_Tab);
        QCOMPARE(Meddelanden(),
                 QStringList{"Kontot 4444 finns inte i kontoplanen. Kom ihåg att lägga till detta "
                             "konto, annars kommer många rapporter att bli felaktiga. Om du inte "
                             "vill debitera något konto ska du lämna rutan helt tom."});
        QVERIFY(Formular().DebetKontrollerad);
        QCOMPARE(Fokus(), Ruta("EditKredit"));
        Skriv(QStringLiteral("10")); // a code is no bookkeeping account
        Tangent(Qt::Key_Tab);
        QCOMPARE(Meddelanden().size(), 2);
        QVERIFY(
            Meddelanden().last().startsWith(QStringLiteral("Kontot 10 finns inte i kontoplanen.")));
        QVERIFY(Formular().KreditKontrollerad);
        QCOMPARE(Fokus(), Ruta("EditKod"));
        QCOMPARE(Lista().first(), QStringLiteral("Koder"));
        NastaPost();
        QCOMPARE(Meddelanden().size(), 2);
        QVERIFY(Las(QStringLiteral("ab.red")).endsWith("1;;100;4444;10;0;\r\n"));
    }

    void aPostWithoutAccountsIsRefusedWithBothMessages() {
        Starta(kKontoplan, "AB 2012\r\n1;120101;50;1930;0;0;Ett\r\n");
        QCOMPARE(Text("LabelSaldo"), QStringLiteral("Debetsaldo 50"));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("75"));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab); // both account boxes left empty: both flags set
        Skriv(QStringLiteral("Text"));
        NastaPost();
        QCOMPARE(Meddelanden(),
                 (QStringList{"Både debetrutan och kreditrutan kan inte lämnas tom!",
                              "Något i denna post är felaktigt och posten kan inte sparas! Rätta "
                              "fel och försök på nytt."}));
        QCOMPARE(Fokus(), Ruta("EditDebit"));
        QCOMPARE(Ruta("EditBelopp")->text(), QStringLiteral("75"));
        QCOMPARE(Ruta("EditText")->text(), QStringLiteral("Text"));
        QVERIFY(Ruta("Editvernr")->text().isEmpty());
        QCOMPARE(form_->Data().Postantal, 1);
        QCOMPARE(Las(QStringLiteral("ab.red")),
                 QByteArray("AB 2012\r\n1;120101;50;1930;0;0;Ett\r\n"));
    }

    void theFirstPostNeedsBothAccountBoxesLeft() {
        Starta(kKontoplan, "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("10"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1930"));
        NastaPost(); // straight from the debit box: the credit box was never left
        QCOMPARE(Meddelanden(), QStringList{"Något i denna post är felaktigt och posten kan inte "
                                            "sparas! Rätta fel och försök på nytt."});
        QCOMPARE(form_->Data().Postantal, 0);
        QCOMPARE(Ruta("EditDebit")->text(), QStringLiteral("1930"));
    }

    // A saved post left both accounts checked, so the next one passed "Nästa
    // post" straight from the debit box without the credit box being left.
    void theNextPostNeedsBothAccountBoxesLeftAgain() {
        Starta(kKontoplan, "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("10"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1930"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("3010"));
        Tangent(Qt::Key_Tab);
        NastaPost();
        QCOMPARE(form_->Data().Postantal, 1);
        QCOMPARE(Fokus(), Ruta("Editvernr"));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("20"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1910"));
        NastaPost();
        QCOMPARE(Meddelanden(), QStringList{"Något i denna post är felaktigt och posten kan inte "
                                            "sparas! Rätta fel och försök på nytt."});
        QCOMPARE(form_->Data().Postantal, 1);
    }

    void ctrlEnterSavesThePostAsNastaPostDoes_data() {
        QTest::addColumn<QStringList>("efterDebet"); // typed after the debit box, Tab between
        QTest::addColumn<int>("poster");
        QTest::newRow("from the debit box, credit never left") << QStringList{} << 0;
        QTest::newRow("from the credit box") << QStringList{"3010"} << 1;
        QTest::newRow("from the text box") << QStringList{"3010", "Kaffe"} << 1;
    }
    void ctrlEnterSavesThePostAsNastaPostDoes() {
        QFETCH(QStringList, efterDebet);
        QFETCH(int, poster);
        Starta(kKontoplan, "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("10"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1930"));
        for (const QString &text : efterDebet) {
            Tangent(Qt::Key_Tab);
            Skriv(text);
        }
        QTest::keyClick(Fokus(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(form_->Data().Postantal, poster);
        if (poster == 0) {
            QCOMPARE(Meddelanden(), QStringList{"Något i denna post är felaktigt och posten kan "
                                                "inte sparas! Rätta fel och försök på nytt."});
            return;
        }
        QVERIFY(Meddelanden().isEmpty());
        QCOMPARE(Fokus(), Ruta("Editvernr"));
        const QByteArray text = efterDebet.value(1).toUtf8();
        QCOMPARE(Las(QStringLiteral("ab.red")),
                 QByteArray("AB 2012\r\n1;;10;1930;3010;0;") + text + "\r\n");

        // Enter alone still only moves on, from the text box to the button.
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("5"));
        for (int i = 0; i < 3; ++i)
            Tangent(Qt::Key_Return);
        QCOMPARE(Fokus(), Ruta("EditText"));
        Tangent(Qt::Key_Return);
        QCOMPARE(Fokus(), form_->findChild<QWidget *>("Buttonnasta"));
        QCOMPARE(form_->Data().Postantal, 1);
    }

    void anotherLedgerEmptiesTheHalfKeyedPost_data() {
        QTest::addColumn<QString>("menyval");
        QTest::addColumn<QString>("fil");
        QTest::newRow("Öppna en redovisning") << "Oppnared"
                                              << "ny.red";
        QTest::newRow("Öppna företag") << "oppnaforetag"
                                       << "ny.ftg";
    }

    // A post half keyed in one ledger stayed in the boxes, checked and with its
    // effects, when another ledger was opened, and "Nästa post" saved it there.
    void anotherLedgerEmptiesTheHalfKeyedPost() {
        QFETCH(QString, menyval);
        QFETCH(QString, fil);
        SkrivFil(QStringLiteral("ny.red"), "Ny 2013\r\n");
        SkrivFil(QStringLiteral("ny.ftg"), "ab.kpl\r\nny.red\r\n");
        Starta(kKontoplan, "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("120315"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("10"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1930"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("3010"));
        Tangent(Qt::Key_Tab);
        QVERIFY(!Text("LabelTeffekt1").isEmpty());
        QVERIFY(Formular().PostGodkand || Formular().KreditKontrollerad);

        skrivbord_->filval.push_back(fil);
        form_->Menyval(menyval)->trigger();
        QCOMPARE(QString::fromStdString(form_->Data().Redovisningsnamn), QStringLiteral("Ny 2013"));
        for (const char *ruta : {"Editvernr", "EditDatum", "EditBelopp", "EditDebit", "EditKredit",
                                 "EditKod", "EditText"})
            QCOMPARE(Ruta(ruta)->text(), QString());
        for (const char *effekt : {"LabelTeffekt1", "LabelTeffekt1Bel", "LabelIeffekt1",
                                   "LabelIeffekt1Bel", "LabelAReffektBel", "LabelsummaTBel"})
            QCOMPARE(Text(effekt), QString());
        QCOMPARE(Formular().DebetKontrollerad, false);
        QCOMPARE(Formular().KreditKontrollerad, false);
        QCOMPARE(Formular().PostGodkand, false);

        NastaPost();
        QCOMPARE(form_->Data().Postantal, 0);
        QCOMPARE(Las(QStringLiteral("ny.red")), QByteArray("Ny 2013\r\n"));
    }

    // A ";" in the date used to reach the file and shift every later field of the line.
    void aSaveThatFailsKeepsTheBoxesAndStoresNothing() {
        Starta(kKontoplan, "AB 2012\r\n");
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("12;03"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("10"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("1930"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("3010"));
        Tangent(Qt::Key_Tab);
        NastaPost();
        QCOMPARE(Meddelanden(), QStringList{"Datumet får inte innehålla semikolon (;)."});
        QCOMPARE(form_->Data().Postantal, 0);
        QCOMPARE(Las(QStringLiteral("ab.red")), QByteArray("AB 2012\r\n"));
        QCOMPARE(Ruta("EditDatum")->text(), QStringLiteral("12;03"));
        QCOMPARE(Ruta("Editvernr")->text(), QStringLiteral("1")); // the default stands in the box
        QCOMPARE(Ruta("EditKod")->text(), QStringLiteral("0"));
    }

    // A date typed 2026-03-15 was appended whole and read back as "2026-03-", and
    // any text at all was taken for a date.
    void theDateMustBeReadableAndIsStoredInEightCharacters_data() {
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QByteArray>("sparad"); // the date in the file; empty: refused
        QTest::newRow("ÅÅÅÅ-MM-DD") << "2026-03-15" << QByteArray("20260315");
        QTest::newRow("ÅÅMMDD") << "260315" << QByteArray("260315");
        QTest::newRow("ÅÅÅÅMMDD") << "20260315" << QByteArray("20260315");
        QTest::newRow("empty: the previous date, readable or not") << "" << QByteArray("15/3");
        QTest::newRow("30 February") << "20260230" << QByteArray();
        QTest::newRow("29 February 2025") << "20250229" << QByteArray();
        QTest::newRow("month 13") << "2026-13-01" << QByteArray();
        QTest::newRow("day and month") << "16/3" << QByteArray();
        QTest::newRow("letters") << "15 mars" << QByteArray();
    }
    void theDateMustBeReadableAndIsStoredInEightCharacters() {
        QFETCH(QString, datum);
        QFETCH(QByteArray, sparad);
        const QByteArray fore = "AB 2012\r\n1;15/3;50;1930;3010;0;Gammal\r\n";
        Starta(kKontoplan, fore);
        Tangent(Qt::Key_Tab);
        Skriv(datum);
        for (const char *text : {"10", "1930", "3010"}) {
            Tangent(Qt::Key_Tab);
            Skriv(QString::fromUtf8(text));
        }
        Tangent(Qt::Key_Tab);
        NastaPost();
        if (sparad.isEmpty()) {
            QCOMPARE(Meddelanden(), QStringList{QStringLiteral("Datumet kan inte läsas. Skriv det "
                                                               "som ÅÅMMDD, ÅÅÅÅMMDD eller "
                                                               "ÅÅÅÅ-MM-DD.")});
            QCOMPARE(Fokus(), Ruta("EditDatum"));
            QCOMPARE(Ruta("EditDatum")->text(), datum);
            QCOMPARE(Ruta("EditBelopp")->text(), QStringLiteral("10"));
            QCOMPARE(form_->Data().Postantal, 1);
            QCOMPARE(Las(QStringLiteral("ab.red")), fore);
        } else {
            QCOMPARE(Meddelanden(), QStringList());
            QCOMPARE(Las(QStringLiteral("ab.red")), fore + "2;" + sparad + ";10;1930;3010;0;\r\n");
            QCOMPARE(QString::fromStdString(form_->Data().Poster[2].datum),
                     QString::fromLatin1(sparad));
        }
    }

    void theCodeBoxIsShownOnlyWhileTheChartHasCodes() {
        Starta(kKontoplan, "AB 2012\r\n1;120101;50;1930;3010;0;Ett\r\n");
        for (const char *namn : {"EditKod", "LabelKod", "LabelKoRubrik", "LKo1"})
            QVERIFY2(!form_->findChild<QWidget *>(namn)->isVisible(), namn);
        QVERIFY(Text("LKo1").isEmpty());
        form_.reset();

        Starta(kKontoplan + "8;10;Projekt\r\n", "AB 2012\r\n1;120101;50;1930;3010;10;Ett\r\n");
        for (const char *namn : {"EditKod", "LabelKod", "LabelKoRubrik", "LKo1"})
            QVERIFY2(form_->findChild<QWidget *>(namn)->isVisible(), namn);
        QCOMPARE(Text("LKo1"), QStringLiteral("10"));
        QCOMPARE(Ruta("Editvernr")->toolTip(), QStringLiteral("Måste vara ett heltal"));
    }

    void theTabOrderRunsThroughTheBoxesThenTheButtons() {
        Starta(kKontoplan + "8;10;Projekt\r\n", "AB 2012\r\n");
        Ruta("EditBelopp")->setText(QStringLiteral("1"));
        const QStringList ordning = {
            "EditDatum", "EditBelopp",  "EditDebit",       "EditKredit",    "EditKod",
            "EditText",  "Buttonnasta", "BitBtntidigare",  "BitBtnsenare",  "BitBtnT",
            "BitBtnE",   "BitBtnOR",    "BitBtnS",         "BitBtnI",       "BitBtnK",
            "BitBtnBD",  "BitBtnKod",   "Edithoppapostnr", "Edithoppavernr"};
        Ruta("Editvernr")->setFocus(Qt::TabFocusReason);
        for (const auto &namn : ordning) {
            Tangent(Qt::Key_Tab);
            QCOMPARE(Fokus()->objectName(), namn);
        }
    }

    // With real message boxes the focus leaves the window and returns with
    // another reason; each message shows once and the next box is entered once.
    void realMessageBoxesShowOnceAndTheNextBoxIsEntered() {
        auto desktop = std::make_unique<ModalSkrivbord>();
        auto *modal = desktop.get();
        modal->filval << QStringLiteral("ab.ftg");
        Starta(kKontoplan, "AB 2012\r\n", std::move(desktop));
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab);
        Tangent(Qt::Key_Tab); // the debit box without an amount
        QCOMPARE(modal->meddelanden.size(), 1);
        QCOMPARE(Farg(Ruta("EditDebit")), kVit);
        QCOMPARE(Farg(Ruta("EditBelopp")), kBla);
        QVERIFY(form_->findChild<QWidget *>("Panelrakna")->isVisible());
        QApplication::setActiveWindow(form_.get());
        QTRY_COMPARE(Fokus(), Ruta("EditBelopp"));

        Skriv(QStringLiteral("100"));
        Tangent(Qt::Key_Tab);
        Skriv(QStringLiteral("4444"));
        Tangent(Qt::Key_Tab); // not in the chart: a message while the focus moves on
        QCOMPARE(modal->meddelanden.size(), 2);
        QCOMPARE(Text("LabelRedHjalp2"),
                 QStringLiteral("Lämna rutan tom om du inte vill kreditera. Tovana kommer att visa "
                                "saldot i konteringen."));
        QCOMPARE(Farg(Ruta("EditKredit")), kBla);
        QApplication::setActiveWindow(form_.get());
        QTRY_COMPARE(Fokus(), Ruta("EditKredit"));
        QCOMPARE(modal->meddelanden.size(), 2);
        QCOMPARE(Farg(Ruta("EditDebit")), kVit);
    }
};

QTEST_MAIN(RedovisapanelTest)
#include "test_redovisapanel.moc"
