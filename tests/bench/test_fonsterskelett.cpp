// The window skeleton: a bare window built from the main window's skeleton
// has the same skeleton again (so the benchmark's bare window holds what the
// main window holds), and a malformed skeleton is refused with its line.

#include "Fonsterskelett.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"

#include <QDial>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QList<QWidget *> Paneler(QWidget &fonster) {
    QList<QWidget *> paneler;
    for (const QString &namn : TForm1::Arbetspanelnamn())
        paneler << fonster.findChild<QWidget *>(namn);
    return paneler;
}

// A text of up to 12 characters drawn from those the skeleton must write
// around: its field and line separators, its escape and what follows one,
// its key separator and letters beyond Latin-1's first half.
QString Slumptext(QRandomGenerator &slump) {
    static const QString tecken = QStringLiteral("\t\n\\tn=,#åÖ€ a");
    QString text;
    for (int i = slump.bounded(13); i > 0; --i)
        text += tecken[slump.bounded(tecken.size())];
    return text;
}

} // namespace

class TestFonsterskelett : public QObject {
    Q_OBJECT
private slots:
    void barafonstretHallerSammaSomHuvudfonstret();
    void slumptexterKommerTillbaka();
    void okandKlassSkrivsInte();
    void felaktigtSkelett_data();
    void felaktigtSkelett();
};

void TestFonsterskelett::barafonstretHallerSammaSomHuvudfonstret() {
    TForm1 form{std::make_unique<Testskrivbord>()};
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString skelett = skelett::Skriv(form, Paneler(form));
    // The window's menus, panels and controls are all there, not just a few.
    QCOMPARE(Paneler(form).count(nullptr), 0);
    QVERIFY(skelett.count(u'\n') > 400);
    QVERIFY(skelett.contains(QStringLiteral("\tQAction\tRapportRes\t\t0\ttext=&Resultaträkning")));

    const auto bart = skelett::Bygg(skelett);
    bart->show();
    QVERIFY(QTest::qWaitForWindowExposed(bart.get()));
    QCOMPARE(Paneler(*bart).count(nullptr), 0);
    QCOMPARE(bart->menuBar()->actions().size(), form.menuBar()->actions().size());
    const QStringList fore = skelett.split(u'\n');
    const QStringList efter = skelett::Skriv(*bart, Paneler(*bart)).split(u'\n');
    QCOMPARE(efter.size(), fore.size());
    for (qsizetype i = 0; i < fore.size(); ++i)
        QCOMPARE(efter[i], fore[i]);
}

