#include "maintenance/ui/PanelRedRedigera.h"

#include "chart/Kontoredigering.h"
#include "core/Datum.h"
#include "maintenance/Postandring.h"
#include "maintenance/Rattelse.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <sys/stat.h>

using namespace kontroller;

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}
std::string S(const QString &text) {
    return text.toStdString();
}

tovana::Datum Idag() {
    const QDate idag = QDate::currentDate();
    return {idag.year(), idag.month(), idag.day()};
}

QLineEdit *Siffruta(QWidget *parent, const char *namn, int tecken) {
    auto *ruta = Ruta(parent, namn);
    ruta->setFixedWidth(ruta->fontMetrics().horizontalAdvance(QString(tecken, u'0')) + 14);
    return ruta;
}

} // namespace

PanelRedRedigera::PanelRedRedigera(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelRedRedigera"), QStringLiteral("LabelRedRedigeraRubrik"),
                  QStringLiteral("Ändra i en redovisad post")),
      form_(form) {
    EditAndraVernr_ = Siffruta(this, "EditAndraVernr", 7);
    EditAndraDatum_ = Siffruta(this, "EditAndraDatum", 10);
    EditAndrabelopp_ = Siffruta(this, "EditAndrabelopp", 14);
    EditAndradebet_ = Siffruta(this, "EditAndradebet", 8);
    EditAndraKredit_ = Siffruta(this, "EditAndraKredit", 8);
    EditAndraKod_ = Siffruta(this, "EditAndraKod", 8);
    EditAndraText_ = Ruta(this, "EditAndraText");
    BitBtnAndraSpara_ = Knapp(this, "BitBtnAndraSpara", QStringLiteral("Spara den ändrade posten"));
    LabelAndraRedBesked_ = Etikett(this, "LabelAndraRedBesked", QString());
    EditAndraRedNamn_ = Ruta(this, "EditAndraRedNamn");
    auto *BitBtnSparaRedNamn =
        Knapp(this, "BitBtnSparaRedNamn", QStringLiteral("Spara redovisningens interna namn"));
    LabelAndraRedNamnBesked_ = Etikett(this, "LabelAndraRedNamnBesked", QString());
    ListBoxvisaKplanRedRed_ = Lista(this, "ListBoxvisaKplanRedRed");
    ListBoxvisaKplanRedRed_->setFocusPolicy(Qt::NoFocus);
    BitBtnRedAndraRadera_ =
        Knapp(this, "BitBtnRedAndraRadera", QStringLiteral("Radera denna post (kan inte ångras)"));
    BitBtnRatta_ = Knapp(this, "BitBtnRatta", QStringLiteral("Rätta med rättelseverifikation"));
    LabelRattadGenom_ = Etikett(this, "LabelRattadGenom", QString());
    for (QLabel *besked : {LabelAndraRedBesked_, LabelAndraRedNamnBesked_}) {
        besked->setTextFormat(Qt::PlainText);
        besked->setWordWrap(true);
        kontroller::SattTypsnitt(besked, kontroller::Fet);
        // Room for the message before it comes, so nothing below it moves.
        kontroller::ReserveraRader(besked, 2);
    }
    // The buttons hidden after a save or a deletion keep their room.
    kontroller::BehallPlats(BitBtnAndraSpara_);
    kontroller::BehallPlats(BitBtnRedAndraRadera_);
    kontroller::BehallPlats(BitBtnRatta_);

    // The post: one row of boxes under their captions, the text below them.
    auto *post = new QGridLayout;
    post->setHorizontalSpacing(8);
    post->setVerticalSpacing(2);
    const std::pair<const char *, const char *> rubriker[] = {
        {"LabelAndraVernr", "Ver. nr."}, {"LabelAndraDatum", "Datum"},
        {"LabelAndraBelopp", "Belopp"},  {"LabelAndraDebet", "Debet"},
        {"LabelAndraKredit", "Kredit"},  {"LabelAndraKod", "Kod"}};
    QLineEdit *rad[] = {EditAndraVernr_, EditAndraDatum_,  EditAndrabelopp_,
                        EditAndradebet_, EditAndraKredit_, EditAndraKod_};
    for (int k = 0; k < 6; ++k) {
        post->addWidget(Etikett(this, rubriker[k].first, QString::fromUtf8(rubriker[k].second)), 0,
                        k);
        post->addWidget(rad[k], 1, k);
    }
    post->addWidget(Etikett(this, "LabelAndraText", QStringLiteral("Text")), 2, 0);
    post->addWidget(EditAndraText_, 3, 0, 1, 7);
    post->setColumnStretch(6, 1);

    auto *spara = new QHBoxLayout;
    spara->addWidget(BitBtnAndraSpara_);
    spara->addWidget(BitBtnRatta_);
    spara->addWidget(LabelRattadGenom_);
    spara->addStretch(1);

    auto *namn = new QGridLayout;
    namn->addWidget(
        Etikett(this, "LabelAndraRedNamn", QStringLiteral("Redovisningens interna namn:")), 0, 0, 1,
        2);
    namn->addWidget(EditAndraRedNamn_, 1, 0);
    namn->addWidget(BitBtnSparaRedNamn, 1, 1);
    namn->setColumnStretch(0, 1);

    auto *guide = Memo(this, "MemoAndraRed",
                       {QStringLiteral("Gör dina ändringar i rutorna ovan och klicka sedan på"),
                        QStringLiteral("knappen \"Spara den ändrade posten\"."), QString(),
                        QStringLiteral("Vill du radera posten helt så klicka på knappen"),
                        QStringLiteral("\"Radera\" längst ned till höger."), QString(),
                        QStringLiteral("Observera att det inte finns någon ångra-funktion"),
                        QStringLiteral("i dessa rutiner."), QString(),
                        QStringLiteral("\"Rätta med rättelseverifikation\" ändrar inget i"),
                        QStringLiteral("posten utan bokför en ny verifikation som vänder"),
                        QStringLiteral("den och, om rutorna ändrats, bokför den rätta."),
                        QStringLiteral("Så rättas en post i en stängd period.")});
    auto *mitt = new QHBoxLayout;
    auto *vanster = new QVBoxLayout;
    vanster->addWidget(guide);
    vanster->addStretch(1);
    mitt->addLayout(vanster);
    mitt->addWidget(ListBoxvisaKplanRedRed_, 1);

    auto *radera = new QHBoxLayout;
    radera->addStretch(1);
    radera->addWidget(BitBtnRedAndraRadera_);

    auto *layout = Innehall();
    layout->addLayout(post);
    layout->addLayout(spara);
    layout->addWidget(LabelAndraRedBesked_);
    layout->addSpacing(8);
    layout->addLayout(namn);
    layout->addWidget(LabelAndraRedNamnBesked_);
    layout->addSpacing(8);
    layout->addLayout(mitt, 1);
    layout->addLayout(radera);

    VidInga(EditAndradebet_, [this] { EditAndradebetEnter(); });
    VidInga(EditAndraKredit_, [this] { EditAndraKreditEnter(); });
    VidInga(EditAndraKod_, [this] { EditAndraKodEnter(); });
    connect(BitBtnAndraSpara_, &QPushButton::clicked, this,
            &PanelRedRedigera::BitBtnAndraSparaClick);
    connect(BitBtnRedAndraRadera_, &QPushButton::clicked, this,
            &PanelRedRedigera::BitBtnRedAndraRaderaClick);
    connect(BitBtnSparaRedNamn, &QPushButton::clicked, this,
            &PanelRedRedigera::BitBtnSparaRedNamnClick);
    connect(BitBtnRatta_, &QPushButton::clicked, this, &PanelRedRedigera::BitBtnRattaClick);
}

