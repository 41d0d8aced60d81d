// The report screens from the keyboard and the wheel: Enter in the account box
// shows the statement, and PgUp, PgDn and the wheel page the statement and the
// journal as their paging buttons do.

#include "test_kontoutdrag_fonster.h"

#include <QWheelEvent>

using namespace rapport2test;

class RapportTangenterTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;

    static void Fokus(QWidget *ruta) {
        ruta->setFocus(Qt::TabFocusReason);
        QVERIFY(QTest::qWaitFor([&] { return ruta->hasFocus(); }));
    }

    // One notch of the wheel over the grid: +1 towards the user (forward), -1
    // away. The window system gives it to the cell under the pointer and on to
    // the panel, as the cells take none; a test's event goes to the panel itself.
    static void Hjul(Fonster &f, int steg) {
        QWidget *panel = f.form->Panel(QStringLiteral("Panelrapport2"));
        const QPointF plats = QPointF(f.Del("Lve1")->mapTo(panel, QPoint(2, 2)));
        QWheelEvent hjul(plats, panel->mapToGlobal(plats), QPoint(), QPoint(0, -120 * steg),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(panel, &hjul);
    }

    // Opens the report: the journal, or the statement of 1930 (26 lines) shown
    // by Enter in the account box.
    static void Oppna(Fonster &f, const QString &rapport) {
        if (rapport == QStringLiteral("Dagbok")) {
            f.Meny("Dagbok");
            return;
        }
        f.Meny("RapportKonto");
        auto *ruta = f.Del<QLineEdit>("Editvisakonto");
        Fokus(ruta);
        QTest::keyClicks(ruta, QStringLiteral("1930"));
        QTest::keyClick(ruta, Qt::Key_Return);
    }

private slots:
    void enterInTheAccountBoxShowsTheStatement() {
        Fonster f(katalog_);
        f.Meny("RapportKonto");
        auto *ruta = f.Del<QLineEdit>("Editvisakonto");
        Fokus(ruta);
        QTest::keyClicks(ruta, QStringLiteral("2440"));
        QTest::keyClick(ruta, Qt::Key_Enter);
        QCOMPARE(f.Text("Labelrubrik"), QStringLiteral("Kontoutdrag för Leverantörsskulder"));
        QCOMPARE(f.Rad(1)[0], QStringLiteral("27"));
        QCOMPARE(QApplication::focusWidget(), ruta); // the box stays for the next account
        QVERIFY(f.skrivbord->meddelanden.isEmpty());

        // Elsewhere on the screen Enter still moves the focus.
        Fokus(f.Del("ListBoxrapp"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != f.Del("ListBoxrapp"));
    }

    void pageKeysAndTheWheelPageLikeTheButtons_data() {
        QTest::addColumn<QString>("rapport");
        QTest::addColumn<bool>("hjul");
        QTest::addColumn<QStringList>("sidor"); // row 1's number on each page
        const QStringList dagbok{"1", "26", "51"}, utdrag{"1", "26"};
        QTest::newRow("journal, keys") << "Dagbok" << false << dagbok;
        QTest::newRow("journal, wheel") << "Dagbok" << true << dagbok;
        QTest::newRow("statement, keys") << "RapportKonto" << false << utdrag;
        QTest::newRow("statement, wheel") << "RapportKonto" << true << utdrag;
    }
    void pageKeysAndTheWheelPageLikeTheButtons() {
        QFETCH(QString, rapport);
        QFETCH(bool, hjul);
        QFETCH(QStringList, sidor);
        Fonster f(katalog_);
        Oppna(f, rapport);
        auto bladdra = [&](int steg) {
            if (hjul)
                Hjul(f, steg);
            else
                QTest::keyClick(f.form.get(), steg > 0 ? Qt::Key_PageDown : Qt::Key_PageUp);
        };
        QCOMPARE(f.Rad(1)[0], sidor.first());
        // Past the last page and before the first the page stays, as with the buttons.
        for (int sida = 1; sida <= sidor.size(); ++sida) {
            bladdra(+1);
            QCOMPARE(f.Rad(1)[0], sidor[std::min(sida, static_cast<int>(sidor.size()) - 1)]);
        }
        for (int sida = static_cast<int>(sidor.size()) - 2; sida >= -1; --sida) {
            bladdra(-1);
            QCOMPARE(f.Rad(1)[0], sidor[std::max(sida, 0)]);
        }
        QVERIFY(f.skrivbord->meddelanden.isEmpty());
    }

    void thePickListKeepsItsOwnPageKeys() {
        Fonster f(katalog_);
        Oppna(f, QStringLiteral("RapportKonto"));
        auto *lista = f.Del<QListWidget>("ListBoxrapp");
        Fokus(lista); // fills it with the chart
        QVERIFY(lista->count() > 1);
        lista->setCurrentRow(0);
        QTest::keyClick(lista, Qt::Key_PageDown);
        QCOMPARE(f.Rad(1)[0], QStringLiteral("1"));
        QVERIFY(lista->currentRow() > 0);
    }

    void oneShortPageDoesNotPage() {
        Fonster f(katalog_);
        Oppna(f, QStringLiteral("RapportKonto"));
        f.Meny("Dagbok");
        f.Meny("RapportKonto"); // an empty statement: no paging buttons
        QTest::keyClick(f.form.get(), Qt::Key_PageDown);
        Hjul(f, 1);
        QVERIFY(f.TommaRader(1));
    }
};

QTEST_MAIN(RapportTangenterTest)
#include "test_rapport_tangenter.moc"
