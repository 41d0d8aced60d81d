#include "reports/ui/PanelMoms.h"
#include "core/Menynamn.h"

#include "chart/Momskodredigering.h"
#include "core/Skrivlas.h"
#include "reports/Momsavrakning.h"
#include "reports/Momsdeklarationsfil.h"
#include "reports/Momsutskrift.h"
#include "reports/Rapportval.h"
#include "reports/ui/Utskriftsvisning.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"
#include "ui/Skrivbord.h"

#include <QAction>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Knapp;
using kontroller::Ruta;

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}

std::string S(const QLineEdit *ruta) {
    return ruta->text().toStdString();
}

tovana::Datum Idag() {
    const QDate idag = QDate::currentDate();
    return {idag.year(), idag.month(), idag.day()};
}

} // namespace

PanelMoms::PanelMoms(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelMoms"), QStringLiteral("LabelMomsRubrik"),
                  QStringLiteral("Momsrapport")),
      form_(form) {
    auto *layout = Innehall();

    auto *period = new QHBoxLayout;
    EditMomsFran_ = Ruta(this, "EditMomsFran");
    EditMomsFran_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    EditMomsTill_ = Ruta(this, "EditMomsTill");
    EditMomsTill_->setMaxLength(static_cast<int>(tovana::kDatumrutelangd));
    auto *visa = Knapp(this, "BitBtnMomsVisa", QStringLiteral("Visa momsrapporten"));
    period->addWidget(Etikett(this, "LabelMomsFran", QStringLiteral("Perioden från")));
    period->addWidget(EditMomsFran_);
    period->addWidget(Etikett(this, "LabelMomsTill", QStringLiteral("till och med")));
    period->addWidget(EditMomsTill_);
    period->addWidget(visa);
    period->addStretch(1);
    layout->addLayout(period);

    ListBoxMoms_ = kontroller::Lista(this, "ListBoxMoms");
    layout->addWidget(ListBoxMoms_, 3);
    LabelMomsAtt_ = kontroller::Stilsatt(Etikett(this, "LabelMomsAtt", QString()), kontroller::Fet);
    layout->addWidget(LabelMomsAtt_);
    layout->addWidget(Etikett(this, "LabelMomsPoster",
                              QStringLiteral("Dubbelklicka på en ruta för att se konton och "
                                             "poster bakom den")));
    ListBoxMomsPoster_ = kontroller::Lista(this, "ListBoxMomsPoster");
    ListBoxMomsPoster_->setFont(kontroller::Fastbredd());
    layout->addWidget(ListBoxMomsPoster_, 3);
    layout->addWidget(Etikett(this, "LabelMomsProblem", QStringLiteral("Att se över")));
    ListBoxMomsProblem_ = kontroller::Lista(this, "ListBoxMomsProblem");
    layout->addWidget(ListBoxMomsProblem_, 1);

    auto *knappar = new QGridLayout;
    auto *utskrift = Knapp(this, "BitBtnMomsUtskrift", QStringLiteral("Skriv ut momsrapporten"));
    auto *fil = Knapp(this, "BitBtnMomsFil", QStringLiteral("Spara momsdeklarationen som fil"));
    auto *avrakning = Knapp(this, "BitBtnMomsAvrakning", QStringLiteral("Bokför momsavräkningen"));
    EditMomsAvrKonto_ = Ruta(this, "EditMomsAvrKonto");
    EditMomsAvrKonto_->setMaxLength(9);
    EditMomsAvrKonto_->setText(QString::number(tovana::kForvaltAvrakningskonto));
    EditMomsOresKonto_ = Ruta(this, "EditMomsOresKonto");
    EditMomsOresKonto_->setMaxLength(9);
    EditMomsOresKonto_->setText(QString::number(tovana::kForvaltOreskonto));
    knappar->addWidget(utskrift, 0, 0);
    knappar->addWidget(fil, 0, 1, 1, 2);
    knappar->addWidget(Etikett(this, "LabelMomsAvrKonto", QStringLiteral("Avräkningskonto")), 1, 0);
    knappar->addWidget(EditMomsAvrKonto_, 1, 1);
    knappar->addWidget(Etikett(this, "LabelMomsOresKonto", QStringLiteral("Öresavrundning")), 2, 0);
    knappar->addWidget(EditMomsOresKonto_, 2, 1);
    knappar->addWidget(avrakning, 1, 2, 2, 1);
    knappar->setColumnStretch(3, 1);
    layout->addLayout(knappar);

    setTabOrder(EditMomsFran_, EditMomsTill_);
    setTabOrder(EditMomsTill_, visa);
    connect(visa, &QPushButton::clicked, this, &PanelMoms::BitBtnMomsVisaClick);
    connect(utskrift, &QPushButton::clicked, this, &PanelMoms::BitBtnMomsUtskriftClick);
    connect(fil, &QPushButton::clicked, this, &PanelMoms::BitBtnMomsFilClick);
    connect(avrakning, &QPushButton::clicked, this, &PanelMoms::BitBtnMomsAvrakningClick);
    connect(ListBoxMoms_, &QListWidget::itemDoubleClicked, this,
            &PanelMoms::ListBoxMomsDubbelklick);
}

