// The one focus rule of every enter and exit handler: only focus that moves
// between controls counts, never a message box or another window taking the
// focus for a while; and a box's enter and leave handlers follow the same rule.
// Enter as Tab, and the font and colour changes that the builders make to a
// control's inherited look.

#include "ui/Kontroller.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

class KontrollerTest : public QObject {
    Q_OBJECT

private slots:
    void onlyFocusMovingBetweenControlsCounts_data() {
        QTest::addColumn<Qt::FocusReason>("orsak");
        QTest::addColumn<bool>("flyttar");
        QTest::newRow("Tab") << Qt::TabFocusReason << true;
        QTest::newRow("Backtab") << Qt::BacktabFocusReason << true;
        QTest::newRow("mouse") << Qt::MouseFocusReason << true;
        QTest::newRow("program") << Qt::OtherFocusReason << true;
        QTest::newRow("message box or window") << Qt::ActiveWindowFocusReason << false;
        QTest::newRow("popup") << Qt::PopupFocusReason << false;
        QTest::newRow("shortcut") << Qt::ShortcutFocusReason << false;
        QTest::newRow("menu bar") << Qt::MenuBarFocusReason << false;
    }

    void onlyFocusMovingBetweenControlsCounts() {
        QFETCH(Qt::FocusReason, orsak);
        QFETCH(bool, flyttar);
        const QFocusEvent in(QEvent::FocusIn, orsak);
        const QFocusEvent ut(QEvent::FocusOut, orsak);
        QCOMPARE(kontroller::FlyttarMellanKontroller(&in), flyttar);
        QCOMPARE(kontroller::FlyttarMellanKontroller(&ut), flyttar);

        // A box's enter and leave handlers run exactly when the rule says the
        // focus moved, each on its own event only.
        QLineEdit ruta;
        int inne = 0;
        int lamnad = 0;
        kontroller::VidInga(&ruta, [&] { ++inne; });
        kontroller::VidLamna(&ruta, [&] { ++lamnad; });
        QFocusEvent inga(QEvent::FocusIn, orsak);
        QCoreApplication::sendEvent(&ruta, &inga);
        QCOMPARE(inne, flyttar ? 1 : 0);
        QCOMPARE(lamnad, 0);
        QFocusEvent lamna(QEvent::FocusOut, orsak);
        QCoreApplication::sendEvent(&ruta, &lamna);
        QCOMPARE(inne, flyttar ? 1 : 0);
        QCOMPARE(lamnad, flyttar ? 1 : 0);
    }

    void enterStepsLikeTabUnlessTheControlKeepsIt() {
        QWidget fonster;
        auto *forsta = kontroller::Ruta(&fonster, "forsta");
        auto *egen = kontroller::Ruta(&fonster, "egen");
        auto *sista = kontroller::Ruta(&fonster, "sista");
        auto *layout = new QVBoxLayout(&fonster);
        for (QWidget *ruta : {forsta, egen, sista})
            layout->addWidget(ruta);
        kontroller::SattEgenEnter(egen);
        QStringList ctrlEnter;
        kontroller::EnterSomTab(&fonster, [&](QWidget *ruta) {
            ctrlEnter << ruta->objectName();
            return ruta == sista;
        });
        fonster.show();
        QApplication::setActiveWindow(&fonster);
        QVERIFY(QTest::qWaitForWindowActive(&fonster));

        forsta->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(forsta, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), egen);
        QTest::keyClick(egen, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), egen);
        // Ctrl+Enter is the handler's where it says so, else a step.
        sista->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(sista, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), sista);
        forsta->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(forsta, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), egen);
        QCOMPARE(ctrlEnter, (QStringList{"sista", "forsta"}));
    }

    void aStyleChangesOnlyWhatItAsksFor_data() {
        QTest::addColumn<unsigned>("stil");
        QTest::addColumn<qreal>("skala");
        QTest::addColumn<bool>("fet");
        QTest::addColumn<bool>("understruken");
        QTest::addColumn<qreal>("punkter");
        QTest::newRow("nothing") << unsigned{kontroller::Vanlig} << 1.0 << false << false << 10.0;
        QTest::newRow("bold") << unsigned{kontroller::Fet} << 1.0 << true << false << 10.0;
        QTest::newRow("smaller") << unsigned{kontroller::Vanlig} << 0.9 << false << false << 9.0;
        QTest::newRow("bold, larger") << unsigned{kontroller::Fet} << 1.5 << true << false << 15.0;
        QTest::newRow("bold and underlined")
            << unsigned{kontroller::Fet | kontroller::Understruken} << 1.0 << true << true << 10.0;
    }

    void aStyleChangesOnlyWhatItAsksFor() {
        QFETCH(unsigned, stil);
        QFETCH(qreal, skala);
        QFETCH(bool, fet);
        QFETCH(bool, understruken);
        QFETCH(qreal, punkter);
        // The font's own italic stays: a style adds, it never takes away.
        QFont bas(QStringLiteral("Sans"), 10);
        bas.setItalic(true);
        const QFont font = kontroller::Typsnitt(bas, stil, skala);
        QCOMPARE(font.bold(), fet);
        QCOMPARE(font.underline(), understruken);
        QCOMPARE(font.italic(), true);
        QCOMPARE(font.pointSizeF(), punkter);

        // A control built with the style takes it over its inherited font.
        QWidget panel;
        panel.setFont(bas);
        auto *etikett = kontroller::Stilsatt(
            kontroller::Etikett(&panel, "LabelProv", QStringLiteral("Prov")), stil, skala);
        QCOMPARE(etikett->font(), font);
    }

    void aPixelSizedFontKeepsItsSizeAtScaleOne() {
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(13);
        const QFont fet = kontroller::Typsnitt(font, kontroller::Fet);
        QCOMPARE(fet.pixelSize(), 13);
        QCOMPARE(fet.bold(), true);
    }

    void aColourFillsTheBackgroundOnlyWhenGiven() {
        QLabel bara;
        const QColor bakgrund = bara.palette().color(QPalette::Window);
        kontroller::Farga(&bara, Qt::blue);
        QCOMPARE(bara.palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(bara.palette().color(QPalette::Window), bakgrund);
        QCOMPARE(bara.autoFillBackground(), false);

        QLabel fylld;
        kontroller::Farga(&fylld, Qt::black, Qt::yellow);
        QCOMPARE(fylld.palette().color(QPalette::Window), QColor(Qt::yellow));
        QCOMPARE(fylld.autoFillBackground(), true);
    }

    void anEventThatIsNoFocusEventNeverCounts() {
        const QKeyEvent tangent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCOMPARE(kontroller::FlyttarMellanKontroller(&tangent), false);
    }
};

QTEST_MAIN(KontrollerTest)
#include "test_kontroller.moc"
