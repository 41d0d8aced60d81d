#include "chart/ui/PanelMomskoder.h"
#include "core/Menynamn.h"

#include "chart/Momskodredigering.h"
#include "core/Momskodfil.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using kontroller::Etikett;
using kontroller::Ruta;

PanelMomskoder::PanelMomskoder(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelMomskoder"), QStringLiteral("LabelMomskoderRubrik"),
                  QStringLiteral("Momsrutor för kontoplanens konton")),
      form_(form) {
    auto *layout = Innehall();
    layout->addWidget(kontroller::Radbrytande(
        this, "LabelMomskoderInfo",
        QStringLiteral("Varje konto visas med den ruta i momsdeklarationen som det hör till. "
                       "Skriv ett konto och en ruta (till exempel 05 eller 48), eller lämna "
                       "rutan tom för ingen ruta, och spara. Valen sparas i en fil bredvid "
                       "kontoplanen.")));
    ListBoxMomskoder_ = kontroller::Lista(this, "ListBoxMomskoder");
    ListBoxMomskoder_->setFont(kontroller::Fastbredd());
    layout->addWidget(ListBoxMomskoder_, 1);

    auto *falt = new QGridLayout;
    EditMomskodKonto_ = Ruta(this, "EditMomskodKonto");
    EditMomskodKonto_->setMaxLength(9);
    EditMomskodRuta_ = Ruta(this, "EditMomskodRuta");
    EditMomskodRuta_->setMaxLength(2);
    falt->addWidget(Etikett(this, "LabelMomskodKonto", QStringLiteral("Konto")), 0, 0);
    falt->addWidget(EditMomskodKonto_, 0, 1);
    falt->addWidget(Etikett(this, "LabelMomskodRuta", QStringLiteral("Ruta")), 0, 2);
    falt->addWidget(EditMomskodRuta_, 0, 3);
    auto *spara = kontroller::Knapp(this, "BitBtnMomskodSpara", QStringLiteral("Spara momsrutan"));
    falt->addWidget(spara, 0, 4);
    falt->setColumnStretch(5, 1);
    layout->addLayout(falt);
    LabelMomskodBesked_ = kontroller::Radbrytande(this, "LabelMomskodBesked");
    layout->addWidget(LabelMomskodBesked_);

    setTabOrder(EditMomskodKonto_, EditMomskodRuta_);
    setTabOrder(EditMomskodRuta_, spara);
    connect(spara, &QPushButton::clicked, this, &PanelMomskoder::BitBtnMomskodSparaClick);
    connect(ListBoxMomskoder_, &QListWidget::currentRowChanged, this, &PanelMomskoder::ValjRad);
}

void PanelMomskoder::Fyll(const tovana::Momskoder &koder) {
    const QSignalBlocker tyst(ListBoxMomskoder_);
    kontroller::FyllLista(ListBoxMomskoder_, tovana::Momskodrader(form_.Data(), koder));
}

void PanelMomskoder::ValjRad(int rad) {
    // "3010  Försäljning  05": the account before the first blank, the box after the last.
    const QListWidgetItem *post = ListBoxMomskoder_->item(rad);
    if (!post)
        return;
    const QString text = post->text();
    const QString ruta = text.section(QLatin1Char(' '), -1);
    EditMomskodKonto_->setText(text.section(QLatin1Char(' '), 0, 0));
    EditMomskodRuta_->setText(ruta == QStringLiteral("\u2013") ? QString() : ruta);
}

void PanelMomskoder::MomskoderClick() {
    form_.VisaArbetspanel(this);
    LabelMomskodBesked_->clear();
    ListBoxMomskoder_->clear();
    form_.Kor([&] { Fyll(tovana::KontoplanensMomskoder(form_.Data())); });
    EditMomskodKonto_->setFocus();
}

void PanelMomskoder::BitBtnMomskodSparaClick() {
    form_.Kor([&] {
        const auto &data = form_.Data();
        const auto koder = tovana::SparaMomskod(data, EditMomskodKonto_->text().toStdString(),
                                                EditMomskodRuta_->text().toStdString());
        Fyll(koder);
        LabelMomskodBesked_->setText(QStringLiteral("Sparat i ") +
                                     QString::fromStdString(tovana::Momskodfil(data.Kontoplanfil)));
    });
}

PanelMomskoder *ByggMomskodpanel(Huvudfonster &form) {
    auto *panel = new PanelMomskoder(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::Momskoder), &QAction::triggered, panel,
                     &PanelMomskoder::MomskoderClick);
    return panel;
}