void TestFonsterskelett::slumptexterKommerTillbaka() {
    // A list row holding a newline came back as two rows.
    QRandomGenerator slump(20261208);
    for (int varv = 0; varv < 200; ++varv) {
        QMainWindow fonster;
        auto *yta = new QWidget;
        yta->setObjectName(QStringLiteral("Yta"));
        fonster.setCentralWidget(yta);
        auto *etikett = new QLabel(Slumptext(slump), yta);
        etikett->setObjectName(Slumptext(slump));
        etikett->setToolTip(Slumptext(slump));
        auto *knapp = new QPushButton(Slumptext(slump), yta);
        knapp->setObjectName(QStringLiteral("Knapp"));
        auto *lista = new QListWidget(yta);
        lista->setObjectName(QStringLiteral("Lista"));
        const QStringList rader = {Slumptext(slump), Slumptext(slump), Slumptext(slump)};
        lista->addItems(rader);
        QMenu *meny = fonster.menuBar()->addMenu(Slumptext(slump));
        meny->setObjectName(QStringLiteral("Meny"));
        meny->addAction(Slumptext(slump))->setObjectName(QStringLiteral("Val"));

        const auto bart = skelett::Bygg(skelett::Skriv(fonster, {}));
        const auto *e = bart->findChild<QLabel *>(etikett->objectName());
        QVERIFY2(e, qPrintable(etikett->objectName()));
        QCOMPARE(e->text(), etikett->text());
        QCOMPARE(e->toolTip(), etikett->toolTip());
        QCOMPARE(bart->findChild<QPushButton *>(QStringLiteral("Knapp"))->text(), knapp->text());
        const auto *l = bart->findChild<QListWidget *>(QStringLiteral("Lista"));
        QCOMPARE(l->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(l->item(i)->text(), rader[i]);
        const auto *m = bart->findChild<QMenu *>(QStringLiteral("Meny"));
        QCOMPARE(m->title(), meny->title());
        QCOMPARE(m->actions().value(0)->text(), meny->actions().value(0)->text());
    }
}

void TestFonsterskelett::okandKlassSkrivsInte() {
    // A dial was written as a plain QWidget, so the bare window held less.
    QMainWindow fonster;
    auto *yta = new QWidget;
    fonster.setCentralWidget(yta);
    (new QDial(yta))->setObjectName(QStringLiteral("Ratt"));
    try {
        skelett::Skriv(fonster, {});
        QFAIL("a dial was written as something else");
    } catch (const skelett::Fel &f) {
        QCOMPARE(QString::fromUtf8(f.what()), QStringLiteral("okänd klass QDial för Ratt"));
    }
}

void TestFonsterskelett::felaktigtSkelett_data() {
    QTest::addColumn<QString>("skelett");
    QTest::addColumn<QString>("fel");
    const QString fonster = QStringLiteral("0\t-1\tQMainWindow\tF\t0,0,400,300\t1\n");
    QTest::newRow("tomt") << QString() << "skelettet är tomt";
    QTest::newRow("för få fält") << "# rubrik\n0\t-1\tQMainWindow"
                                 << "rad 2: för få fält";
    QTest::newRow("fel nummer") << fonster + "2\t0\tQLabel\tL\t0,0,9,9\t1\n"
                                << "rad 2: numret ska vara 1";
    QTest::newRow("senare förälder") << fonster + "1\t1\tQLabel\tL\t0,0,9,9\t1\n"
                                     << "rad 2: föräldern ska vara en tidigare rad";
    QTest::newRow("okänd klass") << fonster + "1\t0\tQDial\tD\t0,0,9,9\t1\n"
                                 << "rad 2: okänd klass QDial";
    QTest::newRow("okänd egenskap") << fonster + "1\t0\tQLabel\tL\t0,0,9,9\t1\tfarg=1\n"
                                    << "rad 2: QLabel har ingen egenskap farg";
    QTest::newRow("egenskap utan =") << fonster + "1\t0\tQLabel\tL\t0,0,9,9\t1\ttext\n"
                                     << "rad 2: en egenskap utan =";
    QTest::newRow("trasig följd") << fonster + "1\t0\tQLabel\tL\\x\t0,0,9,9\t1\n"
                                  << "rad 2: okänd följd \\x";
    QTest::newRow("plats") << fonster + "1\t0\tQLabel\tL\t0,0,9\t1\n"
                           << "rad 2: platsen ska vara x,y,bredd,höjd";
    QTest::newRow("menyval utan meny") << fonster + "1\t0\tQAction\tA\t\t1\ttext=A\n"
                                       << "rad 2: ett menyval utanför en meny";
    QTest::newRow("första raden") << "0\t-1\tQLabel\tL\t0,0,9,9\t1\n"
                                  << "rad 1: första raden ska vara fönstret";
}

void TestFonsterskelett::felaktigtSkelett() {
    QFETCH(QString, skelett);
    QFETCH(QString, fel);
    try {
        skelett::Bygg(skelett);
        QFAIL("the skeleton was accepted");
    } catch (const skelett::Fel &f) {
        QCOMPARE(QString::fromUtf8(f.what()), fel);
    }
}

QTEST_MAIN(TestFonsterskelett)
#include "test_fonsterskelett.moc"
