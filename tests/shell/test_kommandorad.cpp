// The command line: help, version, one file, and the errors, as a table; and
// a file named at start-up opening through the menu's own commands.

#include "shell/Kommandorad.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class KommandoradTest : public QObject {
    Q_OBJECT

private slots:
    void classifiesTheArguments_data() {
        QTest::addColumn<QStringList>("argument");
        QTest::addColumn<int>("slag");
        QTest::addColumn<QString>("fil");
        using S = Kommandorad::Slag;
        QTest::newRow("nothing") << QStringList{} << int(S::Starta) << QString();
        QTest::newRow("-h") << QStringList{"-h"} << int(S::Hjalp) << QString();
        QTest::newRow("--help after a file")
            << QStringList{"a.ftg", "--help"} << int(S::Hjalp) << QString();
        QTest::newRow("--version") << QStringList{"--version"} << int(S::Version) << QString();
        QTest::newRow("a company") << QStringList{"kafe.ftg"} << int(S::Fil) << "kafe.ftg";
        QTest::newRow("a name with spaces") << QStringList{"/hem/mitt företag/år 1.red"}
                                            << int(S::Fil) << "/hem/mitt företag/år 1.red";
        QTest::newRow("-- before a dashed name")
            << QStringList{"--", "-konstig.kpl"} << int(S::Fil) << "-konstig.kpl";
        QTest::newRow("--help after --") << QStringList{"--", "--help"} << int(S::Fil) << "--help";
        QTest::newRow("an unknown option") << QStringList{"--bogus"} << int(S::Fel) << QString();
        QTest::newRow("Qt's options stepped over")
            << QStringList{"-platform", "offscreen", "-style=Fusion", "-reverse", "a.red"}
            << int(S::Fil) << "a.red";
        QTest::newRow("an unknown option among Qt's")
            << QStringList{"--platform", "offscreen", "--bogus"} << int(S::Fel) << QString();
        QTest::newRow("two files") << QStringList{"a.kpl", "b.red"} << int(S::Fel) << QString();
    }
    void classifiesTheArguments() {
        QFETCH(QStringList, argument);
        QFETCH(int, slag);
        QFETCH(QString, fil);
        const Kommandorad rad = TolkaKommandorad(argument);
        QCOMPARE(int(rad.slag), slag);
        QCOMPARE(rad.fil, fil);
        QCOMPARE(rad.fel.isEmpty(), rad.slag != Kommandorad::Slag::Fel);
    }

    void theVersionComesFromTheBuild() {
        QVERIFY(QRegularExpression(QStringLiteral("^Tovana \\d+\\.\\d+(\\.\\d+)*\\n$"))
                    .match(Versionstext())
                    .hasMatch());
        QVERIFY(Hjalptext().startsWith(QStringLiteral("Användning: tovana")));
    }

    void opensByExtensionAsTheMenuDoes() {
        QTemporaryDir katalog;
        const QString kpl = katalog.filePath("plan.kpl");
        QFile fil(kpl);
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("Plan\r\n1;1510;Kundfordringar\r\n");
        fil.close();
        auto *skrivbord = new Testskrivbord;
        TForm1 form{std::unique_ptr<Skrivbord>(skrivbord)};
        form.OppnaFil(kpl);
        QCOMPARE(form.Data().Kontoplanfil, kpl.toStdString());
        QVERIFY(skrivbord->forval.isEmpty()); // no dialog
        // The next dialog starts beside the open chart.
        form.Menyval(QStringLiteral("Oppna1"))->trigger();
        QCOMPARE(skrivbord->mappar, QStringList{katalog.path()});

        // A missing file gives the menu command's message; an unknown kind its own.
        form.OppnaFil(katalog.filePath("saknas.red"));
        form.OppnaFil(katalog.filePath("brev.txt"));
        QCOMPARE(skrivbord->meddelanden.size(), 2);
        QVERIFY(skrivbord->meddelanden[1].contains(QStringLiteral("brev.txt")));
    }
};

QTEST_MAIN(KommandoradTest)
#include "test_kommandorad.moc"
