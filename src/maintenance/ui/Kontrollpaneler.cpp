#include "maintenance/ui/Kontrollpaneler.h"
#include "core/Menynamn.h"

#include "maintenance/Kontroll.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Knapp;
using kontroller::Lista;

PanelKollaRed::PanelKollaRed(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelKollaRed"), QStringLiteral("LabelKollRubrik"),
                  QStringLiteral("Rutin för att kontrollera att alla konton som används i "
                                 "redovisningen finns i kontoplanen")),
      form_(form) {
    auto *layout = Innehall();
    const char *namn[] = {"LabelKollBeskrivning1", "LabelKollBeskrivning2", "LabelKollBeskrivning3",
                          "LabelKollBeskrivning4"};
    const QString rader[] = {
        QStringLiteral("Tovana tillåter att du använder olika kontoplaner för olika "
                       "redovisningar. "),
        QStringLiteral("Med den här rutinen kan du kontrollera att alla kontonummer i "
                       "redovisningen"),
        QStringLiteral(" finns i den aktuella kontoplanen. i rutan här nedan visas ev. "
                       "kontonummer"),
        QStringLiteral("som inte finns i kontoplanen."),
    };
    for (int i = 0; i < 4; ++i)
        layout->addWidget(Etikett(this, namn[i], rader[i]));
    layout->addSpacing(8);
    layout->addWidget(Etikett(this, "LabelKollBeskrivning5",
                              QStringLiteral("Många rapporter blir felaktiga om du inte "
                                             "kompletterar kontoplanen med följande konton:")));
    ListBoxKoll_ = Lista(this, "ListBoxKoll");
    layout->addWidget(ListBoxKoll_, 1);
}

void PanelKollaRed::KollKplanClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        ListBoxKoll_->clear();
        auto rader = tovana::SaknadeKonton(form_.Data());
        if (rader.empty())
            rader.push_back(tovana::kAllaKontonFinns);
        if (auto obalanserade = tovana::ObalanseradeVerifikationer(form_.Data());
            !obalanserade.empty()) {
            rader.push_back(std::string());
            rader.push_back(tovana::kObalanseradeRubrik);
            rader.insert(rader.end(), obalanserade.begin(), obalanserade.end());
        }
        if (auto nummerfel = tovana::Verifikationsnummerfel(form_.Data()); !nummerfel.empty()) {
            rader.push_back(std::string());
            rader.insert(rader.end(), nummerfel.begin(), nummerfel.end());
        }
        if (auto sena = tovana::RegistreradeEfterStangning(form_.Data()); !sena.empty()) {
            rader.push_back(std::string());
            rader.push_back(tovana::kRegistreradeEfterStangningRubrik);
            rader.insert(rader.end(), sena.begin(), sena.end());
        }
        kontroller::FyllLista(ListBoxKoll_, rader);
    });
}

Paneloanvandakonton::Paneloanvandakonton(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("Paneloanvandakonton"), QStringLiteral("Labeloanvrubrik"),
                  QStringLiteral("Följande konton/koder finns i kontoplanen men används inte i "
                                 "redovisningen")),
      form_(form) {
    auto *layout = Innehall();
    ListBoxOanv_ = Lista(this, "ListBoxOanv");
    layout->addWidget(ListBoxOanv_, 1);
    layout->addWidget(Etikett(this, "LabelOanvRubrik2",
                              QStringLiteral("Dubbelklicka på ett konto om du vill radera "
                                             "kontot/koden från kontoplanen")));
    Labelraderabesked_ = Etikett(this, "Labelraderabesked", QString());
    // A long message wraps within the panel in the room held for it.
    Labelraderabesked_->setWordWrap(true);
    kontroller::ReserveraRader(Labelraderabesked_, 2);
    layout->addWidget(Labelraderabesked_);

    auto *spara = new QHBoxLayout;
    BitBtnOanvSpara_ =
        Knapp(this, "BitBtnOanvSpara", QStringLiteral("Spara den ändrade kontoplanen"));
    BitBtnOanvSpara_->hide();
    LabelOanvSpara_ = Etikett(this, "LabelOanvSpara",
                              QStringLiteral("Den ändrade kontoplanen har sparats på disk."));
    LabelOanvSpara_->hide();
    // The button and its note take turns in one place, which stays.
    kontroller::BehallPlats(BitBtnOanvSpara_);
    kontroller::BehallPlats(LabelOanvSpara_);
    spara->addWidget(BitBtnOanvSpara_);
    spara->addWidget(LabelOanvSpara_);
    spara->addStretch(1);
    layout->addLayout(spara);

    connect(ListBoxOanv_, &QListWidget::itemDoubleClicked, this,
            &Paneloanvandakonton::ListBoxOanvDblClick);
    connect(BitBtnOanvSpara_, &QPushButton::clicked, this,
            &Paneloanvandakonton::BitBtnOanvSparaClick);
}

void Paneloanvandakonton::VisaOanvanda() {
    ListBoxOanv_->clear();
    slots_.clear();
    std::vector<std::string> rader;
    for (auto &konto : tovana::OanvandaKontoplatser(form_.Data())) {
        slots_.push_back(konto.slot);
        rader.push_back(std::move(konto.rad));
    }
    kontroller::FyllLista(ListBoxOanv_, rader);
}

void Paneloanvandakonton::OanvClick() {
    form_.Kor([&] {
        form_.VisaArbetspanel(this);
        ListBoxOanv_->clear();
        slots_.clear();
        LabelOanvSpara_->hide();
        if (form_.Data().Kontoantal <= 0)
            return;
        VisaOanvanda();
    });
}

void Paneloanvandakonton::ListBoxOanvDblClick(QListWidgetItem *rad) {
    form_.Kor([&] {
        const int radnr = rad ? ListBoxOanv_->row(rad) : ListBoxOanv_->currentRow();
        if (radnr < 0 || radnr >= static_cast<int>(slots_.size()))
            return;
        // Each line names its own slot, so the account removed is the one chosen
        // even when another account carries the same number.
        const std::string besked = tovana::TaBortOanvantKonto(form_.Data(), slots_[radnr]);
        if (!besked.empty()) {
            BitBtnOanvSpara_->show();
            LabelOanvSpara_->hide();
            Labelraderabesked_->setText(QString::fromStdString(besked));
        }
        VisaOanvanda();
    });
}

void Paneloanvandakonton::BitBtnOanvSparaClick() {
    form_.Kor([&] {
        tovana::SparaReduceradKontoplan(form_.Data());
        BitBtnOanvSpara_->hide();
        LabelOanvSpara_->show();
    });
}

Kontrollpaneler ByggKontrollpaneler(Huvudfonster &form) {
    auto *kolla = new PanelKollaRed(form);
    form.RegistreraArbetspanel(kolla);
    QObject::connect(form.Menyval(tovana::meny::KollKplan), &QAction::triggered, kolla,
                     &PanelKollaRed::KollKplanClick);

    auto *oanvanda = new Paneloanvandakonton(form);
    form.RegistreraArbetspanel(oanvanda);
    QObject::connect(form.Menyval(tovana::meny::Oanv), &QAction::triggered, oanvanda,
                     &Paneloanvandakonton::OanvClick);
    return {kolla, oanvanda};
}
