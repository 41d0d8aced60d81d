// The main window at start-up: menu state, panel switching, the Enter key, a
// start without a settings file, and where the Manual menu finds its pages.

#include "shell/Manual.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

class TForm1Test : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    std::unique_ptr<TForm1> NyttFonster(Testskrivbord **skrivbord = nullptr) {
        auto desktop = std::make_unique<Testskrivbord>();
        if (skrivbord)
            *skrivbord = desktop.get();
        auto form = std::make_unique<TForm1>(std::move(desktop));
        form->show();
        QApplication::setActiveWindow(form.get());
        return form;
    }

    static int SynligaArbetspaneler(TForm1 &form) {
        int synliga = 0;
        for (const auto &namn : TForm1::Arbetspanelnamn())
            if (form.Panel(namn)->isVisible())
                ++synliga;
        return synliga;
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() { QFile::remove(QStringLiteral("Tovana.farg")); }

    void startsWithOnlyTheAlwaysEnabledItems() {
        auto form = NyttFonster();
        const QStringList pa = {"Skapany1",
                                "Oppna1",
                                "Skapaennyredovisning2",
                                "Oppnared",
                                "oppnaforetag",
                                "farger",
                                "Anvndpunktsomdecimaltecken1",
                                "ImporteraSIE",
                                "lamnatovana",
                                "Kortverion",
                                "Kontoplan",
                                "Redovisning",
                                "foretagM",
                                "Rapporter",
                                "MomsM",
                                "UtskriftM",
                                "SpecialM",
                                "RattelserM",
                                "helamanualen"};
        const QStringList av = {"Nyttkonto1",
                                "Redigera1",
                                "Visa1",
                                "SparasomKplan",
                                "Redovisa",
                                "RedSortera",
                                "sparaforetag",
                                "RapportRes",
                                "RapportBal",
                                "RapportKonto",
                                "Dagbok",
                                "Startsidautskrift",
                                "RRmedKoder",
                                "BRmedkoder",
                                "Dagbokmedkoder",
                                "KollKplan",
                                "HamtaIB",
                                "Oanv",
                                "ExporteraSIE",
                                "Foretagsuppgifter",
                                "RapportPeriod",
                                "Momsrapport",
                                "Momskoder",
                                "Perioder",
                                "Behandlingshistorik"};
        for (const auto &namn : pa) {
            QAction *val = form->Menyval(namn);
            QVERIFY2(val, qPrintable(namn));
            QVERIFY2(val->isEnabled(), qPrintable(namn));
        }
        for (const auto &namn : av) {
            QAction *val = form->Menyval(namn);
            QVERIFY2(val, qPrintable(namn));
            QVERIFY2(!val->isEnabled(), qPrintable(namn));
        }
        QCOMPARE(form->findChild<QLabel *>("LabelAktKplan")->text(),
                 QStringLiteral("Det finns ingen kontoplan"));
        QCOMPARE(form->findChild<QLabel *>("LabelAktRed")->text(),
                 QStringLiteral("Det finns ingen redovisning"));
        QCOMPARE(form->windowTitle().left(35),
                 QStringLiteral("Tovana ver 2, 1 Feb 2012  Support: "));
    }

    void showsExactlyOneWorkPanel() {
        auto form = NyttFonster();
        QCOMPARE(TForm1::Arbetspanelnamn().size(), 21);
        QCOMPARE(SynligaArbetspaneler(*form), 1);
        QVERIFY(form->Panel("Panelvalkommen")->isVisible());
        for (const auto &namn : TForm1::Arbetspanelnamn()) {
            form->VisaArbetspanel(form->Panel(namn));
            QCOMPARE(SynligaArbetspaneler(*form), 1);
            QVERIFY(form->Panel(namn)->isVisible());
        }
        QCOMPARE(form->findChild<QLabel *>("LabelV85")->text(),
                 QStringLiteral("support@tovana.se"));
    }

    void startsWithTheDeliveredColourWithoutASettingsFile() {
        Testskrivbord *desktop = nullptr;
        auto form = NyttFonster(&desktop);
        QVERIFY(desktop->meddelanden.isEmpty());
        QCOMPARE(form->Installningar().Fargtext, std::string("$00EEDADA"));
        QCOMPARE(form->Panel("PanelRR")->palette().color(QPalette::Window),
                 QColor(0xDA, 0xDA, 0xEE));
    }

    void readsTheColourFromTheSettingsFile() {
        QFile fil(QStringLiteral("Tovana.farg"));
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("$000000FF\r\n");
        fil.close();
        auto form = NyttFonster();
        QCOMPARE(form->Panel("PanelFarg")->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    void enterMovesTheFocusWithoutTyping() {
        auto form = NyttFonster();
        auto *panel = form->Panel("PanelSkapaRed");
        form->VisaArbetspanel(panel);
        auto *forsta = new QLineEdit(panel);
        auto *andra = new QLineEdit(panel);
        panel->Innehall()->addWidget(forsta);
        panel->Innehall()->addWidget(andra);
        andra->setText(QStringLiteral("abc"));
        forsta->setFocus();
        QTRY_VERIFY(forsta->hasFocus());
        QTest::keyClicks(forsta, QStringLiteral("12"));
        QTest::keyClick(forsta, Qt::Key_Return);
        QTRY_VERIFY(andra->hasFocus());
        QCOMPARE(forsta->text(), QStringLiteral("12"));
        QCOMPARE(andra->text(), QStringLiteral("abc"));
        QVERIFY(!andra->hasSelectedText());
        QCOMPARE(andra->cursorPosition(), 3);
    }

    void refusesCharactersTheFilesCannotHold() {
        auto form = NyttFonster();
        auto *panel = form->Panel("PanelSkapaRed");
        form->VisaArbetspanel(panel);
        auto *ruta = panel->findChild<QLineEdit *>();
        if (!ruta) {
            ruta = new QLineEdit(panel);
            panel->Innehall()->addWidget(ruta);
            SkyddaInmatningFor(ruta);
        }
        ruta->setFocus();
        // Typed as the keyboard would (QTest::keyClicks handles Latin-1 only).
        for (const QString &tecken :
             {QStringLiteral("Å"), QStringLiteral("s"), QStringLiteral("a"), QStringLiteral(" "),
              QStringLiteral("€"), QString::fromUtf8("\xe2\x88\x9a")}) {
            QKeyEvent tryck(QEvent::KeyPress, 0, Qt::NoModifier, tecken);
            QApplication::sendEvent(ruta, &tryck);
        }
        QCOMPARE(ruta->text(), QStringLiteral("Åsa €"));
    }

    // A name pasted with a line break was written as it stood, and the next open
    // read the rest of it as an account of its own.
    void aLineBreakNeverReachesABox_data() {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<bool>("klistra");
        QTest::addColumn<QString>("fore");
        QTest::addColumn<int>("markor");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("efter");
        QTest::addColumn<int>("markorEfter");
        const QString smuggel = QStringLiteral("Kund\r\n2;2081;Smuggel");
        const QString rensad = QStringLiteral("Kund 2;2081;Smuggel");
        struct Rad {
            const char *ruta;
            bool klistra;
        };
        for (const Rad &rad :
             {Rad{"Editnykplannamn", true}, Rad{"EditAngeRedNamn", false}, Rad{"Knamn", true},
              Rad{"EditKplanRedNamn", false}, Rad{"EditKplannamn", true},
              Rad{"EditAndraRedNamn", true}, Rad{"EditText", false}})
            QTest::addRow("%s %s", rad.ruta, rad.klistra ? "paste" : "insert")
                << QString::fromUtf8(rad.ruta) << rad.klistra << QString() << 0 << smuggel << rensad
                << int(rensad.size());
        // The date box holds 10 characters: a shorter line for it.
        QTest::newRow("EditDatum paste")
            << "EditDatum" << true << QString() << 0 << QStringLiteral("12\r\n03") << "12 03" << 5;
        QTest::newRow("lone CR and LF, each a blank")
            << "Knamn" << true << QString() << 0 << QStringLiteral("a\rb\nc\n\r") << "a b c  " << 7;
        QTest::newRow("into the middle: the cursor after the pasted text")
            << "EditAndraRedNamn" << true << QStringLiteral("AB") << 1
            << QStringLiteral("x\r\ny\r\n") << "Ax y B" << 5;
        QTest::newRow("a character the files cannot hold still refuses the paste")
            << "EditText" << true << QStringLiteral("AB") << 1 << QStringLiteral("x\n\u221a")
            << "AB" << 1;
    }
    void aLineBreakNeverReachesABox() {
        QFETCH(QString, ruta);
        QFETCH(bool, klistra);
        QFETCH(QString, fore);
        QFETCH(int, markor);
        QFETCH(QString, in);
        QFETCH(QString, efter);
        QFETCH(int, markorEfter);
        auto form = NyttFonster();
        auto *box = form->findChild<QLineEdit *>(ruta);
        QVERIFY(box);
        box->setText(fore);
        box->setCursorPosition(markor);
        if (klistra) {
            QApplication::clipboard()->setText(in);
            box->paste();
        } else {
            box->insert(in);
        }
        QCOMPARE(box->text(), efter);
        QCOMPARE(box->cursorPosition(), markorEfter);
    }

    // An installed manual page was never found, and a missing one opened nothing, silently.
    void manualItemsOpenThePageInTheFirstFolderThatHoldsIt_data() {
        QTest::addColumn<QString>("menyval");
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("finnsI"); // the folders (0, 1, 2) that hold the file
        QTest::addColumn<int>("oppnasFran"); // the folder it opens from; -1: a message
        QTest::newRow("everywhere: the current folder's") << "Kortverion"
                                                          << "kortversion.html"
                                                          << "012" << 0;
        QTest::newRow("beside the program and installed: beside the program") << "Kontoplan"
                                                                              << "kontoplan.html"
                                                                              << "12" << 1;
        QTest::newRow("current and installed: the current folder's") << "SpecialM"
                                                                     << "sarskilda.html"
                                                                     << "02" << 0;
        QTest::newRow("installed only") << "Rapporter"
                                        << "rapporter.html"
                                        << "2" << 2;
        QTest::newRow("the whole manual, installed only") << "helamanualen"
                                                          << "manualTovana.pdf"
                                                          << "2" << 2;
        QTest::newRow("nowhere: a message") << "foretagM"
                                            << "foretag.html"
                                            << "" << -1;
        QTest::newRow("the pdf nowhere: a message") << "helamanualen"
                                                    << "manualTovana.pdf"
                                                    << "" << -1;
    }
    void manualItemsOpenThePageInTheFirstFolderThatHoldsIt() {
        QFETCH(QString, menyval);
        QFETCH(QString, fil);
        QFETCH(QString, finnsI);
        QFETCH(int, oppnasFran);
        QTemporaryDir rot;
        QStringList kataloger;
        for (const char *namn : {"arbetskatalog", "programkatalog", "share/tovana/manual"}) {
            kataloger << rot.filePath(QString::fromUtf8(namn));
            QVERIFY(QDir().mkpath(kataloger.back()));
        }
        // A folder of the page's name is no page.
        if (!finnsI.contains('0'))
            QVERIFY(QDir(kataloger[0]).mkdir(fil));
        for (const QChar i : finnsI) {
            QFile sida(QDir(kataloger[i.digitValue()]).filePath(fil));
            QVERIFY(sida.open(QIODevice::WriteOnly));
        }
        Testskrivbord *desktop = nullptr;
        auto form = NyttFonster(&desktop);
        form->SattManualkataloger(kataloger);
        form->Menyval(menyval)->trigger();
        if (oppnasFran >= 0) {
            QCOMPARE(desktop->dokument, QStringList{QDir(kataloger[oppnasFran]).filePath(fil)});
            QCOMPARE(desktop->meddelanden, QStringList());
        } else {
            QCOMPARE(desktop->dokument, QStringList());
            QCOMPARE(desktop->meddelanden,
                     QStringList{QStringLiteral("Manualfilen ") + fil +
                                 QStringLiteral(" finns inte. Programmet letade i:\n") +
                                 kataloger.join('\n')});
        }
    }

    // The window searches the current folder, the program's folder, then the
    // data folders beside the program and of the install prefix.
    void manualFoldersComeFromTheCurrentFolderAndTheProgram() {
        const QString program = QCoreApplication::applicationDirPath();
        QStringList vantade = {
            QDir::currentPath(), program,
            QDir::cleanPath(program + QStringLiteral("/" TOVANA_DATADIR_FRAN_BIN "/manual")),
            QStringLiteral(TOVANA_DATADIR "/manual")};
        vantade.removeDuplicates();
        QCOMPARE(Manualkataloger(), vantade);

        QFile sida(QStringLiteral("kortversion.html"));
        QVERIFY(sida.open(QIODevice::WriteOnly));
        sida.close();
        Testskrivbord *desktop = nullptr;
        auto form = NyttFonster(&desktop);
        form->Menyval("Kortverion")->trigger();
        QFile::remove(QStringLiteral("kortversion.html"));
        QCOMPARE(desktop->dokument,
                 QStringList{QDir(QDir::currentPath()).filePath("kortversion.html")});
    }

private:
    static void SkyddaInmatningFor(QLineEdit *ruta);
};

#include "ui/Inmatning.h"
void TForm1Test::SkyddaInmatningFor(QLineEdit *ruta) {
    SkyddaInmatning(ruta->parentWidget());
}

QTEST_MAIN(TForm1Test)
#include "test_tform1.moc"
