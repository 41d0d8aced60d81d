// The company-details panel, driven against the stand-in window: the details
// shown from the books, saved into the remembered company file or a new one,
// and every box that does not pass refused with nothing saved.

#include "entry/ui/PanelForetagsuppgifter.h"
#include "support/Provfonster.h"
#include "support/Testfiler.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class ForetagsuppgifterPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    std::unique_ptr<Provfonster> f_;
    PanelForetagsuppgifter *panel_ = nullptr;

    QString Sokvag(const QString &namn) { return QDir(katalog_.path()).absoluteFilePath(namn); }
    QLineEdit *Ruta(const char *namn) { return panel_->findChild<QLineEdit *>(namn); }
    QComboBox *Combo() { return panel_->findChild<QComboBox *>("ComboMomsperiod"); }
    QString Besked() { return panel_->findChild<QLabel *>("LabelForetagsuppgifterBesked")->text(); }
    void Spara() { panel_->findChild<QPushButton *>("BitBtnForetagsuppgifterSpara")->click(); }
    // Replaces the box's text as typing would (keyClicks takes no "é").
    void Skriv(const char *namn, const QString &text) {
        Ruta(namn)->selectAll();
        Ruta(namn)->insert(text);
    }
    QByteArray Sokvagar() {
        return (Sokvag("ab.kpl") + "\r\n" + Sokvag("ab.red") + "\r\n").toUtf8();
    }

