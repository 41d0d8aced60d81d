// The window as a bookkeeper reads it: long names, paths and post texts stay
// within their columns and the window keeps its size, controls stay put while
// a message comes and goes, and every effect sentence shows whole.

#include "shell/TForm1.h"
#include "support/Testfiler.h"
#include "support/Testskrivbord.h"
#include "ui/Arbetspanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QSize kFonsterstorlek(1048, 780);

// Eighty characters: the longest name a chart or a ledger keeps.
QByteArray Langtnamn(const char *borjan) {
    QByteArray namn(borjan);
    while (namn.size() < 80)
        namn += " med ett mycket langt namn";
    return namn.left(80);
}

// One account in each class, every name 80 characters long.
QByteArray Kontoplan() {
    QByteArray fil = Langtnamn("Kontoplan") + "\r\n";
    const char *konton[] = {"1;1930;", "2;2010;", "3;2150;", "4;2440;",
                            "5;3010;", "6;5010;", "7;8810;", "8;1;"};
    for (const char *konto : konton)
        fil += konto + Langtnamn("Konto") + "\r\n";
    return fil;
}

// Posts of a million with texts of a hundred characters.
QByteArray Redovisning() {
    QByteArray fil = Langtnamn("Redovisning") + "\r\n";
    const QByteArray text = QByteArray(100, 'T');
    for (int i = 1; i <= 3; ++i)
        fil += QByteArray::number(i) + ";120101;1000000;1930;3010;0;" + text + "\r\n";
    return fil;
}

// Where the control stands in the window.
QRect Plats(const QWidget *kontroll) {
    return QRect(kontroll->mapTo(kontroll->window(), QPoint(0, 0)), kontroll->size());
}

} // namespace

class StadigtFonsterTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;
    QString mapp_; // a folder with a long path, for the top strip
    std::unique_ptr<TForm1> form_;

    template <typename T = QWidget> T *W(const QString &namn) {
        auto *w = form_->findChild<T *>(namn);
        if (!w)
            qFatal("no control %s", qPrintable(namn));
        return w;
    }
    void Klicka(const QString &namn) { QTest::mouseClick(W<QPushButton>(namn), Qt::LeftButton); }
    void Vanta() {
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void Skriv(const char *namn, const QString &text) {
        auto *ruta = W<QLineEdit>(QString::fromUtf8(namn));
        ruta->setFocus(Qt::TabFocusReason);
        ruta->selectAll();
        QTest::keyClicks(ruta, text);
    }
    void Tabb() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    // Opens the company with the long names, and "Redovisa".
    void Starta() {
        auto desktop = std::make_unique<Testskrivbord>();
        desktop->filval.push_back(mapp_ + QStringLiteral("/ab.ftg"));
        form_ = std::make_unique<TForm1>(std::move(desktop));
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        form_->Menyval(QStringLiteral("oppnaforetag"))->trigger();
        form_->Menyval(QStringLiteral("Redovisa"))->trigger();
        Vanta();
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
        mapp_ = katalog_.path() + QStringLiteral("/en_mapp_med_ett_mycket_langt_namn_for_att_"
                                                 "visa_att_sokvagen_inte_far_plats_i_remsan");
        QVERIFY(QDir().mkpath(mapp_));
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }
    void init() {
        SkrivFil(mapp_ + QStringLiteral("/ab.kpl"), Kontoplan());
        SkrivFil(mapp_ + QStringLiteral("/ab.red"), Redovisning());
        SkrivFil(mapp_ + QStringLiteral("/ab.ftg"),
                 (mapp_ + QStringLiteral("/ab.kpl\r\n") + mapp_ + QStringLiteral("/ab.red\r\n"))
                     .toUtf8());
    }
    void cleanup() { form_.reset(); }

    void longTextsNeverWidenTheWindow() {
        Starta();
        QCOMPARE(form_->size(), kFonsterstorlek);
        // The whole text stays in the label and its tooltip, however it is cut.
        const QString redovisning = QString::fromLatin1(Langtnamn("Redovisning"));
        QCOMPARE(W<QLabel>(QStringLiteral("LabelAktRed"))->toolTip(), redovisning);
        const QString fil = W<QLabel>(QStringLiteral("LabelRedFilnamn"))->text();
        QVERIFY(fil.endsWith(QStringLiteral("ab.red")));
        QCOMPARE(W<QLabel>(QStringLiteral("LabelRedFilnamn"))->toolTip(), fil);
        QCOMPARE(W<QLabel>(QStringLiteral("LT1"))->toolTip(), QString(100, u'T'));
        QCOMPARE(W<QLabel>(QStringLiteral("LB1"))->text(), QStringLiteral("1 000 000,00"));

        // Every panel a menu item opens, with the long names in it.
        const char *menyval[] = {
            "Visa1",          "Redigera1",     "Nyttkonto1",         "RedSortera",
            "KollKplan",      "Oanv",          "RapportRes",         "RapportBal",
            "RapportKonto",   "Dagbok",        "RRmedKoder",         "BRmedkoder",
            "Dagbokmedkoder", "RapportPeriod", "Momsrapport",        "Momskoder",
            "HamtaIB",        "farger",        "Skapany1",           "Skapaennyredovisning2",
            "Redovisa",       "Perioder",      "Behandlingshistorik"};
        QStringList andrade; // the panels that changed the window's size
        for (const char *namn : menyval) {
            form_->Menyval(QString::fromUtf8(namn))->trigger();
            Vanta();
            if (form_->size() != kFonsterstorlek ||
                form_->minimumSizeHint().width() > kFonsterstorlek.width())
                andrade << QString::fromUtf8(namn);
            // Every button shown shows its whole caption, inside its frame.
            for (auto *knapp : form_->findChildren<QPushButton *>())
                if (knapp->isVisible() &&
                    knapp->fontMetrics().horizontalAdvance(knapp->text()) + 8 > knapp->width())
                    andrade << QString::fromUtf8(namn) + QStringLiteral(": ") + knapp->objectName();
        }
        QCOMPARE(andrade, QStringList());
    }

    // Each row: what opens the panel, what makes its message appear, and the
    // controls around it that must not move.
    void controlsStayWhenAMessageAppears() {
        struct Fall {
            const char *namn;
            std::function<void()> oppna;
            std::function<void()> utlos;
            QStringList grannar;
        };
        const std::vector<Fall> fall = {
            {"Ändra i en redovisad post",
             [&] {
                 QTest::mouseDClick(W<QLabel>(QStringLiteral("LP1")), Qt::LeftButton);
                 Vanta();
             },
             [&] { Klicka(QStringLiteral("BitBtnAndraSpara")); },
             {"EditAndraRedNamn", "BitBtnSparaRedNamn", "ListBoxvisaKplanRedRed",
              "LabelAndraRedNamn", "MemoAndraRed"}},
            {"Ändra redovisningens namn",
             [&] {
                 QTest::mouseDClick(W<QLabel>(QStringLiteral("LP1")), Qt::LeftButton);
                 Vanta();
             },
             [&] { Klicka(QStringLiteral("BitBtnSparaRedNamn")); },
             {"ListBoxvisaKplanRedRed", "MemoAndraRed", "BitBtnRedAndraRadera"}},
            {"Sortera, visa",
             [&] { form_->Menyval(QStringLiteral("RedSortera"))->trigger(); },
             [&] { Klicka(QStringLiteral("BitBtnSorteraVernr")); },
             {"ListBoxSortera", "MemoSortera", "BitBtnSorteraSpara", "BitBtnSorteraDatum"}},
            {"Sortera, spara",
             [&] {
                 form_->Menyval(QStringLiteral("RedSortera"))->trigger();
                 Klicka(QStringLiteral("BitBtnSorteraVernr"));
             },
             [&] { Klicka(QStringLiteral("BitBtnSorteraSpara")); },
             {"ListBoxSortera", "MemoSortera", "LabelsorteraDelrubrik"}},
            {"Lägga till konto",
             [&] { form_->Menyval(QStringLiteral("Nyttkonto1"))->trigger(); },
             [&] { Klicka(QStringLiteral("BitBtnSparaKplan")); },
             {"ListBoxkplan", "BitBtnSparaKplan", "MemoNyttkonto", "LabelKplanlistarubrik"}},
            {"Oanvända konton",
             [&] { form_->Menyval(QStringLiteral("Oanv"))->trigger(); },
             [&] {
                 auto *lista = W<QListWidget>(QStringLiteral("ListBoxOanv"));
                 const QPoint punkt = lista->visualItemRect(lista->item(0)).center();
                 QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punkt);
                 QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punkt);
                 Vanta();
                 Klicka(QStringLiteral("BitBtnOanvSpara"));
             },
             {"ListBoxOanv", "LabelOanvRubrik2"}},
            {"Öppet saldo och belopp på en miljon",
             [&] { form_->Menyval(QStringLiteral("Redovisa"))->trigger(); },
             [&] {
                 Skriv("EditBelopp", QStringLiteral("1000000"));
                 Skriv("EditDebit", QStringLiteral("1930"));
                 Tabb();
                 Tabb();
                 Klicka(QStringLiteral("Buttonnasta"));
             },
             {"EditText", "Buttonnasta", "LabelText", "LabelTidigaretransaktioner", "LB1", "LT1",
              "LV1", "LP1", "Label1", "LabelTRubrik", "BitBtnT", "Edithoppavernr"}},
        };
        QStringList flyttade; // "case: control" for every control that moved
        for (const Fall &f : fall) {
            Starta();
            f.oppna();
            Vanta();
            QList<QRect> fore;
            for (const QString &granne : f.grannar)
                fore << Plats(W(granne));
            f.utlos();
            Vanta();
            for (int i = 0; i < f.grannar.size(); ++i)
                if (Plats(W(f.grannar[i])) != fore[i])
                    flyttade << QString::fromUtf8(f.namn) + QStringLiteral(": ") + f.grannar[i];
            if (form_->size() != kFonsterstorlek)
                flyttade << QString::fromUtf8(f.namn) + QStringLiteral(": fönstret");
            cleanup();
        }
        QCOMPARE(flyttade, QStringList());
    }

    void amountColumnStandsAlikeInBothStatements() {
        Starta();
        form_->Menyval(QStringLiteral("RapportRes"))->trigger();
        Vanta();
        const QRect resultat = Plats(W(QStringLiteral("Lbb1")));
        form_->Menyval(QStringLiteral("RapportBal"))->trigger();
        Vanta();
        const QRect balans = Plats(W(QStringLiteral("Lbb1")));
        QCOMPARE(balans.x(), resultat.x());
        QCOMPARE(balans.right(), resultat.right());
        // A name of 80 characters is shortened within its column, whole in its tooltip.
        const QString konto = QString::fromLatin1(Langtnamn("Konto"));
        QLabel *namn = nullptr;
        for (int k = 1; k <= 35 && !namn; ++k)
            if (W<QLabel>(QStringLiteral("Ln%1").arg(k))->text() == konto)
                namn = W<QLabel>(QStringLiteral("Ln%1").arg(k));
        QVERIFY(namn);
        QCOMPARE(namn->toolTip(), konto);
        QVERIFY(namn->fontMetrics().horizontalAdvance(konto) > namn->width());
        QVERIFY(Plats(namn).right() < balans.x());
    }

    void classButtonsStandApartAndShowTheirCaptions() {
        Starta();
        QList<QPushButton *> knappar;
        for (const char *namn : {"BitBtnT", "BitBtnE", "BitBtnOR", "BitBtnS", "BitBtnI", "BitBtnK",
                                 "BitBtnBD", "BitBtnKod"})
            knappar << W<QPushButton>(QString::fromUtf8(namn));
        for (int i = 0; i < knappar.size(); ++i) {
            auto *knapp = knappar[i];
            QVERIFY2(knapp->fontMetrics().horizontalAdvance(knapp->text()) <= knapp->width(),
                     qPrintable(knapp->objectName()));
            for (int j = i + 1; j < knappar.size(); ++j)
                QVERIFY2(!Plats(knapp).intersects(Plats(knappar[j])),
                         qPrintable(knapp->objectName() + QStringLiteral(" / ") +
                                    knappar[j]->objectName()));
        }
    }

    void everyEffectSentenceShowsWhole() {
        Starta();
        // Debit a class-1 account against a class-7 one: both sentences carry
        // an 80-character name.
        Skriv("EditBelopp", QStringLiteral("1000000"));
        Skriv("EditDebit", QStringLiteral("1930"));
        Tabb();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8810"));
        Tabb();
        Vanta();
        auto *yta = W(QStringLiteral("Effektyta"));
        // The class-7 sentence carries its amount at its end.
        const QString bokslut = W<QLabel>(QStringLiteral("LabelBDeffekt1"))->text();
        QVERIFY(bokslut.startsWith(QString::fromLatin1(Langtnamn("Konto"))));
        QVERIFY(bokslut.endsWith(QStringLiteral("1 000 000,00")));
        int ifyllda = 0;
        for (auto *etikett : yta->findChildren<QLabel *>()) {
            if (etikett->text().isEmpty())
                continue;
            ++ifyllda;
            const QRect ram = etikett->contentsRect();
            const QRect text = etikett->fontMetrics().boundingRect(
                ram, Qt::TextWordWrap | etikett->alignment(), etikett->text());
            QVERIFY2(ram.contains(text), qPrintable(etikett->objectName()));
            QVERIFY2(etikett->isVisible(), qPrintable(etikett->objectName()));
            QVERIFY2(
                yta->rect().contains(QRect(etikett->mapTo(yta, QPoint(0, 0)), etikett->size())),
                qPrintable(etikett->objectName()));
        }
        QVERIFY(ifyllda > 4);
        QCOMPARE(form_->size(), kFonsterstorlek);
    }

    void welcomeBlocksStandApart() {
        form_ = std::make_unique<TForm1>(std::make_unique<Testskrivbord>());
        form_->show();
        Vanta();
        const auto block = form_->Panel(QStringLiteral("Panelvalkommen"))
                               ->findChildren<QFrame *>(QStringLiteral("Valkomstblock"));
        QCOMPARE(block.size(), 6);
        for (int i = 0; i < block.size(); ++i) {
            // Each block's lines stand within it, and the blocks stand apart.
            for (auto *rad : block[i]->findChildren<QLabel *>())
                QVERIFY(Plats(block[i]).contains(Plats(rad)));
            for (int j = i + 1; j < block.size(); ++j)
                QVERIFY(!Plats(block[i]).adjusted(-4, -4, 4, 4).intersects(Plats(block[j])));
        }
    }
};

QTEST_MAIN(StadigtFonsterTest)
#include "test_stadigt_fonster.moc"
