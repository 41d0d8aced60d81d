// The window on a small screen: the panel area scrolls instead of cutting
// controls off, the drawn size shows without scroll bars, and at start the
// window is fitted into the screen's free area.

#include "shell/TForm1.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>

class FonsterstorlekTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    static std::unique_ptr<TForm1> NyttFonster() {
        auto form = std::make_unique<TForm1>(std::make_unique<Testskrivbord>());
        form->show();
        QApplication::setActiveWindow(form.get());
        return form;
    }

    // The entry panel's control that lies furthest down and then furthest right.
    static QWidget *YttersteKnapp(QWidget *panel) {
        QWidget *ytterst = nullptr;
        for (auto *knapp : panel->findChildren<QPushButton *>()) {
            if (!knapp->isVisibleTo(panel))
                continue;
            const QRect r(knapp->mapTo(panel, QPoint(0, 0)), knapp->size());
            if (!ytterst)
                ytterst = knapp;
            const QRect y(ytterst->mapTo(panel, QPoint(0, 0)), ytterst->size());
            if (std::pair(r.bottom(), r.right()) > std::pair(y.bottom(), y.right()))
                ytterst = knapp;
        }
        return ytterst;
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void thePanelAreaScrollsWhenTheWindowIsSmall_data() {
        QTest::addColumn<QSize>("storlek");
        QTest::addColumn<bool>("vagrat");
        QTest::addColumn<bool>("lodrat");
        QTest::newRow("drawn size") << TForm1::kRitadPlats.size() << false << false;
        QTest::newRow("1366x768 less the title bar") << QSize(1366, 738) << false << true;
        QTest::newRow("1920x1080 at 150 %") << QSize(1280, 720) << false << true;
        QTest::newRow("least size") << TForm1::kMinstaStorlek << true << true;
    }
    void thePanelAreaScrollsWhenTheWindowIsSmall() {
        QFETCH(QSize, storlek);
        QFETCH(bool, vagrat);
        QFETCH(bool, lodrat);
        auto form = NyttFonster();
        form->resize(storlek);
        // The panel that reaches furthest, with the controls shown when keying.
        form->Menyval(QStringLiteral("Redovisa"))->setEnabled(true);
        form->Menyval(QStringLiteral("Redovisa"))->trigger();
        QApplication::processEvents();
        QCOMPARE(form->size(), storlek);

        auto *rullning = form->findChild<QScrollArea *>(QStringLiteral("Panelrullning"));
        QVERIFY(rullning);
        auto *panelyta = form->findChild<QWidget *>(QStringLiteral("Panelyta"));
        QCOMPARE(rullning->widget(), panelyta);
        QCOMPARE(rullning->horizontalScrollBar()->isVisible(), vagrat);
        QCOMPARE(rullning->verticalScrollBar()->isVisible(), lodrat);
        // The panels keep their drawn size however small the window is.
        QVERIFY(panelyta->width() >= TForm1::kPanelytansStorlek.width());
        QVERIFY(panelyta->height() >= TForm1::kPanelytansStorlek.height());

        // The furthest button can be scrolled into view, whole.
        QWidget *knapp = YttersteKnapp(form->Panel(QStringLiteral("PanelRedovisa")));
        QVERIFY(knapp);
        rullning->ensureWidgetVisible(knapp, 0, 0);
        QApplication::processEvents();
        const QRect synligt = rullning->viewport()->rect();
        const QRect plats(knapp->mapTo(rullning->viewport(), QPoint(0, 0)), knapp->size());
        QVERIFY2(synligt.contains(plats), qPrintable(knapp->objectName()));
    }

    // `vantat` is the window's place; a lower window is a scroll bar's extent
    // wider (`bredare`), a narrower one higher (`hogre`), where there is room.
    void theWindowIsFittedIntoTheScreen_data() {
        QTest::addColumn<QRect>("tillganglig");
        QTest::addColumn<QRect>("vantat");
        QTest::addColumn<bool>("bredare");
        QTest::addColumn<bool>("hogre");
        QTest::addColumn<bool>("vagrat");
        QTest::addColumn<bool>("lodrat");
        QTest::newRow("room enough")
            << QRect(0, 0, 1920, 1050) << TForm1::kRitadPlats << false << false << false << false;
        // A window no wider than drawn lost part of its panel to the vertical
        // scroll bar and scrolled sideways too.
        QTest::newRow("1366x768, panel at the top")
            << QRect(0, 27, 1366, 741) << QRect(198, 57, 1048, 711) << true << false << false
            << true;
        QTest::newRow("1280x720") << QRect(0, 0, 1280, 720) << QRect(198, 30, 1048, 690) << true
                                  << false << false << true;
        QTest::newRow("lower, no room to widen")
            << QRect(0, 0, 1048, 720) << QRect(0, 30, 1048, 690) << false << false << true << true;
        QTest::newRow("narrower than drawn")
            << QRect(0, 0, 1024, 600) << QRect(0, 30, 1024, 570) << false << false << true << true;
        QTest::newRow("narrower, room to heighten")
            << QRect(0, 0, 1000, 1050) << QRect(0, 125, 1000, 780) << false << true << true
            << false;
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1280, 1024) << QRect(1920, 125, 1048, 780) << false << false << false
            << false;
        QTest::newRow("tiny screen keeps the least size")
            << QRect(0, 0, 320, 240) << QRect(QPoint(0, 30), TForm1::kMinstaStorlek) << false
            << false << true << true;
    }
    void theWindowIsFittedIntoTheScreen() {
        QFETCH(QRect, tillganglig);
        QFETCH(QRect, vantat);
        QFETCH(bool, bredare);
        QFETCH(bool, hogre);
        QFETCH(bool, vagrat);
        QFETCH(bool, lodrat);
        TForm1 form(std::make_unique<Testskrivbord>());
        auto *rullning = form.findChild<QScrollArea *>(QStringLiteral("Panelrullning"));
        QVERIFY(rullning);
        const int rulle =
            rullning->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rullning);
        vantat.setWidth(vantat.width() + (bredare ? rulle : 0));
        vantat.setHeight(vantat.height() + (hogre ? rulle : 0));
        form.PassaIn(tillganglig);
        QCOMPARE(form.geometry(), vantat);

        // Only a direction the screen cuts scrolls.
        form.show();
        form.Menyval(QStringLiteral("Redovisa"))->setEnabled(true);
        form.Menyval(QStringLiteral("Redovisa"))->trigger();
        QApplication::processEvents();
        QCOMPARE(form.size(), vantat.size());
        QCOMPARE(rullning->horizontalScrollBar()->isVisible(), vagrat);
        QCOMPARE(rullning->verticalScrollBar()->isVisible(), lodrat);
    }
};

QTEST_MAIN(FonsterstorlekTest)
#include "test_fonsterstorlek.moc"
