// The colour panel: the boxes filled from the colour text, the test surface,
// saving to the settings file, and the decimal-point option.

#include "core/Installningar.h"
#include "core/Taltext.h"
#include "shell/TForm1.h"
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

class FargpanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    Testskrivbord *desktop_ = nullptr;

    std::unique_ptr<TForm1> NyttFonster() {
        auto desktop = std::make_unique<Testskrivbord>();
        desktop_ = desktop.get();
        auto form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
        return form;
    }

    static QLineEdit *Ruta(TForm1 &form, const char *namn) {
        return form.findChild<QLineEdit *>(QString::fromUtf8(namn));
    }

    static void Skriv(TForm1 &form, const QString &r, const QString &g, const QString &b) {
        for (auto [namn, text] : {std::pair{"EditR", r}, {"EditG", g}, {"EditB", b}}) {
            QLineEdit *ruta = Ruta(form, namn);
            ruta->clear();
            QTest::keyClicks(ruta, text);
        }
    }

    static void KlickaTestytan(TForm1 &form) {
        QTest::mouseClick(form.findChild<QWidget *>("TestPanel"), Qt::LeftButton);
    }

    static QColor Testfarg(TForm1 &form) {
        return form.findChild<QWidget *>("TestPanel")->palette().color(QPalette::Window);
    }

    static QByteArray Installningsfil() {
        QFile fil(QStringLiteral("Tovana.farg"));
        if (!fil.open(QIODevice::ReadOnly))
            return "(saknas)";
        return fil.readAll();
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() {
        QFile::remove(QStringLiteral("Tovana.farg"));
        QDir().rmdir(QStringLiteral("Tovana.farg"));
        QFile fil(QStringLiteral("Tovana.farg"));
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("$00EEDADA\r\n");
    }

    void opensWithTheDeliveredColourInTheBoxes() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        QVERIFY(form->Panel("PanelFarg")->isVisible());
        QVERIFY(!form->Panel("Panelvalkommen")->isVisible());
        QCOMPARE(Ruta(*form, "EditR")->text(), QStringLiteral("EE"));
        QCOMPARE(Ruta(*form, "EditG")->text(), QStringLiteral("DA"));
        QCOMPARE(Ruta(*form, "EditB")->text(), QStringLiteral("DA"));
        QCOMPARE(form->findChild<QLabel *>("LabelFargRubrik")->text(),
                 QStringLiteral("Rutin för att ändra bakgrundsfärg i programmet"));
        QCOMPARE(form->findChild<QLabel *>("LabelR")->text(), QStringLiteral("Blått"));
        QCOMPARE(form->findChild<QLabel *>("LabelGult")->text(), QStringLiteral("Grönt"));
        QCOMPARE(form->findChild<QLabel *>("LabelB")->text(), QStringLiteral("Rött"));
        const QStringList memo =
            form->findChild<QPlainTextEdit *>("MemoFarg")->toPlainText().split('\n');
        QCOMPARE(memo.size(), 10);
        QCOMPARE(memo[6],
                 QStringLiteral("Klicka på testytan när du ändrar färgvärden för att se "));
        QCOMPARE(form->findChild<QLabel *>("TestPanel")->text(),
                 QStringLiteral("Klicka här för att visa  inställd färg"));
    }

    void boxesShowCharactersFourToNineOfTheColourText() {
        QFile fil(QStringLiteral("Tovana.farg"));
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("$00123456\r\n");
        fil.close();
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        QCOMPARE(Ruta(*form, "EditR")->text(), QStringLiteral("12"));
        QCOMPARE(Ruta(*form, "EditG")->text(), QStringLiteral("34"));
        QCOMPARE(Ruta(*form, "EditB")->text(), QStringLiteral("56"));
    }

    void whiteIsShownSavedAndGivenToEveryWorkPanel() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        Skriv(*form, "FF", "FF", "FF");
        KlickaTestytan(*form);
        QCOMPARE(Testfarg(*form), QColor(Qt::white));
        // Tried on the test surface but not yet saved: the panels keep their colour.
        QCOMPARE(form->Panel("PanelRR")->palette().color(QPalette::Window),
                 QColor(0xDA, 0xDA, 0xEE));
        QCOMPARE(Installningsfil(), QByteArray("$00EEDADA\r\n"));

        form->findChild<QPushButton *>("BitBtnFargSpara")->click();
        QCOMPARE(Installningsfil(), QByteArray("$00FFFFFF\r\n"));
        QCOMPARE(desktop_->meddelanden, QStringList{QStringLiteral("Bakgrundsfärgen är ändrad")});
        QCOMPARE(TForm1::Arbetspanelnamn().size(), 21);
        for (const auto &namn : TForm1::Arbetspanelnamn())
            QVERIFY2(form->Panel(namn)->palette().color(QPalette::Window) == QColor(Qt::white),
                     qPrintable(namn));
        QVERIFY(form->Panel("PanelRedRedigera"));
        QVERIFY(form->Panel("Paneloanvandakonton"));
    }

    void coloursFollowBlueGreenRedOrder() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        Skriv(*form, "00", "00", "FF");
        KlickaTestytan(*form);
        QCOMPARE(Testfarg(*form), QColor(255, 0, 0));
        Skriv(*form, "ff", "80", "00");
        KlickaTestytan(*form);
        QCOMPARE(Testfarg(*form), QColor(0, 0x80, 0xFF));
        QCOMPARE(form->Installningar().Fargtext, std::string("$00ff8000"));
    }

    // A box of one digit saved "$00FFFFF", read back as another colour than shown.
    void aBoxOfOneDigitMeansThatDigitWithALeadingZero() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        Skriv(*form, "F", "8", "FF");
        KlickaTestytan(*form);
        QCOMPARE(Testfarg(*form), QColor(0xFF, 0x08, 0x0F));
        form->findChild<QPushButton *>("BitBtnFargSpara")->click();
        QCOMPARE(Installningsfil(), QByteArray("$000F08FF\r\n"));
        tovana::Installningsdata igen;
        tovana::LasInstallningar(igen);
        QCOMPARE(igen.Bakgrundsfarg, form->Installningar().Bakgrundsfarg);
        form->Menyval("farger")->trigger();
        QCOMPARE(Ruta(*form, "EditR")->text(), QStringLiteral("0F"));
    }

    void aBadDigitKeepsThePreviousColour() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        Skriv(*form, "00", "00", "FF");
        KlickaTestytan(*form);
        Skriv(*form, "ZZ", "FF", "FF");
        KlickaTestytan(*form);
        QCOMPARE(desktop_->meddelanden,
                 QStringList{QStringLiteral("'$00ZZFFFF' is not a valid integer value")});
        QCOMPARE(Testfarg(*form), QColor(255, 0, 0));
        QCOMPARE(form->Installningar().Fargtext, std::string("$000000FF"));

        form->findChild<QPushButton *>("BitBtnFargSpara")->click();
        QCOMPARE(Installningsfil(), QByteArray("$000000FF\r\n"));
        QCOMPARE(form->Panel("PanelIB")->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    void savingWithoutTryingUsesTheColourLastShown() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        Skriv(*form, "11", "22", "33");
        form->findChild<QPushButton *>("BitBtnFargSpara")->click();
        QCOMPARE(Installningsfil(), QByteArray("$00EEDADA\r\n"));
        QCOMPARE(form->Panel("PanelSortera")->palette().color(QPalette::Window),
                 QColor(0xDA, 0xDA, 0xEE));
    }

    void aFailedSaveIsReportedAndNotCalledASuccess() {
        auto form = NyttFonster();
        form->Menyval("farger")->trigger();
        QVERIFY(QFile::remove(QStringLiteral("Tovana.farg")));
        QVERIFY(QDir().mkdir(QStringLiteral("Tovana.farg")));
        Skriv(*form, "FF", "FF", "FF");
        KlickaTestytan(*form);
        form->findChild<QPushButton *>("BitBtnFargSpara")->click();
        QCOMPARE(desktop_->meddelanden.size(), 1);
        QVERIFY(desktop_->meddelanden[0] != QStringLiteral("Bakgrundsfärgen är ändrad"));
        // The panels were coloured before the file was written.
        QCOMPARE(form->Panel("PanelRR")->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void theDecimalOptionOnlyRecordsTheWord() {
        auto form = NyttFonster();
        QCOMPARE(form->Installningar().Decimalord, std::string("komma"));
        const auto fore = form->Installningar().Fargtext;
        form->Menyval("Anvndpunktsomdecimaltecken1")->trigger();
        QCOMPARE(form->Installningar().Decimalord, std::string("punkt"));
        QCOMPARE(form->Installningar().Fargtext, fore);
        QVERIFY(form->Panel("Panelvalkommen")->isVisible());
        QVERIFY(desktop_->meddelanden.isEmpty());
        QVERIFY(form->Menyval("Anvndpunktsomdecimaltecken1")->isEnabled());
        // Numbers keep the decimal comma.
        QCOMPARE(tovana::Beloppstext(1.5), std::string("1,50"));
        QCOMPARE(tovana::TextTillBelopp("2,25"), 2.25);
    }
};

QTEST_MAIN(FargpanelTest)
#include "test_fargpanel.moc"
