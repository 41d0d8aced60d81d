// "Momsrapport" on the example company: the preset period, the first quarter's
// boxes and what lies behind a box, the printout, the settlement asked for,
// made once and refused the second time, and the e-service file that needs
// the organisation number.

#include "reports/ui/Rapportfonster.h"

#include "core/Redovisningsfil.h"
#include "core/Teckentabell.h"
#include "reports/Momsrapport.h"
#include "reports/Utskrift.h"

#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

using namespace rapporttest;

namespace {

QStringList Rader(const Fonster &f, const char *lista) {
    QStringList rader;
    auto *l = f.Del<QListWidget>(QString::fromUtf8(lista));
    for (int i = 0; i < l->count(); ++i)
        rader << l->item(i)->text();
    return rader;
}

QString LasText(const QString &sokvag) {
    QFile fil(sokvag);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return QString::fromStdString(tovana::FranWindows1252(fil.readAll().toStdString()));
}

} // namespace

class MomsPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString forra_;

    QString Fil(const char *namn) const { return katalog_.filePath(QString::fromUtf8(namn)); }

    // The example company, its first quarter in the boxes.
    void Oppna(Fonster &f) {
        f.OppnaForetag(Fil("kafe.ftg"));
        QVERIFY(f.form->Menyval(QStringLiteral("Momsrapport"))->isEnabled());
        f.Meny("Momsrapport");
        QVERIFY(f.Synlig("PanelMoms"));
        f.Del<QLineEdit>(QStringLiteral("EditMomsFran"))->setText(QStringLiteral("20260101"));
        f.Del<QLineEdit>(QStringLiteral("EditMomsTill"))->setText(QStringLiteral("2026-03-31"));
    }

    // The example's ledger without the VAT settlements keyed by hand, so the
    // program may make them.
    void UtanHandavrakningar() {
        tovana::Bokforingsdata data;
        tovana::LasRedovisning(data, Fil("kafe2026.red").toStdString());
        int32_t kvar = 0;
        for (int32_t i = 1; i <= data.Postantal; ++i) {
            const tovana::TPost post = data.Poster[static_cast<std::size_t>(i)];
            const bool avrakning = post.text.rfind("Moms kvartal", 0) == 0 &&
                                   post.text.find("inbetald") == std::string::npos;
            if (!avrakning && post.text.rfind("Momsavräkning", 0) != 0)
                data.Poster[static_cast<std::size_t>(++kvar)] = post;
        }
        data.Postantal = kvar;
        tovana::SkrivRedovisning(data, Fil("utan.red").toStdString());
        SkrivFil(Fil("utan.ftg"),
                 (Fil("foretag.kpl") + "\r\n" + Fil("utan.red") + "\r\n").toUtf8());
    }

