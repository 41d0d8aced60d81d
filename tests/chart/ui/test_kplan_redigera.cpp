// Editing the chart through its panel: choosing by double-click, renaming,
// deleting with and without the warning, and saving.

#include "chart/ui/Kplanfonster.h"
#include "chart/ui/PanelKplanRedigera.h"

#include <QDir>
#include <QTemporaryDir>

using namespace kplantest;

namespace {

const QString kVarning = QStringLiteral(
    "VARNING!! Det konto du raderat används i redovisningen. Utan åtgärder innebär raderingen "
    "att många rapporter blir felaktiga. Använd Special-menyn för att få besked om vilka "
    "verifikationer som måste ändras.");

} // namespace

class RedigeraKplanTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    QString Fil(const QString &namn) const { return katalog_.filePath(namn); }

    // A window with a small chart opened and the editing panel shown.
    std::unique_ptr<Fonster> Redigera() {
        SkrivFil(Fil("plan.kpl"),
                 "Liten plan\r\n1;1510;Kundfordringar\r\n1;1930;F\xf6retagskonto\r\n"
                 "2;2081;Aktiekapital\r\n6;5010;Hyra f\xf6r lokalen\r\n"
                 "8;10;Projekt Norr\r\n");
        auto f = std::make_unique<Fonster>();
        f->skrivbord->filval.push_back(Fil("plan.kpl"));
        f->Meny("Oppna1");
        f->Meny("Redigera1");
        return f;
    }

    static void Dubbelklicka(Fonster &f, int rad) {
        auto *lista = f.Del<QListWidget>("ListBoxKplanRed");
        const QRect ruta = lista->visualItemRect(lista->item(rad));
        // As the mouse does it: a click, then the second press that makes it double.
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, ruta.center());
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, ruta.center());
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void showsTheAccountsWithoutHeadingsAndTheInternalName() {
        auto f = Redigera();
        QVERIFY(f->Synlig("PanelKplanRedigera"));
        QCOMPARE(f->Ruta("EditKplannamn")->text(), QStringLiteral("Liten plan"));
        QCOMPARE(f->Rader("ListBoxKplanRed"),
                 (QStringList{"1510 Kundfordringar", "1930 Företagskonto", "2081 Aktiekapital",
                              "5010 Hyra för lokalen", "10 Projekt Norr"}));
        QVERIFY(!f->Del("LabelKplanRedSparabesked")->isVisible());
    }

    void renamingAndSavingWritesTheRightLine() {
        auto f = Redigera();
        Dubbelklicka(*f, 3);
        QCOMPARE(f->Del<PanelKplanRedigera>("PanelKplanRedigera")->ValtKonto(), 4);
        QCOMPARE(f->Text("LabelKplanRedAktnr"), QStringLiteral("5010"));
        // A name with blanks is shown whole.
        QCOMPARE(f->Ruta("EditKplanRedNamn")->text(), QStringLiteral("Hyra för lokalen"));
        QVERIFY(f->Skriv("EditKplanRedNamn", QStringLiteral("Lokalhyra")));
        f->Tryck("BitBtnKplanRedOK");
        QCOMPARE(f->Rader("ListBoxKplanRed")[3], QStringLiteral("5010 Lokalhyra"));
        QCOMPARE(f->Text("LabelKplanRedAktnr"), QString());
        QCOMPARE(f->Ruta("EditKplanRedNamn")->text(), QString());
        // Only memory has changed.
        QVERIFY(Filinnehall(Fil("plan.kpl")).contains("Hyra f\xf6r lokalen"));

        QVERIFY(f->Skriv("EditKplannamn", QStringLiteral("Större plan")));
        f->Tryck("BitBtnKplanRedSpara");
        const QList<QByteArray> rader = Filinnehall(Fil("plan.kpl")).split('\n');
        QCOMPARE(rader.value(0), QByteArray("St\xf6rre plan\r"));
        QCOMPARE(rader.value(4), QByteArray("6;5010;Lokalhyra\r"));
        QCOMPARE(rader.size(), 7);
        QVERIFY(f->Del("LabelKplanRedSparabesked")->isVisible());
        QCOMPARE(f->Text("LabelAktKplan"), QStringLiteral("Större plan"));
        QVERIFY(f->skrivbord->meddelanden.isEmpty());
    }

    // A second press after a rename gave the account an empty name.
    void renamingTwiceNeedsASecondChoice() {
        auto f = Redigera();
        Dubbelklicka(*f, 0);
        QVERIFY(f->Skriv("EditKplanRedNamn", QStringLiteral("Kunder")));
        f->Tryck("BitBtnKplanRedOK");
        f->Tryck("BitBtnKplanRedOK");
        QCOMPARE(f->Rader("ListBoxKplanRed")[0], QStringLiteral("1510 Kunder"));
        QCOMPARE(f->Del<PanelKplanRedigera>("PanelKplanRedigera")->ValtKonto(), 0);
    }

    void deletingAnAccountThatPostsUseWarnsOnceAndDeletes() {
        auto f = Redigera();
        auto &data = f->form->Data();
        data.Postplats(1) = {1, "0101", 1930, 0, 0, 100, "Insättning"};
        data.Postplats(2) = {2, "0102", 5010, 1930, 0, 50, "Hyra"};
        data.Postplats(3) = {3, "0103", 0, 1930, 10, 50, "Hyra"};
        data.Postantal = 3;
        Dubbelklicka(*f, 1);
        f->Tryck("BitBtnKplanRedRadera");
        QCOMPARE(f->skrivbord->meddelanden, QStringList{kVarning});
        QCOMPARE(f->Rader("ListBoxKplanRed"),
                 (QStringList{"1510 Kundfordringar", "2081 Aktiekapital", "5010 Hyra för lokalen",
                              "10 Projekt Norr"}));
        QCOMPARE(data.Kontoantal, 4);
        QCOMPARE(f->Text("LabelKplanRedAktnr"), QString());
        QCOMPARE(f->Ruta("EditKplanRedNamn")->text(), QString());
    }

    void deletingACodeOrAnUnusedAccountGivesNoWarning() {
        auto f = Redigera();
        auto &data = f->form->Data();
        data.Postplats(1) = {1, "0101", 1930, 2081, 10, 100, "Insättning"};
        data.Postantal = 1;
        Dubbelklicka(*f, 4);
        f->Tryck("BitBtnKplanRedRadera");
        Dubbelklicka(*f, 0);
        f->Tryck("BitBtnKplanRedRadera");
        QVERIFY(f->skrivbord->meddelanden.isEmpty());
        QCOMPARE(f->Rader("ListBoxKplanRed"),
                 (QStringList{"1930 Företagskonto", "2081 Aktiekapital", "5010 Hyra för lokalen"}));

        f->Tryck("BitBtnKplanRedSpara");
        QCOMPARE(Filinnehall(Fil("plan.kpl")),
                 QByteArray("Liten plan\r\n1;1930;F\xf6retagskonto\r\n2;2081;Aktiekapital\r\n"
                            "6;5010;Hyra f\xf6r lokalen\r\n"));
    }

    // A second press of "Radera detta konto" deleted the account that moved up.
    void theButtonsDoNothingWhileNoAccountIsChosen() {
        auto f = Redigera();
        const auto fore = f->form->Data().Konton;
        f->Tryck("BitBtnKplanRedOK");
        f->Tryck("BitBtnKplanRedRadera");
        QVERIFY(f->form->Data().Konton == fore);
        QCOMPARE(f->form->Data().Kontoantal, 5);

        Dubbelklicka(*f, 0);
        f->Tryck("BitBtnKplanRedRadera");
        f->Tryck("BitBtnKplanRedRadera");
        QCOMPARE(f->form->Data().Kontoantal, 4);
        QCOMPARE(f->Rader("ListBoxKplanRed")[0], QStringLiteral("1930 Företagskonto"));
        QVERIFY(f->skrivbord->meddelanden.isEmpty());
    }

    // A choice made before the chart changed elsewhere renamed the wrong account.
    void comingBackToThePanelForgetsTheChoice() {
        auto f = Redigera();
        Dubbelklicka(*f, 2);
        f->Meny("Nyttkonto1");
        QVERIFY(f->LaggTill("1", "1910", QStringLiteral("Kassa")));
        f->Meny("Redigera1");
        QCOMPARE(f->Del<PanelKplanRedigera>("PanelKplanRedigera")->ValtKonto(), 0);
        QCOMPARE(f->Text("LabelKplanRedAktnr"), QString());
        QCOMPARE(f->Ruta("EditKplanRedNamn")->text(), QString());
        f->Tryck("BitBtnKplanRedOK");
        QCOMPARE(f->Rader("ListBoxKplanRed")[2], QStringLiteral("1930 Företagskonto"));
    }

    void aSaveThatFailsKeepsTheOldNameAndShowsNoNote() {
        auto f = Redigera();
        f->form->Data().Kontoplanfil = Fil("saknas/plan.kpl").toStdString();
        QVERIFY(f->Skriv("EditKplannamn", QStringLiteral("Ny plan")));
        f->Tryck("BitBtnKplanRedSpara");
        QCOMPARE(f->skrivbord->meddelanden.size(), 1);
        QVERIFY(
            f->skrivbord->meddelanden[0].startsWith(QStringLiteral("Det finns ingen sådan mapp.")));
        QVERIFY(!f->Del("LabelKplanRedSparabesked")->isVisible());
        QCOMPARE(f->form->Data().Kontoplannamn, std::string("Liten plan"));
        QCOMPARE(f->Text("LabelAktKplan"), QStringLiteral("Liten plan"));
    }
};

QTEST_MAIN(RedigeraKplanTest)
#include "test_kplan_redigera.moc"