void PanelMoms::MomsrapportClick() {
    form_.VisaArbetspanel(this);
    const tovana::Period period = tovana::ForvaldMomsperiod(
        Idag(), tovana::Momsperiodtypen(form_.Data().Foretaget.momsperiod));
    EditMomsFran_->setText(Q(tovana::Datumtext(period.fran)));
    EditMomsTill_->setText(Q(tovana::Datumtext(period.till)));
    rapport_.reset();
    rader_.clear();
    ListBoxMoms_->clear();
    LabelMomsAtt_->clear();
    ListBoxMomsPoster_->clear();
    ListBoxMomsProblem_->clear();
    EditMomsFran_->setFocus();
}

const tovana::Momsrapport &PanelMoms::Berakna() {
    const tovana::Period period = tovana::LasRapportperiod(S(EditMomsFran_), S(EditMomsTill_));
    const int32_t avrakningskonto =
        tovana::LasMomsavrakningskonto(S(EditMomsAvrKonto_), "avräkningskontot");
    koder_ = tovana::KontoplanensMomskoder(form_.Data());
    rapport_ = tovana::BeraknaMomsrapport(form_.Data(), period, koder_, avrakningskonto);
    rader_ = tovana::Momsrader(*rapport_);
    ListBoxMoms_->clear();
    for (const auto &rad : rader_)
        ListBoxMoms_->addItem(Q(rad.text));
    LabelMomsAtt_->setText(Q(tovana::MomsAttText(rapport_->ruta49)));
    ListBoxMomsPoster_->clear();
    kontroller::FyllLista(ListBoxMomsProblem_, rapport_->problem);
    return *rapport_;
}

void PanelMoms::BitBtnMomsVisaClick() {
    form_.Kor([&] { Berakna(); });
}

void PanelMoms::ListBoxMomsDubbelklick(QListWidgetItem *rad) {
    const int nummer = ListBoxMoms_->row(rad);
    if (!rapport_ || nummer < 0 || nummer >= static_cast<int>(rader_.size()))
        return;
    form_.Kor([&] {
        const tovana::Rutunderlag underlag = tovana::BeraknaRutunderlag(
            form_.Data(), rapport_->period, koder_, rader_[static_cast<std::size_t>(nummer)].ruta);
        std::vector<std::string> rader = underlag.konton;
        if (!underlag.konton.empty() && !underlag.poster.empty())
            rader.emplace_back();
        rader.insert(rader.end(), underlag.poster.begin(), underlag.poster.end());
        kontroller::FyllLista(ListBoxMomsPoster_, rader);
    });
}

void PanelMoms::BitBtnMomsUtskriftClick() {
    form_.Kor([&] {
        const tovana::Momsrapport &rapport = Berakna();
        auto utskrift =
            tovana::MomsrapportUtskrift(form_.Data(), rapport, koder_, Utskriftsdatum());
        AvslutaUtskrift(form_, utskrift);
    });
}

void PanelMoms::BitBtnMomsAvrakningClick() {
    form_.Kor([&] {
        auto &data = form_.Data();
        tovana::KontrolleraSkrivbarRedovisning(data);
        const tovana::Momsrapport rapport = Berakna();
        const int32_t avrakningskonto =
            tovana::LasMomsavrakningskonto(S(EditMomsAvrKonto_), "avräkningskontot");
        const int32_t oreskonto =
            tovana::LasMomsavrakningskonto(S(EditMomsOresKonto_), "öreskontot");
        const auto poster =
            tovana::BeraknaMomsavrakning(data, rapport.period, koder_, avrakningskonto, oreskonto);
        if (poster.empty())
            return;
        const QString fraga =
            QStringLiteral("Vill du bokföra momsavräkningen för %1 som verifikation %2? %3 förs "
                           "till konto %4.")
                .arg(Q(tovana::Periodtext(rapport.period)))
                .arg(poster.front().vernr)
                .arg(Q(tovana::MomsAttText(rapport.ruta49)))
                .arg(avrakningskonto);
        if (!form_.Desktop().Fraga(&form_.Agare(), fraga))
            return;
        const int32_t antal = tovana::SparaMomsavrakning(data, poster);
        Berakna();
        form_.Meddelande(QStringLiteral("Momsavräkningen är bokförd som verifikation %1 med %2 "
                                        "poster.")
                             .arg(poster.front().vernr)
                             .arg(antal));
    });
}

void PanelMoms::BitBtnMomsFilClick() {
    form_.Kor([&] {
        const tovana::Momsrapport rapport = Berakna();
        const std::string &orgnr = form_.Data().Foretaget.orgnr;
        // Told before the dialog: without the number there is no file to save.
        tovana::EskdOrganisationsnummer(orgnr);
        const QString fil = form_.ValjSparfil(QStringLiteral("*.xml"));
        if (fil.isEmpty())
            return;
        tovana::SparaMomsdeklaration(fil.toStdString(), rapport, orgnr);
        form_.Meddelande(QStringLiteral("Momsdeklarationen är sparad i ") + fil);
    });
}

PanelMoms *ByggMomspanel(Huvudfonster &form) {
    auto *panel = new PanelMoms(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::Momsrapport), &QAction::triggered, panel,
                     &PanelMoms::MomsrapportClick);
    return panel;
}
