// The one focus rule of every enter and exit handler: only focus that moves
// between controls counts, never a message box or another window taking the
// focus for a while; and a box's leave handler follows the same rule.

#include "shell/Kontroller.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
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

        // A box's leave handler runs exactly when the rule says the focus moved.
        QLineEdit ruta;
        int lamnad = 0;
        kontroller::VidLamna(&ruta, [&] { ++lamnad; });
        QFocusEvent lamna(QEvent::FocusOut, orsak);
        QCoreApplication::sendEvent(&ruta, &lamna);
        QCOMPARE(lamnad, flyttar ? 1 : 0);
    }

    void anEventThatIsNoFocusEventNeverCounts() {
        const QKeyEvent tangent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCOMPARE(kontroller::FlyttarMellanKontroller(&tangent), false);
    }
};

QTEST_MAIN(KontrollerTest)
#include "test_kontroller.moc"