private slots:
    void initTestCase() {
        forra_ = QDir::currentPath();
        QDir::setCurrent(katalog_.path());
        KopieraExempel(katalog_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(forra_); }

    void thePeriodIsTheLastWholeQuarterBeforeToday() {
        Fonster f;
        QVERIFY(!f.form->Menyval(QStringLiteral("Momsrapport"))->isEnabled());
        f.OppnaForetag(Fil("kafe.ftg"));
        f.Meny("Momsrapport");
        const QDate d = QDate::currentDate();
        const tovana::Period period =
            tovana::ForvaldMomsperiod({d.year(), d.month(), d.day()}, std::nullopt);
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditMomsFran"))->text().toStdString(),
                 tovana::Datumtext(period.fran));
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditMomsTill"))->text().toStdString(),
                 tovana::Datumtext(period.till));
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditMomsAvrKonto"))->text(),
                 QStringLiteral("2650"));
        QCOMPARE(f.Del<QLineEdit>(QStringLiteral("EditMomsOresKonto"))->text(),
                 QStringLiteral("3740"));
    }

    void theQuartersBoxesAndWhatLiesBehindThem() {
        Fonster f;
        Oppna(f);
        f.Tryck("BitBtnMomsVisa");
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
        const QStringList rutor = Rader(f, "ListBoxMoms");
        QCOMPARE(rutor.size(), 5);
        QCOMPARE(rutor[0],
                 QStringLiteral(
                     "05  Momspliktig försäljning som inte ingår i ruta 06, 07 eller 08  345 541"));
        QCOMPARE(rutor[4], QStringLiteral("49  Moms att betala eller få tillbaka  21 929"));
        QCOMPARE(f.Text(QStringLiteral("LabelMomsAtt")),
                 QStringLiteral("Moms att betala: 21 929 kr"));
        QCOMPARE(Rader(f, "ListBoxMomsProblem"), QStringList());

        // Double-clicking box 10 lists its account, then its posts.
        auto *lista = f.Del<QListWidget>(QStringLiteral("ListBoxMoms"));
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        const QRect rad = lista->visualItemRect(lista->item(1));
        QVERIFY(!rad.isEmpty());
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, rad.center());
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, rad.center());
        const QStringList poster = Rader(f, "ListBoxMomsPoster");
        QCOMPARE(poster.size(), 5);
        QCOMPARE(poster[0], QStringLiteral("2610  Utgående moms 25 %  1 077,40"));
        QCOMPARE(poster[1], QString());
        for (const QString &post : poster.mid(2))
            QVERIFY2(post.contains(QStringLiteral("2610")), qPrintable(post));
    }

    void thePrintoutNamesTheCompanyAndTheAccountsBehindEachBox() {
        Fonster f;
        Oppna(f);
        f.form->Data().Foretaget.orgnr = "555555-5555";
        f.Tryck("BitBtnMomsUtskrift");
        QCOMPARE(f.skrivbord->meddelanden, QStringList());
        QCOMPARE(f.skrivbord->dokument, QStringList{QString::fromStdString(tovana::kUtskriftsfil)});
        const QString sida = LasText(QString::fromStdString(tovana::kUtskriftsfil));
        for (const QString &del :
             {QStringLiteral("Momsrapport 2026-01-01 – 2026-03-31 för Kafé"),
              QStringLiteral("Organisationsnummer: 555555-5555"),
              QStringLiteral(">Utgående moms 12 %<"), QStringLiteral(">40 947<"),
              QStringLiteral("2610  Utgående moms 25 %  1 077,40"),
              QStringLiteral("Moms att betala: 21 929 kr")})
            QVERIFY2(sida.contains(del), qPrintable(del));
    }

    void theSettlementIsAskedForAndMadeOnce() {
        UtanHandavrakningar();
        Fonster f;
        f.OppnaForetag(Fil("utan.ftg"));
        f.Meny("Momsrapport");
        f.Del<QLineEdit>(QStringLiteral("EditMomsFran"))->setText(QStringLiteral("20260101"));
        f.Del<QLineEdit>(QStringLiteral("EditMomsTill"))->setText(QStringLiteral("20260331"));
        auto &data = f.form->Data();
        const int32_t fore = data.Postantal;

        // No: nothing is booked.
        f.Tryck("BitBtnMomsAvrakning");
        QCOMPARE(f.skrivbord->fragor.size(), 1);
        QVERIFY2(
            f.skrivbord->fragor[0].startsWith(QStringLiteral(
                "Vill du bokföra momsavräkningen för 2026-01-01 – 2026-03-31 som verifikation ")),
            qPrintable(f.skrivbord->fragor[0]));
        QCOMPARE(data.Postantal, fore);

        // Yes: one verification, saved, and the boxes as they were.
        const QStringList rutor = Rader(f, "ListBoxMoms");
        f.skrivbord->svar.push_back(true);
        f.Tryck("BitBtnMomsAvrakning");
        QVERIFY(data.Postantal > fore);
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        QVERIFY2(f.skrivbord->meddelanden[0].startsWith(
                     QStringLiteral("Momsavräkningen är bokförd som verifikation")),
                 qPrintable(f.skrivbord->meddelanden[0]));
        QCOMPARE(Rader(f, "ListBoxMoms"), rutor);
        tovana::Bokforingsdata igen;
        tovana::LasRedovisning(igen, Fil("utan.red").toStdString());
        QCOMPARE(igen.Postantal, data.Postantal);
        QCOMPARE(QString::fromStdString(igen.Poster[static_cast<std::size_t>(igen.Postantal)].text),
                 QStringLiteral("Momsavräkning 2026-01-01 – 2026-03-31"));

        // Again: refused with a message, without a question, nothing booked.
        const int32_t efter = data.Postantal;
        f.skrivbord->svar.push_back(true);
        f.Tryck("BitBtnMomsAvrakning");
        QCOMPARE(f.skrivbord->fragor.size(), 2);
        QCOMPARE(f.skrivbord->meddelanden.size(), 2);
        QCOMPARE(data.Postantal, efter);

        // A settlement account the chart does not have is refused too.
        f.Del<QLineEdit>(QStringLiteral("EditMomsTill"))->setText(QStringLiteral("20260630"));
        f.Del<QLineEdit>(QStringLiteral("EditMomsFran"))->setText(QStringLiteral("20260401"));
        f.Del<QLineEdit>(QStringLiteral("EditMomsAvrKonto"))->setText(QStringLiteral("2659"));
        f.Tryck("BitBtnMomsAvrakning");
        QCOMPARE(f.skrivbord->fragor.size(), 2);
        QCOMPARE(f.skrivbord->meddelanden.size(), 3);
        QCOMPARE(data.Postantal, efter);
    }

    void theFileNeedsTheOrganisationNumber() {
        Fonster f;
        Oppna(f);
        f.form->Data().Foretaget.orgnr.clear();
        const QString xml = Fil("moms.xml");
        f.skrivbord->filval.push_back(xml);
        f.Tryck("BitBtnMomsFil");
        QCOMPARE(f.skrivbord->meddelanden.size(), 1);
        QVERIFY2(f.skrivbord->meddelanden[0].contains(QStringLiteral("organisationsnummer saknas")),
                 qPrintable(f.skrivbord->meddelanden[0]));
        QVERIFY(!f.skrivbord->forval.contains(QStringLiteral("*.xml")));
        QVERIFY(!QFile::exists(xml));

        f.form->Data().Foretaget.orgnr = "555555-5555";
        f.Tryck("BitBtnMomsFil");
        QCOMPARE(f.skrivbord->forval.last(), QStringLiteral("*.xml"));
        const QString fil = LasText(xml);
        QVERIFY2(fil.contains(QStringLiteral("<OrgNr>555555-5555</OrgNr>\r\n")), qPrintable(fil));
        QVERIFY(fil.contains(QStringLiteral("<Period>202603</Period>\r\n")));
        QVERIFY(fil.contains(QStringLiteral("<MomsBetala>21929</MomsBetala>\r\n")));
    }
};

QTEST_MAIN(MomsPanelTest)
#include "test_moms_panel.moc"
