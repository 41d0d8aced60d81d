// The calculator panel: its boxes and guide, and "=" writing into the amount box.

#include "entry/ui/Raknepanel.h"
#include "shell/TForm1.h"
#include "support/Testskrivbord.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

class RaknepanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    struct Uppstallning {
        Testskrivbord *skrivbord = nullptr;
        std::unique_ptr<TForm1> form;
        QLineEdit *belopp = nullptr;
        Raknepanel *panel = nullptr;

        QLineEdit *Ruta(const char *namn) const { return panel->findChild<QLineEdit *>(namn); }
        void Skriv(const QString &a, const QString &tecken, const QString &b) {
            QTest::keyClicks(Ruta("EditRakna1"), a);
            QTest::keyClicks(Ruta("EditRaknaOperator"), tecken);
            QTest::keyClicks(Ruta("EditRakna2"), b);
        }
        void Rakna() {
            QTest::mouseClick(panel->findChild<QPushButton *>("BitBtnRakna"), Qt::LeftButton);
        }
    };

    Uppstallning Ny() {
        Uppstallning u;
        auto desktop = std::make_unique<Testskrivbord>();
        u.skrivbord = desktop.get();
        u.form = std::make_unique<TForm1>(std::move(desktop));
        auto *yta = new QWidget(u.form.get());
        auto *layout = new QVBoxLayout(yta);
        u.belopp = new QLineEdit(yta);
        u.belopp->setObjectName("EditBeloppTest");
        u.panel = new Raknepanel(*u.form, u.belopp, yta);
        layout->addWidget(u.belopp);
        layout->addWidget(u.panel);
        u.form->setCentralWidget(yta);
        u.form->show();
        QApplication::setActiveWindow(u.form.get());
        u.panel->findChild<QLineEdit *>("EditRakna1")->setFocus(Qt::OtherFocusReason);
        return u;
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void hasItsBoxesGuideAndFocusOrder() {
        Uppstallning u = Ny();
        QCOMPARE(u.panel->objectName(), QStringLiteral("Panelrakna"));
        QStringList texter;
        for (auto *etikett : u.panel->findChildren<QLabel *>())
            texter << etikett->text();
        QCOMPARE(texter,
                 (QStringList{"Beräkningshjälp", "Belopp 1", "Räknetecken", "Belopp 2",
                              "Skriv belopp i de två beloppsrutorna",
                              "och skriv + - * eller/ i rutan för", "räknetecken.",
                              "Klicka på = knappen.", "Svaret på beräkningen visas i ",
                              "konteringsradens beloppsruta.", "Tryck Enter eller Tab för att ",
                              "acceptera svaret som belopp."}));
        QCOMPARE(u.panel->findChild<QPushButton *>("BitBtnRakna")->text(), QStringLiteral("="));

        QCOMPARE(QApplication::focusWidget(), u.Ruta("EditRakna1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), u.Ruta("EditRaknaOperator"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), u.Ruta("EditRakna2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), u.panel->findChild<QPushButton *>("BitBtnRakna"));
    }

    void writesTheAnswer_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("tecken");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("svar");
        QTest::addColumn<QString>("rensatA");
        QTest::newRow("point") << "1.5"
                               << "+"
                               << "2"
                               << "3,50"
                               << "1,5";
        QTest::newRow("one blank") << "1 000"
                                   << "-"
                                   << "250"
                                   << "750,00"
                                   << "1000";
        QTest::newRow("negative") << "5"
                                  << "-"
                                  << "8"
                                  << "-3,00"
                                  << "5";
        QTest::newRow("ten significant") << "1234567,891"
                                         << "*"
                                         << "10"
                                         << "12345678,91"
                                         << "1234567,891";
    }
    void writesTheAnswer() {
        QFETCH(QString, a);
        QFETCH(QString, tecken);
        QFETCH(QString, b);
        QFETCH(QString, svar);
        QFETCH(QString, rensatA);
        Uppstallning u = Ny();
        u.belopp->setText("99");
        u.Skriv(a, tecken, b);
        u.Rakna();
        QCOMPARE(u.belopp->text(), svar);
        QCOMPARE(u.Ruta("EditRakna1")->text(), rensatA);
        QCOMPARE(QApplication::focusWidget(), u.belopp);
        QCOMPARE(u.skrivbord->meddelanden, QStringList());

        u.panel->Tom();
        QCOMPARE(u.Ruta("EditRakna1")->text() + u.Ruta("EditRaknaOperator")->text() +
                     u.Ruta("EditRakna2")->text(),
                 QString());
    }

    void failuresLeaveTheAmountBox_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("tecken");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("meddelanden");
        QTest::addColumn<QString>("rensatA");
        QTest::newRow("empty box")
            << "12"
            << "+"
            << "" << QStringList{"Någon av beloppsrutorna är tomma. Rutinen avbryts"} << "12";
        QTest::newRow("second blank")
            << "1 000 000"
            << "+"
            << "1" << QStringList{"'1000 000' is not a valid floating point value"} << "1000 000";
        QTest::newRow("division by zero")
            << "7"
            << "/"
            << "0" << QStringList{"Floating point division by zero"} << "7";
        QTest::newRow("zero by zero")
            << "0"
            << "/"
            << "0" << QStringList{"Invalid floating point operation"} << "0";
        QTest::newRow("blank before sign") << "1"
                                           << " +"
                                           << "2" << QStringList{} << "1";
        QTest::newRow("word") << "1"
                              << "plus"
                              << "2" << QStringList{} << "1";
    }
    void failuresLeaveTheAmountBox() {
        QFETCH(QString, a);
        QFETCH(QString, tecken);
        QFETCH(QString, b);
        QFETCH(QStringList, meddelanden);
        QFETCH(QString, rensatA);
        Uppstallning u = Ny();
        u.belopp->setText("99");
        u.Skriv(a, tecken, b);
        u.Rakna();
        QCOMPARE(u.belopp->text(), QStringLiteral("99"));
        QCOMPARE(u.skrivbord->meddelanden, meddelanden);
        QCOMPARE(u.Ruta("EditRakna1")->text(), rensatA);
    }
};

QTEST_MAIN(RaknepanelTest)
#include "test_raknepanel.moc"