void PanelRedRedigera::VisaKontolista() {
    FyllLista(ListBoxvisaKplanRedRed_, tovana::Kontorader(form_.Data()));
}

void PanelRedRedigera::EditAndradebetEnter() {
    VisaKontolista();
}

void PanelRedRedigera::EditAndraKreditEnter() {
    VisaKontolista();
}

void PanelRedRedigera::EditAndraKodEnter() {
    VisaKontolista();
}

void PanelRedRedigera::DoljPostknappar() {
    BitBtnAndraSpara_->hide();
    BitBtnRedAndraRadera_->hide();
    BitBtnRatta_->hide();
}

const std::vector<tovana::Loggpost> &PanelRedRedigera::Rattelseposter() {
    const std::string logg = tovana::Loggfil(form_.Data().Redovisningsfil);
    struct stat st {};
    const long long storlek = ::stat(logg.c_str(), &st) == 0 ? st.st_size : -1;
    if (logg != rattelselogg_ || storlek != rattelseloggStorlek_) {
        rattelseposter_.clear();
        if (storlek >= 0)
            for (tovana::Loggpost &post : tovana::LasLogg(logg))
                if (post.vad == tovana::loggtyp::kRattelse)
                    rattelseposter_.push_back(std::move(post));
        rattelselogg_ = logg;
        rattelseloggStorlek_ = storlek;
    }
    return rattelseposter_;
}

