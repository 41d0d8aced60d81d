// Browsing, changing and deleting posts driven as the user drives them: the
// paging buttons and jump boxes of the entry panel, a double-click on a post
// number, the editing panel's boxes and buttons, checked by the rows shown and
// the bytes of the ledger file.

#include "shell/TForm1.h"
#include "support/Testfiler.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace {

const QByteArray kKontoplan = "AB:s kontoplan\r\n"
                              "1;1930;Bank\r\n"
                              "5;3010;F\xF6rs\xE4ljning\r\n"
                              "8;8001;Projekt\r\n";

// Post i: verification number i (posts 3 and 7 both carry 50), amount 10 * i.
QByteArray Redovisning(int antal) {
    QByteArray bytes = "AB 2012\r\n";
    for (int i = 1; i <= antal; ++i) {
        const int vernr = (i == 3 || i == 7) ? 50 : i;
        bytes += QByteArray::number(vernr) + ";1201;" + QByteArray::number(10 * i) +
                 ";1930;3010;0;Post " + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}

// Makes a folder immutable (chattr +i) for as long as it lives.
struct Oforanderlig {
    std::string mapp;
    bool satt = false;
    explicit Oforanderlig(std::string m) : mapp(std::move(m)) {
        satt = std::system(("chattr +i '" + mapp + "' 2>/dev/null").c_str()) == 0;
    }
    ~Oforanderlig() {
        if (satt && std::system(("chattr -i '" + mapp + "'").c_str()) != 0)
            qWarning("could not lift chattr +i from %s", mapp.c_str());
    }
};

} // namespace

class PostandringTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    std::unique_ptr<TForm1> form_;
    Testskrivbord *skrivbord_ = nullptr;

    // Opens the company of a chart and a ledger of `antal` posts.
    void Starta(int antal, const QByteArray &redovisning = {}) {
        SkrivFil(QStringLiteral("ab.kpl"), kKontoplan);
        SkrivFil(QStringLiteral("ab.red"),
                 redovisning.isEmpty() ? Redovisning(antal) : redovisning);
        SkrivFil(QStringLiteral("ab.ftg"), "ab.kpl\r\nab.red\r\n");
        auto desktop = std::make_unique<Testskrivbord>();
        skrivbord_ = desktop.get();
        desktop->filval.push_back(QStringLiteral("ab.ftg"));
        form_ = std::make_unique<TForm1>(std::move(desktop));
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        form_->Menyval(QStringLiteral("oppnaforetag"))->trigger();
        QVERIFY(form_->Panel(QStringLiteral("PanelRedovisa"))->isVisible());
    }

    template <typename T = QWidget> T *W(const char *namn) {
        auto *w = form_->findChild<T *>(QString::fromUtf8(namn));
        if (!w)
            qFatal("no control %s", namn);
        return w;
    }
    QLineEdit *Ruta(const char *namn) { return W<QLineEdit>(namn); }
    QString Text(const QString &namn) { return W<QLabel>(namn.toUtf8().constData())->text(); }
    // The post-number column, rows 1..6.
    QStringList Postnummer() {
        QStringList kolumn;
        for (int r = 1; r <= 6; ++r)
            kolumn << Text(QStringLiteral("LP%1").arg(r));
        return kolumn;
    }
    void Klicka(const char *namn) { QTest::mouseClick(W<QPushButton>(namn), Qt::LeftButton); }
    void Dubbelklicka(int rad) {
        QTest::mouseDClick(W<QLabel>(QStringLiteral("LP%1").arg(rad).toUtf8().constData()),
                           Qt::LeftButton);
    }
    void Skriv(const char *namn, const QString &text) {
        auto *ruta = Ruta(namn);
        ruta->setFocus(Qt::MouseFocusReason);
        ruta->selectAll();
        for (const QChar tecken : text) {
            if (tecken.unicode() < 0x80)
                QTest::keyClick(ruta, tecken.toLatin1());
            else // no key for it on the test keyboard: typed as text
                ruta->insert(tecken);
        }
    }
    bool Redigeras() { return form_->Panel(QStringLiteral("PanelRedRedigera"))->isVisible(); }
    QStringList &Meddelanden() { return skrivbord_->meddelanden; }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void cleanup() { form_.reset(); }

    void pagesBackAndForwardSixPostsAtATime() {
        Starta(14);
        const QStringList nyaste{"[14]", "[13]", "[12]", "[11]", "[10]", "[9]"};
        QCOMPARE(Postnummer(), nyaste);
        Skriv("Edithoppapostnr", QStringLiteral("4"));
        Klicka("BitBtntidigare");
        QCOMPARE(Ruta("Edithoppapostnr")->text(), QString());
        QCOMPARE(Postnummer(), (QStringList{"[8]", "[7]", "[6]", "[5]", "[4]", "[3]"}));
        QCOMPARE(Text("LB1"), QStringLiteral("80,00"));
        Klicka("BitBtntidigare");
        const QStringList aldsta{"[2]", "[1]", "", "", "", ""};
        QCOMPARE(Postnummer(), aldsta);
        QCOMPARE(Text("LT3"), QString());
        Klicka("BitBtntidigare");
        QCOMPARE(Postnummer(), aldsta);
        Klicka("BitBtnsenare");
        Klicka("BitBtnsenare");
        QCOMPARE(Postnummer(), nyaste);
        Klicka("BitBtnsenare");
        QCOMPARE(Postnummer(), nyaste);
        QCOMPARE(Meddelanden(), QStringList());
    }

    void jumpsToAPostOrAVerificationNumber() {
        Starta(40);
        Skriv("Edithoppapostnr", QStringLiteral("5"));
        QCOMPARE(Postnummer(), (QStringList{"[5]", "[4]", "[3]", "[2]", "[1]", ""}));
        Skriv("Edithoppapostnr", QStringLiteral("999"));
        QCOMPARE(Postnummer(), (QStringList{"[40]", "[39]", "[38]", "[37]", "[36]", "[35]"}));
        Skriv("Edithoppavernr", QStringLiteral("50"));
        QCOMPARE(Text("LP1"), QStringLiteral("[7]"));
        QCOMPARE(Text("LV1"), QStringLiteral("50"));
        Skriv("Edithoppavernr", QStringLiteral("77"));
        QCOMPARE(Text("LP1"), QStringLiteral("[40]"));
        QCOMPARE(Meddelanden(), QStringList());

        Skriv("Edithoppapostnr", QStringLiteral("x"));
        QCOMPARE(Meddelanden(), QStringList{"'x' is not a valid integer value"});
        QCOMPARE(Text("LP1"), QStringLiteral("[40]"));
    }

    void changesThePostOfTheDoubleClickedRow() {
        Starta(14);
        Dubbelklicka(2);
        QVERIFY(Redigeras());
        QVERIFY(!form_->Panel(QStringLiteral("PanelRedovisa"))->isVisible());
        QCOMPARE(Ruta("EditAndraVernr")->text(), QStringLiteral("13"));
        QCOMPARE(Ruta("EditAndraDatum")->text(), QStringLiteral("1201"));
        QCOMPARE(Ruta("EditAndrabelopp")->text(), QStringLiteral("130"));
        QCOMPARE(Ruta("EditAndradebet")->text(), QStringLiteral("1930"));
        QCOMPARE(Ruta("EditAndraKredit")->text(), QStringLiteral("3010"));
        QCOMPARE(Ruta("EditAndraKod")->text(), QStringLiteral("0"));
        QCOMPARE(Ruta("EditAndraText")->text(), QStringLiteral("Post 13"));
        QCOMPARE(Ruta("EditAndraRedNamn")->text(), QStringLiteral("AB 2012"));

        // Entering an account box lists the whole chart, codes included.
        auto *lista = W<QListWidget>("ListBoxvisaKplanRedRed");
        QCOMPARE(lista->count(), 0);
        Skriv("EditAndradebet", QStringLiteral("0"));
        QCOMPARE(lista->count(), 3);
        QCOMPARE(lista->item(1)->text(), QStringLiteral("3010 Försäljning"));

        Skriv("EditAndrabelopp", QStringLiteral("1250,50"));
        Skriv("EditAndraDatum", QStringLiteral("2012-03-15"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden(), QStringList());
        QCOMPARE(Text("LabelAndraRedBesked"),
                 QStringLiteral("Den aktuella posten är ändrad. Använd menyerna ovan för fortsatt "
                                "arbete."));
        QVERIFY(W<QPushButton>("BitBtnAndraSpara")->isHidden());
        QVERIFY(W<QPushButton>("BitBtnRedAndraRadera")->isHidden());
        QCOMPARE(lista->count(), 0);
        QByteArray vantat = Redovisning(14);
        vantat.replace("13;1201;130;1930;3010;0;Post 13", "13;20120315;1250,5;0;3010;0;Post 13");
        QCOMPARE(Las(QStringLiteral("ab.red")), vantat);

        // The entry panel shows the change when it is opened again.
        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        QCOMPARE(Text("LB2"), QStringLiteral("1 250,50"));
        QCOMPARE(Text("LD2"), QStringLiteral("0"));
        QCOMPARE(Text("LabelSaldo"), QStringLiteral("Kreditsaldo 1250,5"));
    }

    void refusesAnAccountNotInTheChartAndABadAmount() {
        Starta(3);
        const QByteArray fore = Las(QStringLiteral("ab.red"));
        Dubbelklicka(1);
        Skriv("EditAndraKod", QStringLiteral("1930")); // any account passes as a code
        Skriv("EditAndraKredit", QStringLiteral("3011"));
        Skriv("EditAndradebet", QStringLiteral("1931"));
        W<QListWidget>("ListBoxvisaKplanRedRed")->clear();
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden(), QStringList{"Kontonumret i debetrutan finns inte i kontoplanen. "
                                            "Spararutinen avbryts"});
        QApplication::setActiveWindow(form_.get());
        QCOMPARE(form_->focusWidget(), Ruta("EditAndradebet"));
        QCOMPARE(W<QListWidget>("ListBoxvisaKplanRedRed")->count(), 3);

        Skriv("EditAndradebet", QStringLiteral("1930"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden().last(), QStringLiteral("Kontonumret i kreditrutan finns inte i "
                                                      "kontoplanen. Spararutinen avbryts"));
        QCOMPARE(form_->focusWidget(), Ruta("EditAndraKredit"));

        Skriv("EditAndraKredit", QStringLiteral("3010"));
        Skriv("EditAndrabelopp", QStringLiteral("1.5"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden().last(), QStringLiteral("'1.5' is not a valid floating point value"));
        QCOMPARE(Las(QStringLiteral("ab.red")), fore);
        QCOMPARE(Text("LabelAndraRedBesked"), QString());
        QVERIFY(!W<QPushButton>("BitBtnAndraSpara")->isHidden());

        Skriv("EditAndrabelopp", QStringLiteral("7"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden().size(), 3);
        QVERIFY(Las(QStringLiteral("ab.red")).endsWith("\r\n50;1201;7;1930;3010;1930;Post 3\r\n"));
    }

    // A date changed to any text was saved, cut to its first 8 characters.
    void refusesADateChangedToATextThatIsNoDate() {
        Starta(3);
        const QByteArray fore = Las(QStringLiteral("ab.red"));
        Dubbelklicka(1);
        Skriv("EditAndraDatum", QStringLiteral("2012-02-30"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden(), QStringList{QStringLiteral("Datumet kan inte läsas. Skriv det som "
                                                           "ÅÅMMDD, ÅÅÅÅMMDD eller ÅÅÅÅ-MM-DD.")});
        QApplication::setActiveWindow(form_.get());
        QCOMPARE(form_->focusWidget(), Ruta("EditAndraDatum"));
        QCOMPARE(Las(QStringLiteral("ab.red")), fore);
        QVERIFY(!W<QPushButton>("BitBtnAndraSpara")->isHidden());

        // The stored "1201" left as it is passes; so does a date the rule reads.
        Skriv("EditAndraDatum", QStringLiteral("1201"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden().size(), 1);
        Dubbelklicka(1);
        Skriv("EditAndraDatum", QStringLiteral("120229"));
        Klicka("BitBtnAndraSpara");
        QCOMPARE(Meddelanden().size(), 1);
        QVERIFY(Las(QStringLiteral("ab.red")).endsWith("\r\n50;120229;30;1930;3010;0;Post 3\r\n"));
    }

    void deletesAPostAndKeepsTheOthersNumbers() {
        Starta(9);
        Skriv("Edithoppapostnr", QStringLiteral("5"));
        Dubbelklicka(1);
        QCOMPARE(Ruta("EditAndraText")->text(), QStringLiteral("Post 5"));
        Klicka("BitBtnRedAndraRadera");
        QCOMPARE(Meddelanden(), QStringList());
        QCOMPARE(Text("LabelAndraRedBesked"),
                 QStringLiteral("Den aktuella posten är raderad. Använd menyerna ovan för fortsatt "
                                "arbete."));
        QVERIFY(W<QPushButton>("BitBtnRedAndraRadera")->isHidden());
        QByteArray vantat = Redovisning(9);
        vantat.replace("5;1201;50;1930;3010;0;Post 5\r\n", "");
        QCOMPARE(Las(QStringLiteral("ab.red")), vantat);

        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        QCOMPARE(Postnummer(), (QStringList{"[8]", "[7]", "[6]", "[5]", "[4]", "[3]"}));
        QCOMPARE(Text("LT4"), QStringLiteral("Post 6"));
        QCOMPARE(Text("LV4"), QStringLiteral("6"));
    }

    void deletingTheOnlyPostLeavesAnEmptyLedgerThatOpensNothing() {
        Starta(1);
        Dubbelklicka(1);
        Klicka("BitBtnRedAndraRadera");
        QCOMPARE(Las(QStringLiteral("ab.red")), QByteArray("AB 2012\r\n"));
        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        QCOMPARE(Text("LP1"), QString());
        QVERIFY(!W<QLabel>("LabelSaldo")->isVisible());
        Dubbelklicka(1); // an empty row opens nothing
        QVERIFY(!Redigeras());

        // Opening the ledger shows the zero slot, which opens nothing either.
        skrivbord_->filval.push_back(QStringLiteral("ab.red"));
        form_->Menyval(QStringLiteral("Oppnared"))->trigger();
        QCOMPARE(Text("LP1"), QStringLiteral("[0]"));
        Dubbelklicka(1);
        QVERIFY(!Redigeras());
        QCOMPARE(Meddelanden(), QStringList());
    }

    void renamesTheLedger() {
        Starta(2);
        Dubbelklicka(1);
        Skriv("EditAndraRedNamn", QStringLiteral("Bokföring 2012"));
        Klicka("BitBtnSparaRedNamn");
        QCOMPARE(Text("LabelAndraRedNamnBesked"),
                 QStringLiteral("Redovisningens interna namn är ändrat. Använd menyerna ovan för "
                                "fortsatt arbete."));
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("Bokföring 2012"));
        QByteArray vantat = Redovisning(2);
        vantat.replace("AB 2012", "Bokf\xF6ring 2012");
        QCOMPARE(Las(QStringLiteral("ab.red")), vantat);
        // The post buttons stay: the post can still be saved after the rename.
        QVERIFY(!W<QPushButton>("BitBtnAndraSpara")->isHidden());
    }

    // A failed rewrite showed the change in memory though the file kept the old ledger.
    void aFailedRewriteChangesNeitherFileNorLedger() {
        Starta(3);
        const QByteArray fore = Las(QStringLiteral("ab.red"));
        Dubbelklicka(1);
        Skriv("EditAndrabelopp", QStringLiteral("999"));
        Skriv("EditAndraRedNamn", QStringLiteral("Nytt"));
        {
            const Oforanderlig las(katalog_.path().toStdString());
            if (!las.satt)
                QSKIP("chattr +i is not available here");
            Klicka("BitBtnAndraSpara");
            Klicka("BitBtnRedAndraRadera");
            Klicka("BitBtnSparaRedNamn");
        }
        QCOMPARE(Meddelanden().size(), 3);
        // The change log, written first, is what fails.
        QVERIFY(Meddelanden().first().startsWith(
            QStringLiteral("Behandlingshistoriken kunde inte skrivas, så ingenting ändrades.\n"
                           "Åtkomst nekad: du har inte behörighet till filen.")));
        QCOMPARE(Las(QStringLiteral("ab.red")), fore);
        QCOMPARE(Text("LabelAndraRedBesked"), QString());
        QCOMPARE(Text("LabelAndraRedNamnBesked"), QString());
        QCOMPARE(Text("LabelAktRed"), QStringLiteral("AB 2012"));
        QCOMPARE(form_->Data().Postantal, 3);
        QCOMPARE(form_->Data().Poster[3].belopp, 30.0);

        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        QCOMPARE(Text("LB1"), QStringLiteral("30,00"));
    }

    void correctsAPostOfAClosedPeriodByACorrectionVerification() {
        Starta(0, "AB 2026\r\n12;20260302;1250;1930;3010;0;Kassa\r\n"
                  "13;20260303;100;1930;3010;0;Bank\r\n");
        form_->Data().StangdTom = tovana::Datum{2026, 3, 2};
        Dubbelklicka(2); // post 1, the older of the two
        QVERIFY(Redigeras());
        // Saving changed and deleting are gone for it; only the correction is left.
        QVERIFY(!W<QPushButton>("BitBtnAndraSpara")->isVisible());
        QVERIFY(!W<QPushButton>("BitBtnRedAndraRadera")->isVisible());
        QVERIFY(W<QPushButton>("BitBtnRatta")->isVisible());
        QCOMPARE(W<QPushButton>("BitBtnRatta")->text(),
                 QStringLiteral("Rätta med rättelseverifikation"));
        QVERIFY(
            Text(QStringLiteral("LabelAndraRedBesked")).contains(QStringLiteral("stängd period")));
        QCOMPARE(Text(QStringLiteral("LabelRattadGenom")), QString());
        Skriv("EditAndrabelopp", QStringLiteral("1520"));
        Klicka("BitBtnRatta");
        QVERIFY(Meddelanden().isEmpty());
        const QDate idag = QDate::currentDate();
        const QByteArray datum = idag.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        QCOMPARE(Las(QStringLiteral("ab.red")),
                 QByteArray("AB 2026\r\n12;20260302;1250;1930;3010;0;Kassa\r\n"
                            "13;20260303;100;1930;3010;0;Bank\r\n"
                            "14;") +
                     datum +
                     ";1250;3010;1930;0;R\xE4ttelse av ver 12: Kassa\r\n"
                     "14;" +
                     datum + ";1520;1930;3010;0;Kassa\r\n");
        QCOMPARE(Text(QStringLiteral("LabelRattadGenom")), QStringLiteral("Rättad genom ver 14"));
        QVERIFY(QFile::exists(QStringLiteral("ab.red.logg")));
        // Opened again, the post tells its correction; a post of the open period
        // keeps every button.
        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        Dubbelklicka(4);
        QCOMPARE(Ruta("EditAndraVernr")->text(), QStringLiteral("12"));
        QCOMPARE(Text(QStringLiteral("LabelRattadGenom")), QStringLiteral("Rättad genom ver 14"));
        Dubbelklicka(3);
        QCOMPARE(Ruta("EditAndraVernr")->text(), QStringLiteral("13"));
        QVERIFY(W<QPushButton>("BitBtnAndraSpara")->isVisible());
        QVERIFY(W<QPushButton>("BitBtnRatta")->isVisible());
        QCOMPARE(Text(QStringLiteral("LabelRattadGenom")), QString());
    }
};

QTEST_MAIN(PostandringTest)
#include "test_postandring_panel.moc"
