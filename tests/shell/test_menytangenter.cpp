// The menu from the keyboard: each menu and item has a key letter of its own
// within its menu, the captions show unchanged, Alt with a menu's letter opens
// it, the item's letter picks the item, and F10 opens the first menu.

#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

class MenytangenterTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    static std::unique_ptr<TForm1> NyttFonster() {
        auto form = std::make_unique<TForm1>(std::make_unique<Testskrivbord>());
        form->show();
        QApplication::setActiveWindow(form.get());
        return form;
    }

    // The key letter of a caption, upper case: the character after the single
    // "&" ("&&" shows an "&"); empty when there is none.
    static QString Tangent(const QString &text) {
        QString tangent;
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != QLatin1Char('&'))
                continue;
            if (text[i + 1] != QLatin1Char('&')) {
                if (!tangent.isEmpty())
                    return QStringLiteral("två");
                tangent = text[i + 1].toUpper();
            }
            ++i;
        }
        return tangent;
    }

    // Every key letter of the actions is there and differs from the others.
    static void Olika(const QList<QAction *> &val, const QString &var) {
        QStringList tagna;
        for (QAction *a : val) {
            if (a->isSeparator())
                continue;
            const QString tangent = Tangent(a->text());
            QVERIFY2(tangent.size() == 1, qPrintable(var + QLatin1Char(' ') + a->text()));
            QVERIFY2(!tagna.contains(tangent), qPrintable(var + QLatin1Char(' ') + a->text()));
            tagna << tangent;
        }
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void everyMenuAndItemHasAKeyOfItsOwn() {
        auto form = NyttFonster();
        QMenuBar *rad = form->menuBar();
        Olika(rad->actions(), QStringLiteral("menyraden"));
        QStringList rubriker;
        for (QAction *meny : rad->actions()) {
            rubriker << meny->iconText();
            Olika(meny->menu()->actions(), meny->iconText());
        }
        // The captions show as they always did, without the marks.
        QCOMPARE(rubriker, (QStringList{"Kontoplan", "Redovisning", "Rapporter", "Företag",
                                        "Utskrifter", "Special", "Avsluta", "Manual"}));
        QCOMPARE(form->Menyval(QStringLiteral("SparasomKplan"))->iconText(),
                 QStringLiteral("Spara som"));
        QCOMPARE(form->Menyval(QStringLiteral("farger"))->iconText(),
                 QStringLiteral("Ändra bakgrundsfärg"));
        QCOMPARE(form->Menyval(QStringLiteral("helamanualen"))->iconText(),
                 QStringLiteral("Visa hela manualen som pdf-fil"));
    }

    void altOpensAMenuAndTheLetterPicksTheItem_data() {
        QTest::addColumn<int>("meny");
        QTest::addColumn<QString>("menynamn");
        QTest::addColumn<int>("tangent");
        QTest::addColumn<QString>("bokstav");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Alt+K, S") << int(Qt::Key_K) << "MenyKontoplan" << int(Qt::Key_S) << "s"
                                  << "Panelnykontoplan";
        QTest::newRow("Alt+S, Ä") << int(Qt::Key_S) << "MenySpecial" << int(Qt::Key_Adiaeresis)
                                  << "ä"
                                  << "PanelFarg";
        QTest::newRow("Alt+R, S") << int(Qt::Key_R) << "MenyRedovisning" << int(Qt::Key_S) << "s"
                                  << "PanelSkapaRed";
    }
    void altOpensAMenuAndTheLetterPicksTheItem() {
        QFETCH(int, meny);
        QFETCH(QString, menynamn);
        QFETCH(int, tangent);
        QFETCH(QString, bokstav);
        QFETCH(QString, panel);
        auto form = NyttFonster();
        QTest::keyClick(form.get(), static_cast<Qt::Key>(meny), Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), menynamn);
        QTest::sendKeyEvent(QTest::Click, QApplication::activePopupWidget(),
                            static_cast<Qt::Key>(tangent), bokstav, Qt::NoModifier);
        QTRY_VERIFY(form->Panel(panel)->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
    }

    void f10OpensTheFirstMenu() {
        auto form = NyttFonster();
        QTest::keyClick(form.get(), Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("MenyKontoplan"));
        // The arrows go on to the next menu.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(QApplication::activePopupWidget()->objectName(),
                     QStringLiteral("MenyRedovisning"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }
};

QTEST_MAIN(MenytangenterTest)
#include "test_menytangenter.moc"