void PanelRedRedigera::LPDblClick(const QString &etikettext) {
    form_.Kor([&] {
        const auto &data = form_.Data();
        // A row without a post, or the zero slot of an empty ledger, opens nothing,
        // so that saving and deleting only ever act on a post.
        const auto plats = tovana::PostnummerIEtikett(data, S(etikettext));
        if (!plats)
            return;
        form_.VisaArbetspanel(this);
        Aktuellpost_ = *plats;
        const tovana::TPost &aktuell = data.Poster[Aktuellpost_];
        // A post of a closed period is corrected only by a correction verification.
        const bool stangd = tovana::IStangdPeriod(data, aktuell.datum);
        BitBtnAndraSpara_->setVisible(!stangd);
        BitBtnRedAndraRadera_->setVisible(!stangd);
        BitBtnRatta_->show();
        LabelAndraRedBesked_->clear();
        if (stangd)
            LabelAndraRedBesked_->setText(
                QStringLiteral("Posten ligger i en stängd period och kan bara rättas med en "
                               "rättelseverifikation."));
        LabelAndraRedNamnBesked_->clear();
        LabelRattadGenom_->setText(
            Q(tovana::RattadGenomText(tovana::RattadGenom(Rattelseposter(), aktuell))));
        const tovana::Postrutor rutor = tovana::Andringsrutor(aktuell);
        EditAndraVernr_->setText(Q(rutor.vernr));
        EditAndraDatum_->setText(Q(rutor.datum));
        EditAndrabelopp_->setText(Q(rutor.belopp));
        EditAndradebet_->setText(Q(rutor.debet));
        EditAndraKredit_->setText(Q(rutor.kredit));
        EditAndraKod_->setText(Q(rutor.kod));
        EditAndraText_->setText(Q(rutor.text));
        EditAndraRedNamn_->setText(Q(data.Redovisningsnamn));
        EditAndraVernr_->setFocus(Qt::OtherFocusReason);
    });
}

tovana::Postrutor PanelRedRedigera::Rutorna() const {
    return {S(EditAndraVernr_->text()), S(EditAndraDatum_->text()),  S(EditAndrabelopp_->text()),
            S(EditAndradebet_->text()), S(EditAndraKredit_->text()), S(EditAndraKod_->text()),
            S(EditAndraText_->text())};
}

bool PanelRedRedigera::VisaAndringsfel(tovana::Andringsfel fel) {
    const auto avbryt = [this](const char *text, QLineEdit *ruta) {
        form_.Meddelande(QString::fromUtf8(text));
        // The window may not be active again yet, so the box may not get its
        // focus event: its list is shown here.
        ruta->setFocus(Qt::OtherFocusReason);
        VisaKontolista();
    };
    switch (fel) {
    case tovana::Andringsfel::Debet:
        avbryt("Kontonumret i debetrutan finns inte i kontoplanen. Spararutinen avbryts",
               EditAndradebet_);
        return true;
    case tovana::Andringsfel::Kredit:
        avbryt("Kontonumret i kreditrutan finns inte i kontoplanen. Spararutinen avbryts",
               EditAndraKredit_);
        return true;
    case tovana::Andringsfel::Kod:
        avbryt("Kodnumret i kodrutan finns inte i kontoplanen. Spararutinen avbryts",
               EditAndraKod_);
        return true;
    case tovana::Andringsfel::Datum:
        form_.Meddelande(Q(tovana::kOlasbartDatum));
        EditAndraDatum_->setFocus(Qt::OtherFocusReason);
        return true;
    case tovana::Andringsfel::Inget:
        break;
    }
    return false;
}

void PanelRedRedigera::BitBtnAndraSparaClick() {
    form_.Kor([&] {
        if (VisaAndringsfel(tovana::AndraPost(form_.Data(), Aktuellpost_, Rutorna())))
            return;
        LabelAndraRedBesked_->setText(QStringLiteral(
            "Den aktuella posten är ändrad. Använd menyerna ovan för fortsatt arbete."));
        DoljPostknappar();
        ListBoxvisaKplanRedRed_->clear();
    });
}

void PanelRedRedigera::BitBtnRedAndraRaderaClick() {
    form_.Kor([&] {
        tovana::RaderaPost(form_.Data(), Aktuellpost_);
        LabelAndraRedBesked_->setText(QStringLiteral(
            "Den aktuella posten är raderad. Använd menyerna ovan för fortsatt arbete."));
        DoljPostknappar();
    });
}

void PanelRedRedigera::BitBtnSparaRedNamnClick() {
    form_.Kor([&] {
        tovana::BytRedovisningsnamn(form_.Data(), S(EditAndraRedNamn_->text()));
        form_.VisaAktuellRedovisning();
        LabelAndraRedNamnBesked_->setText(
            QStringLiteral("Redovisningens interna namn är ändrat. Använd menyerna ovan för "
                           "fortsatt arbete."));
    });
}

void PanelRedRedigera::BitBtnRattaClick() {
    form_.Kor([&] {
        tovana::Rattelse rattelse;
        if (VisaAndringsfel(
                tovana::SparaRattelse(form_.Data(), Aktuellpost_, Rutorna(), Idag(), rattelse)))
            return;
        LabelAndraRedBesked_->setText(
            QStringLiteral("Posten är rättad genom verifikation %1. Använd menyerna ovan för "
                           "fortsatt arbete.")
                .arg(rattelse.vernr));
        LabelRattadGenom_->setText(Q(tovana::RattadGenomText(
            tovana::RattadGenom(Rattelseposter(), form_.Data().Poster[Aktuellpost_]))));
        DoljPostknappar();
        ListBoxvisaKplanRedRed_->clear();
    });
}