private slots:
    void init() {
        f_ = std::make_unique<Provfonster>();
        panel_ = ByggForetagsuppgiftspanel(*f_);
        f_->data.Kontoplanfil = Sokvag("ab.kpl").toStdString();
        f_->data.Redovisningsfil = Sokvag("ab.red").toStdString();
        f_->Agare().show();
        QApplication::setActiveWindow(&f_->Agare());
        QVERIFY(QTest::qWaitForWindowActive(&f_->Agare()));
    }
    void cleanup() { f_.reset(); }

    void theMenuItemShowsTheRememberedDetails() {
        f_->data.Foretagsfil = Sokvag("ab.ftg").toStdString();
        f_->data.Foretaget = {"Kafé AB", "555555-5555",
                              tovana::Arsperiod{{2025, 7, 1}, {2026, 6, 30}},
                              tovana::Momsperiod::Kvartal};
        f_->Menyval(QStringLiteral("Foretagsuppgifter"))->trigger();
        QCOMPARE(f_->visad, panel_);
        QCOMPARE(Ruta("EditForetagsnamn")->text(), QStringLiteral("Kafé AB"));
        QCOMPARE(Ruta("EditOrgnr")->text(), QStringLiteral("555555-5555"));
        QCOMPARE(Ruta("EditArFran")->text(), QStringLiteral("20250701"));
        QCOMPARE(Ruta("EditArTill")->text(), QStringLiteral("20260630"));
        QCOMPARE(Combo()->currentText(), QStringLiteral("Kvartal"));
        QCOMPARE(Combo()->count(), 3);
        QCOMPARE(Combo()->itemText(0), QStringLiteral("Månad"));
        QCOMPARE(Combo()->itemText(2), QStringLiteral("År"));
        QVERIFY(Besked().endsWith(Sokvag("ab.ftg")));
        QCOMPARE(panel_->findChild<QPushButton *>("BitBtnForetagsuppgifterSpara")->text(),
                 QStringLiteral("Spara företagsuppgifterna"));

        // No details: empty boxes and no VAT period chosen.
        f_->data.Foretaget = {};
        f_->Menyval(QStringLiteral("Foretagsuppgifter"))->trigger();
        QVERIFY(Ruta("EditOrgnr")->text().isEmpty());
        QCOMPARE(Combo()->currentIndex(), -1);
    }

    void savingRewritesTheRememberedFileKeepingItsPaths() {
        SkrivFil(Sokvag("ab.ftg"), Sokvagar() + "min anteckning\r\n");
        f_->data.Foretagsfil = Sokvag("ab.ftg").toStdString();
        panel_->ForetagsuppgifterClick();
        Skriv("EditForetagsnamn", QStringLiteral("Kafé AB"));
        Skriv("EditOrgnr", QStringLiteral("5555555555"));
        Skriv("EditArFran", QStringLiteral("2026-01-01"));
        Skriv("EditArTill", QStringLiteral("20261231"));
        Combo()->setCurrentIndex(0);
        Spara();
        QCOMPARE(f_->skrivbord.meddelanden, QStringList());
        QVERIFY(f_->skrivbord.forval.isEmpty()); // no dialog: the file is known
        QCOMPARE(Las(Sokvag("ab.ftg")), Sokvagar() +
                                            "Namn=Kaf\xE9 AB\r\nOrgnr=555555-5555\r\n"
                                            "Rakenskapsar=20260101-20261231\r\nMomsperiod=manad\r\n"
                                            "min anteckning\r\n");
        QCOMPARE(Ruta("EditOrgnr")->text(), QStringLiteral("555555-5555"));
        QCOMPARE(Ruta("EditArFran")->text(), QStringLiteral("20260101"));
        QCOMPARE(Besked(), QStringLiteral("Företagsuppgifterna är sparade i ") + Sokvag("ab.ftg"));
        QCOMPARE(f_->data.Foretaget.orgnr, std::string("555555-5555"));
    }

    void aBoxThatDoesNotPassIsNamedAndNothingIsSaved_data() {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ord");
        QTest::newRow("check digit") << "EditOrgnr"
                                     << "555555-5556"
                                     << "kontrollsiffra";
        QTest::newRow("nine digits") << "EditOrgnr"
                                     << "55555-5555"
                                     << "tio siffror";
        QTest::newRow("no such day") << "EditArFran"
                                     << "20260230"
                                     << "första dag";
        QTest::newRow("too long") << "EditArTill"
                                  << "20270701"
                                  << "18 månader";
        QTest::newRow("before it begins") << "EditArTill"
                                          << "20251231"
                                          << "efter";
    }
    void aBoxThatDoesNotPassIsNamedAndNothingIsSaved() {
        QFETCH(QString, ruta);
        QFETCH(QString, text);
        QFETCH(QString, ord);
        SkrivFil(Sokvag("ab.ftg"), Sokvagar());
        f_->data.Foretagsfil = Sokvag("ab.ftg").toStdString();
        panel_->ForetagsuppgifterClick();
        Skriv("EditForetagsnamn", QStringLiteral("AB"));
        Skriv("EditArFran", QStringLiteral("20260101"));
        Skriv("EditArTill", QStringLiteral("20261231"));
        Skriv(ruta.toUtf8().constData(), text);
        Spara();
        QCOMPARE(f_->skrivbord.meddelanden.size(), 1);
        QVERIFY2(f_->skrivbord.meddelanden[0].contains(ord),
                 qPrintable(f_->skrivbord.meddelanden[0]));
        QCOMPARE(QApplication::focusWidget(), Ruta(ruta.toUtf8().constData()));
        QCOMPARE(Las(Sokvag("ab.ftg")), Sokvagar());
        QVERIFY(f_->data.Foretaget.Tom());
    }

    void withoutACompanyFileTheSaveDialogNamesANewOne() {
        panel_->ForetagsuppgifterClick();
        QVERIFY(Besked().startsWith(QStringLiteral("Ingen företagsfil är öppen")));
        Skriv("EditForetagsnamn", QStringLiteral("Nytt AB"));
        Spara(); // cancelled: nothing written, nothing remembered
        QCOMPARE(f_->skrivbord.forval, QStringList{"*.ftg"});
        QVERIFY(!QFile::exists(Sokvag("ny.ftg")));
        QVERIFY(f_->data.Foretaget.Tom());

        f_->skrivbord.filval.push_back(Sokvag("ny.ftg"));
        Spara();
        QCOMPARE(f_->skrivbord.meddelanden, QStringList());
        QCOMPARE(Las(Sokvag("ny.ftg")), Sokvagar() + "Namn=Nytt AB\r\n");
        QCOMPARE(f_->data.Foretagsfil, Sokvag("ny.ftg").toStdString());
        QCOMPARE(Besked(), QStringLiteral("Företagsuppgifterna är sparade i ") + Sokvag("ny.ftg"));
    }
};

QTEST_MAIN(ForetagsuppgifterPanelTest)
#include "test_foretagsuppgifter_panel.moc"
