// The limits of the boxes whose text is stored: each holds no more than its
// limit however the text arrives.

#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Inmatning.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class InmatningTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    // A post text of 200 characters was appended whole and cut to 100 on the next
    // read; an account name of 118 characters was stored as 80 while the panel
    // said it was changed; a date typed 2026-03-15 was read back as "2026-03-".
    void everyStoredBoxHoldsNoMoreThanItsLimit_data() {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<int>("grans");
        struct Rad {
            const char *ruta;
            int grans;
        };
        for (const Rad &rad :
             {Rad{"Editnykplannamn", 80}, Rad{"EditKplannamn", 80}, Rad{"Knamn", 80},
              Rad{"EditKplanRedNamn", 80}, Rad{"EditAngeRedNamn", 80}, Rad{"EditAndraRedNamn", 80},
              Rad{"EditText", 100}, Rad{"EditAndraText", 100}, Rad{"EditDatum", 10},
              Rad{"EditAndraDatum", 10}, Rad{"EditIBdatum", 10}})
            QTest::newRow(rad.ruta) << QString::fromUtf8(rad.ruta) << rad.grans;
    }
    void everyStoredBoxHoldsNoMoreThanItsLimit() {
        QFETCH(QString, ruta);
        QFETCH(int, grans);
        TForm1 form(std::make_unique<Testskrivbord>());
        auto *box = form.findChild<QLineEdit *>(ruta);
        QVERIFY(box);
        const QString lang = QString(grans + 20, u'å');

        QApplication::clipboard()->setText(lang);
        box->paste();
        QCOMPARE(box->text(), QString(grans, u'å'));
        // A paste into a full box adds nothing.
        box->paste();
        QCOMPARE(box->text().size(), grans);

        box->clear();
        box->insert(lang);
        QCOMPARE(box->text().size(), grans);
        box->setText(lang);
        QCOMPARE(box->text().size(), grans);

        box->clear();
        QTest::keyClicks(box, QString(grans + 3, u'x'));
        QCOMPARE(box->text(), QString(grans, u'x'));
    }

    void theDateBoxesTakeTheDashedFormWhole() {
        TForm1 form(std::make_unique<Testskrivbord>());
        for (const char *namn : {"EditDatum", "EditAndraDatum", "EditIBdatum"}) {
            auto *box = form.findChild<QLineEdit *>(namn);
            QVERIFY2(box, namn);
            QTest::keyClicks(box, QStringLiteral("2026-03-15"));
            QCOMPARE(box->text(), QStringLiteral("2026-03-15"));
        }
    }

    // A box renamed without its limit would silently lose it.
    void everyLimitNamesABoxOfTheWindow() {
        TForm1 form(std::make_unique<Testskrivbord>());
        for (const Langdgrans &grans : Langdgranser()) {
            const auto boxar = form.findChildren<QLineEdit *>(QString::fromUtf8(grans.ruta));
            QVERIFY2(boxar.size() == 1, grans.ruta);
            QCOMPARE(boxar.front()->maxLength(), grans.tecken);
        }
    }
};

QTEST_MAIN(InmatningTest)
#include "test_inmatning.moc"
