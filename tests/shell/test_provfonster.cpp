// Panels built and driven against the stand-in window alone: the main window
// is never built here, so everything the panels use must come through the
// seam, and a part of another panel must be handed over.

#include "chart/ui/Kontoplanspaneler.h"
#include "chart/ui/PanelKplanRedigera.h"
#include "chart/ui/PanelMomskoder.h"
#include "chart/ui/PanelOppnaKplan.h"
#include "chart/ui/Panelnyakonton.h"
#include "chart/ui/Panelnykontoplan.h"
#include "entry/Postformular.h"
#include "entry/ui/Senasteposter.h"
#include "maintenance/ui/PanelRedRedigera.h"
#include "maintenance/ui/Postandringspaneler.h"
#include "support/Provfonster.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QtTest>

namespace {

const QString kTypfel = QStringLiteral("Ändra kontotyp! Det måste vara en siffra mellan 1 och 8.");
const QString kNummerfel = QStringLiteral("Ändra kontonumret! Det måste vara minst två siffror.");
const QString kNamnfel =
    QStringLiteral("Ändra kontonamnet! Det måste bestå av minst två bokstäver/siffror.");

template <typename T> T *Del(QWidget &panel, const char *namn) {
    auto *del = panel.findChild<T *>(QString::fromUtf8(namn));
    if (!del)
        qFatal("no control %s", namn);
    return del;
}

void Skriv(QWidget &panel, const QString &typ, const QString &nummer, const QString &namn) {
    QTest::keyClicks(Del<QLineEdit>(panel, "Ktyp"), typ);
    QTest::keyClicks(Del<QLineEdit>(panel, "Knummer"), nummer);
    QTest::keyClicks(Del<QLineEdit>(panel, "Knamn"), namn);
}

QStringList Rader(QWidget &panel) {
    QStringList rader;
    auto *lista = Del<QListWidget>(panel, "ListBoxkplan");
    for (int i = 0; i < lista->count(); ++i)
        rader << lista->item(i)->text();
    return rader;
}

} // namespace

class ProvfonsterTest : public QObject {
    Q_OBJECT

private slots:
    void theChartBuilderRegistersItsPanelsAndWiresTheirMenuItems() {
        Provfonster f;
        const Kontoplanspaneler paneler = ByggKontoplanspaneler(f);
        const std::vector<Arbetspanel *> vantade = {paneler.nykontoplan, paneler.nyakonton,
                                                    paneler.oppna, paneler.redigera,
                                                    paneler.momskoder};
        QCOMPARE(f.paneler, vantade);
        f.Menyval(QStringLiteral("Nyttkonto1"))->trigger();
        QCOMPARE(f.visad, static_cast<QWidget *>(paneler.nyakonton));
        f.Menyval(QStringLiteral("Visa1"))->trigger();
        QCOMPARE(f.visad, static_cast<QWidget *>(paneler.oppna));
        f.Menyval(QStringLiteral("Momskoder"))->trigger();
        QCOMPARE(f.visad, static_cast<QWidget *>(paneler.momskoder));
        QCOMPARE(f.skrivbord.meddelanden, QStringList());
    }

    void addsTheFirstAccountAndReportsItToTheMenu() {
        Provfonster f;
        Panelnyakonton panel(f);
        panel.show();
        QApplication::setActiveWindow(&panel);
        panel.Nyttkonto1Click();
        QCOMPARE(f.visad, static_cast<QWidget *>(&panel));

        Skriv(panel, "1", "1910", "Kassa");
        Del<QPushButton>(panel, "BitBtnKplan")->click();

        QCOMPARE(f.data.Kontoantal, 1);
        QCOMPARE(f.menyhandelser.size(), std::size_t{1});
        QCOMPARE(static_cast<int>(f.menyhandelser.front()),
                 static_cast<int>(tovana::Menyhandelse::ForstaKontot));
        QVERIFY(Rader(panel).join(u'\n').contains(QStringLiteral("Kassa")));
        QCOMPARE(Del<QLineEdit>(panel, "Knamn")->text(), QString());
        QCOMPARE(f.skrivbord.meddelanden, QStringList());
    }

    void refusesAnAccountWithItsMessageAndFocus_data() {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("namn");
        QTest::addColumn<QString>("meddelande");
        QTest::addColumn<QString>("ruta");
        QTest::newRow("class out of range") << "9"
                                            << "1910"
                                            << "Kassa" << kTypfel << "Ktyp";
        QTest::newRow("one-digit number") << "1"
                                          << "7"
                                          << "Kassa" << kNummerfel << "Knummer";
        QTest::newRow("one-letter name") << "1"
                                         << "1910"
                                         << "K" << kNamnfel << "Knamn";
    }

    void refusesAnAccountWithItsMessageAndFocus() {
        QFETCH(QString, typ);
        QFETCH(QString, nummer);
        QFETCH(QString, namn);
        QFETCH(QString, meddelande);
        QFETCH(QString, ruta);
        Provfonster f;
        Panelnyakonton panel(f);
        panel.show();
        QApplication::setActiveWindow(&panel);
        Skriv(panel, typ, nummer, namn);
        Del<QPushButton>(panel, "BitBtnKplan")->click();

        QCOMPARE(f.skrivbord.meddelanden, QStringList{meddelande});
        QCOMPARE(QApplication::focusWidget()->objectName(), ruta);
        QCOMPARE(f.data.Kontoantal, 0);
        QCOMPARE(f.menyhandelser.size(), std::size_t{0});
    }

    void aFailedSaveShowsOneMessageAndNotTheSavedLine() {
        Provfonster f;
        Panelnyakonton panel(f);
        f.data.Kontoplanfil = "/finns-inte/kataloger/kontoplan.kpl";
        panel.Nyttkonto1Click();
        Del<QPushButton>(panel, "BitBtnSparaKplan")->click();

        QCOMPARE(f.skrivbord.meddelanden.size(), 1);
        QCOMPARE(f.kontoplansvisningar, 0);
        QVERIFY(!Del<QLabel>(panel, "LabelKplansparad")->isVisible());
    }

    void thePostChangeControlsWorkOnTheRowsTheyAreGiven() {
        // The post-change builder found the rows on the entry panel by name, and
        // crashed on a null pointer when that panel was not built first.
        Provfonster f;
        Senasteposter rader;
        tovana::Postformular formular;
        auto *redigera = ByggPostandringspaneler(f, rader, formular);
        QCOMPARE(f.paneler, std::vector<Arbetspanel *>{redigera});
        {
            const QSignalBlocker tyst(rader.Hoppavernr());
            rader.Hoppavernr()->setText(QStringLiteral("12"));
        }
        rader.Tidigare()->click();
        QCOMPARE(rader.Hoppavernr()->text(), QString());
        QCOMPARE(f.skrivbord.meddelanden, QStringList());
    }
};

QTEST_MAIN(ProvfonsterTest)
#include "test_provfonster.moc"
