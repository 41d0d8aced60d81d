// "Momsrutor för kontoplanens konton" on the example company: every account
// with its box, a choice saved beside the chart and shown at once, and the
// typed texts that are refused without writing anything.

#include "reports/ui/Rapportfonster.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

using namespace rapporttest;

class MomskodPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    QString Momsfil() const { return katalog_.filePath(QStringLiteral("foretag.kpl.moms")); }

    void Oppna(Fonster &f) {
        f.OppnaForetag(katalog_.filePath(QStringLiteral("kafe.ftg")));
        QVERIFY(f.form->Menyval(QStringLiteral("Momskoder"))->isEnabled());
        f.Meny("Momskoder");
        QVERIFY(f.Synlig("PanelMomskoder"));
    }
    static QString Rad(const Fonster &f, const QString &konto) {
        auto *lista = f.Del<QListWidget>(QStringLiteral("ListBoxMomskoder"));
        for (int i = 0; i < lista->count(); ++i)
            if (lista->item(i)->text().startsWith(konto + QStringLiteral("  ")))
                return lista->item(i)->text();
        return {};
    }
    static void Spara(const Fonster &f, const QString &konto, const QString &ruta) {
        f.Del<QLineEdit>(QStringLiteral("EditMomskodKonto"))->setText(konto);
        f.Del<QLineEdit>(QStringLiteral("EditMomskodRuta"))->setText(ruta);
        f.Tryck("BitBtnMomskodSpara");
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
        KopieraExempel(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() { QFile::remove(Momsfil()); }

    void everyAccountIsListedWithItsBox() {
        Fonster f;
        QVERIFY(!f.form->Menyval(QStringLiteral("Momskoder"))->isEnabled());
        Oppna(f);
        const auto &data = f.form->Data();
        int konton = 0;
        for (int32_t slot = 1; slot <= data.Kontoantal; ++slot)
            konton += data.Konton[static_cast<std::size_t>(slot)].typ <= 7;
        QCOMPARE(f.Del<QListWidget>(QStringLiteral("ListBoxMomskoder"))->count(), konton);
        QVERIFY2(Rad(f, "3010").endsWith(QStringLiteral("  05")), qPrintable(Rad(f, "3010")));
        QVERIFY2(Rad(f, "2640").endsWith(QStringLiteral("  48")), qPrintable(Rad(f, "2640")));
        QVERIFY2(Rad(f, "1930").endsWith(QStringLiteral("  –")), qPrintable(Rad(f, "1930")));

        // Choosing a row puts its account and box in the boxes.
        auto *lista = f.Del<QListWidget>(QStringLiteral("ListBoxMomskoder"));
        lista->setCurrentItem(lista->findItems(Rad(f, "2640"), Qt::MatchExactly).value(0));
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditMomskodKonto"))->text(),
                 QStringLiteral("2640"));
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditMomskodRuta"))->text(), QStringLiteral("48"));
    }

    void aChoiceIsSavedBesideTheChartAndShown() {
        Fonster f;
        Oppna(f);
        Spara(f, QStringLiteral("3010"), QStringLiteral("6"));
        Spara(f, QStringLiteral(" 2640 "), QString());
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
        QFile fil(Momsfil());
        QVERIFY(fil.open(QIODevice::ReadOnly));
        QCOMPARE(fil.readAll(), QByteArray("2640;\r\n3010;06\r\n"));
        QVERIFY(Rad(f, "3010").endsWith(QStringLiteral("  06")));
        QVERIFY(Rad(f, "2640").endsWith(QStringLiteral("  –")));

        // Back to the default table's box: the line goes, and a new window reads the rest.
        Spara(f, QStringLiteral("2640"), QStringLiteral("48"));
        Fonster ny;
        Oppna(ny);
        QVERIFY(Rad(ny, "3010").endsWith(QStringLiteral("  06")));
        QVERIFY(Rad(ny, "2640").endsWith(QStringLiteral("  48")));
    }

    void whatCannotBeSavedIsToldAndNothingIsWritten_data() {
        QTest::addColumn<QString>("konto");
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("meddelande");
        QTest::newRow("no number") << "30x0"
                                   << "05"
                                   << "Skriv kontot som ett kontonummer, till exempel 3010.";
        QTest::newRow("no account") << "3999"
                                    << "05"
                                    << "Konto 3999 finns inte bland kontoplanens konton.";
        QTest::newRow("box 49") << "3010"
                                << "49"
                                << "Ruta 49 finns inte i momsdeklarationen. Skriv en ruta som 05 "
                                   "eller 48, eller lämna rutan tom för ingen ruta.";
    }
    void whatCannotBeSavedIsToldAndNothingIsWritten() {
        QFETCH(QString, konto);
        QFETCH(QString, ruta);
        QFETCH(QString, meddelande);
        Fonster f;
        Oppna(f);
        Spara(f, konto, ruta);
        QCOMPARE(f.skrivbord->meddelanden, QStringList{meddelande});
        QVERIFY(!QFile::exists(Momsfil()));
    }
};

QTEST_MAIN(MomskodPanelTest)
#include "test_momskod_panel.moc"
