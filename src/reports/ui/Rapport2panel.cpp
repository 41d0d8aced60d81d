#include "reports/ui/Rapport2panel.h"

#include "core/Taltext.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kKontoutdragFor = QStringLiteral("Kontoutdrag för ");

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

using kontroller::Etikett;
using kontroller::Knapp;

Panelrapport2::Panelrapport2(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("Panelrapport2"), QStringLiteral("Labelrubrik"), kKontoutdragFor),
      form_(form) {
    Labelrubrik_ = Rubrik();

    auto *rad = new QHBoxLayout;
    Innehall()->addLayout(rad, 1);

    // The grid and, under it, the paging buttons of both reports.
    auto *vanster = new QVBoxLayout;
    rad->addLayout(vanster, 1);
    auto *rutnat = new QGridLayout;
    ByggRutnat(rutnat);
    vanster->addLayout(rutnat);
    vanster->addStretch(1);
    auto *bladdra = new QHBoxLayout;
    BitBtnBakat_ = Knapp(this, "BitBtnBakat", QStringLiteral("Bläddra bakåt"));
    BitBtnframat_ = Knapp(this, "BitBtnframat", QStringLiteral("Bläddra framåt"));
    BitBtnDagbokBakat_ =
        Knapp(this, "BitBtnDagbokBakat", QStringLiteral("Bläddra tillbaka i dagboken"));
    BitBtnDagbokFramat_ =
        Knapp(this, "BitBtnDagbokFramat", QStringLiteral("Bläddra framåt i dagboken"));
    for (auto *knapp : {BitBtnBakat_, BitBtnframat_, BitBtnDagbokBakat_, BitBtnDagbokFramat_}) {
        bladdra->addWidget(knapp);
        knapp->hide();
    }
    bladdra->addStretch(1);
    vanster->addLayout(bladdra);

    // The account box and its pick list.
    auto *hoger = new QVBoxLayout;
    rad->addLayout(hoger);
    Labelanvisning_ =
        Etikett(this, QStringLiteral("Labelanvisning"), QStringLiteral("Ange kontonumret här:"));
    Editvisakonto_ = kontroller::Ruta(this, "Editvisakonto");
    BitBtnvisakonto_ = Knapp(this, "BitBtnvisakonto", QStringLiteral("Visa kontoutdraget"));
    LabelRappVisaKontonRubrik_ = Etikett(this, QStringLiteral("LabelRappVisaKontonRubrik"),
                                         QStringLiteral("Dubbelklicka för att välja  konto:"));
    ListBoxrapp_ = kontroller::Lista(this, "ListBoxrapp");
    ListBoxrapp_->setMinimumWidth(
        QFontMetrics(ListBoxrapp_->font()).horizontalAdvance(QString(36, QLatin1Char('M'))) / 2);
    hoger->addWidget(Labelanvisning_);
    hoger->addWidget(Editvisakonto_);
    hoger->addWidget(BitBtnvisakonto_);
    hoger->addSpacing(12);
    hoger->addWidget(LabelRappVisaKontonRubrik_);
    hoger->addWidget(ListBoxrapp_, 1);

    // Enter in the account box shows the statement.
    kontroller::SattEgenEnter(Editvisakonto_);
    connect(Editvisakonto_, &QLineEdit::returnPressed, this, &Panelrapport2::BitBtnvisakontoClick);
    // The page keys work wherever the focus is while the panel shows.
    for (const auto &[tangent, framat] :
         {std::pair{Qt::Key_PageDown, true}, std::pair{Qt::Key_PageUp, false}}) {
        auto *genvag = new QShortcut(QKeySequence(tangent), this);
        const bool steg = framat;
        connect(genvag, &QShortcut::activated, this, [this, steg] { Bladdra(steg); });
    }

    kontroller::VidInga(Editvisakonto_, [this] { EditvisakontoEnter(); });
    kontroller::VidInga(ListBoxrapp_, [this] { ListBoxrappEnter(); });
    // The pick list keeps its own page keys while it has the focus.
    kontroller::BehallSidtangenter(ListBoxrapp_);
    connect(Editvisakonto_, &QLineEdit::textChanged, this, &Panelrapport2::EditvisakontoChange);
    connect(ListBoxrapp_, &QListWidget::itemDoubleClicked, this, [this] { ListBoxrappDblClick(); });
    connect(BitBtnvisakonto_, &QPushButton::clicked, this, &Panelrapport2::BitBtnvisakontoClick);
    connect(BitBtnframat_, &QPushButton::clicked, this, &Panelrapport2::BitBtnframatClick);
    connect(BitBtnBakat_, &QPushButton::clicked, this, &Panelrapport2::BitBtnBakatClick);
    connect(BitBtnDagbokFramat_, &QPushButton::clicked, this,
            &Panelrapport2::BitBtnDagbokFramatClick);
    connect(BitBtnDagbokBakat_, &QPushButton::clicked, this,
            &Panelrapport2::BitBtnDagbokBakatClick);
}

void Panelrapport2::ByggRutnat(QGridLayout *rutnat) {
    struct Kolumninfo {
        const char *rubriknamn;
        const char *radprefix;
        const char *rubrik;
        const char *bredast; // the widest text the column shows
    };
    static const Kolumninfo kolumner[Kolumner] = {
        {"Lve0", "Lve", "Ver.nr.", "-2147483648"},
        {"Lda0", "Ldm", "Datum", "88888888"},
        {"Lde0", "Lde", "Debet", "-8 888 888 888,88"},
        {"Lkr0", "Lkr", "Kredit", "-8 888 888 888,88"},
        {"Lsa0", "Lsa", "Saldo", "-8 888 888 888,88"},
        {"Lkd0", "Lkd", "Kod", "-2147483648"},
        {"Lte0", "Lte", "Text", ""},
    };
    rutnat->setHorizontalSpacing(14);
    rutnat->setVerticalSpacing(0);
    const QFontMetrics matt(font());
    for (int k = 0; k < Kolumner; ++k) {
        const auto &kolumn = kolumner[k];
        const Qt::Alignment justering =
            (k == Te ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        for (int rad = 0; rad <= tovana::kSidrader; ++rad) {
            const QString namn = rad == 0
                                     ? QString::fromUtf8(kolumn.rubriknamn)
                                     : QString::fromUtf8(kolumn.radprefix) + QString::number(rad);
            auto *cell =
                Etikett(this, namn, rad == 0 ? QString::fromUtf8(kolumn.rubrik) : QString());
            cell->setAlignment(justering);
            if (rad == 0)
                kontroller::SattTypsnitt(cell, kontroller::Fet);
            if (k == Te)
                cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            rutnat->addWidget(cell, rad, k);
            celler_[k][rad] = cell;
        }
        if (k != Te)
            rutnat->setColumnMinimumWidth(
                k, matt.horizontalAdvance(QString::fromUtf8(kolumn.bredast)) + 4);
    }
    rutnat->setColumnStretch(Te, 1);
    for (int rad = 0; rad <= tovana::kSidrader; ++rad)
        rutnat->setRowMinimumHeight(rad, matt.height() + 2);
}

void Panelrapport2::SattCell(Kolumn kolumn, int rad, const std::string &text) {
    QLabel *cell = Cell(kolumn, rad);
    cell->setText(Text(text));
    if (kolumn == Te)
        cell->setToolTip(cell->text());
}

void Panelrapport2::RensaRapportrutor() {
    for (int k = 0; k < Kolumner; ++k) {
        const int forsta = (k == Kd || k == Te) ? 0 : 1;
        for (int rad = forsta; rad <= tovana::kSidrader; ++rad)
            SattCell(static_cast<Kolumn>(k), rad, {});
    }
}

void Panelrapport2::FyllValslista(const std::vector<std::string> &rader) {
    ListBoxrapp_->clear();
    for (const auto &rad : rader)
        ListBoxrapp_->addItem(Text(rad));
}

bool Panelrapport2::Bladdra(bool framat) {
    const bool dagbok = BitBtnDagbokFramat_->isVisibleTo(this);
    if (!dagbok && !BitBtnframat_->isVisibleTo(this))
        return false;
    if (!(framat ? sida_.Framat(dagbok ? Dagboksantal_ : Radantal()) : sida_.Bakat()))
        return false;
    if (dagbok)
        VisaDagbokssida();
    else
        VisaKontoutdragssida();
    return true;
}

void Panelrapport2::wheelEvent(QWheelEvent *handelse) {
    // A notch (120) is a page, towards the user forward. At either end the
    // wheel goes on to the panel area, which scrolls when the window is small.
    constexpr int kSteg = 120;
    hjul_ += handelse->angleDelta().y();
    bool bladdrat = std::abs(hjul_) < kSteg;
    while (std::abs(hjul_) >= kSteg) {
        const bool framat = hjul_ < 0;
        hjul_ += framat ? kSteg : -kSteg;
        bladdrat = Bladdra(framat) || bladdrat;
    }
    if (bladdrat && (BitBtnDagbokFramat_->isVisibleTo(this) || BitBtnframat_->isVisibleTo(this))) {
        handelse->accept();
    } else {
        hjul_ = 0;
        handelse->ignore();
    }
}

// The account statement.

void Panelrapport2::RapportKontoClick() {
    form_.VisaArbetspanel(this);
    ListBoxrapp_->show();
    ListBoxrapp_->clear();
    BitBtnvisakonto_->show();
    Editvisakonto_->show();
    Editvisakonto_->clear();
    Labelanvisning_->show();
    LabelRappVisaKontonRubrik_->show();
    BitBtnBakat_->hide();
    BitBtnframat_->hide();
    BitBtnDagbokBakat_->hide();
    BitBtnDagbokFramat_->hide();
    Labelrubrik_->setText(kKontoutdragFor);
    RensaRapportrutor();
}

void Panelrapport2::EditvisakontoEnter() {
    FyllValslista(tovana::Kontovalslista(form_.Data()));
}

void Panelrapport2::ListBoxrappEnter() {
    FyllValslista(tovana::Kontovalslista(form_.Data()));
}

void Panelrapport2::EditvisakontoChange(const QString &text) {
    if (text.size() != 1)
        return;
    FyllValslista(tovana::KontonSomBorjarMed(form_.Data(), text.toStdString()));
}

void Panelrapport2::ListBoxrappDblClick() {
    // The heading line names no account, and without a selection there is none.
    const int rad = ListBoxrapp_->currentRow();
    if (rad < 1 || !ListBoxrapp_->item(rad)->isSelected())
        return;
    Editvisakonto_->setText(
        Text(tovana::NummerIValrad(ListBoxrapp_->item(rad)->text().toStdString())));
}

void Panelrapport2::BitBtnvisakontoClick() {
    form_.Kor([&] {
        Kontoutdragslinjer_.clear();
        Cell(De, 0)->setText(QStringLiteral("Debet"));
        Cell(Kr, 0)->setText(QStringLiteral("Kredit"));
        Cell(Sa, 0)->setText(QStringLiteral("Saldo"));
        Cell(Te, 0)->clear();
        ListBoxrapp_->clear();
        sida_.Sidstart = 0;

        const QString text = Editvisakonto_->text();
        if (text.size() < 2)
            return;
        auto utdrag = tovana::ByggKontoutdragslinjer(form_.Data(),
                                                     tovana::TextTillHeltal(text.toStdString()));
        Kontoutdragslinjer_ = std::move(utdrag.linjer);
        if (utdrag.hittat)
            Labelrubrik_->setText(kKontoutdragFor + Text(utdrag.namn));
        if (Radantal() > tovana::kSidrader) {
            BitBtnframat_->show();
            BitBtnBakat_->show();
        }
        VisaKontoutdragssida();
    });
}

void Panelrapport2::VisaKontoutdragssida() {
    static const tovana::Trapport2 tom;
    for (int k = 1; k <= tovana::kSidrader; ++k) {
        const int i = sida_.Sidstart + k - 1;
        const auto rad = i < Radantal() ? tovana::Kontoutdragsrad(Kontoutdragslinjer_[i]) : tom;
        SattCell(Ve, k, rad.vernr);
        SattCell(Dm, k, rad.datum);
        SattCell(De, k, rad.debet);
        SattCell(Kr, k, rad.kredit);
        SattCell(Sa, k, rad.saldo);
    }
}

void Panelrapport2::BitBtnframatClick() {
    if (sida_.Framat(Radantal()))
        VisaKontoutdragssida();
}

void Panelrapport2::BitBtnBakatClick() {
    if (sida_.Bakat())
        VisaKontoutdragssida();
}

// The journal.

void Panelrapport2::DagbokClick() {
    const auto &data = form_.Data();
    form_.VisaArbetspanel(this);
    RensaRapportrutor();
    Cell(Kd, 0)->setText(data.KoderFinns ? QStringLiteral("Kod") : QString());
    Dagboksantal_ = data.Postantal;
    for (QWidget *del : std::initializer_list<QWidget *>{
             ListBoxrapp_, Labelanvisning_, Editvisakonto_, LabelRappVisaKontonRubrik_,
             BitBtnvisakonto_, BitBtnframat_, BitBtnBakat_})
        del->hide();
    Labelrubrik_->setText(QStringLiteral("Dagbok"));
    Cell(De, 0)->setText(QStringLiteral("Belopp"));
    Cell(Kr, 0)->setText(QStringLiteral("Debet"));
    Cell(Sa, 0)->setText(QStringLiteral("Kredit"));
    Cell(Te, 0)->setText(QStringLiteral("Text"));
    Cell(Te, 0)->show();
    sida_.Sidstart = 0;
    if (Dagboksantal_ > tovana::kSidrader) {
        BitBtnDagbokBakat_->show();
        BitBtnDagbokFramat_->show();
    }
    VisaDagbokssida();
}

void Panelrapport2::VisaDagbokssida() {
    static const tovana::Dagboksrad tom;
    // The posts of the page, no further than the journal reached when it opened.
    const int antal = std::min(tovana::kSidrader, Dagboksantal_ - sida_.Sidstart);
    const auto rader = tovana::ByggDagbokssida(form_.Data(), sida_.Sidstart, antal);
    for (int k = 1; k <= tovana::kSidrader; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const auto &rad = i < rader.size() ? rader[i] : tom;
        SattCell(Ve, k, rad.vernr);
        SattCell(Dm, k, rad.datum);
        SattCell(De, k, rad.belopp);
        SattCell(Kr, k, rad.debet);
        SattCell(Sa, k, rad.kredit);
        SattCell(Kd, k, rad.kod);
        SattCell(Te, k, rad.text);
    }
}

void Panelrapport2::BitBtnDagbokFramatClick() {
    if (sida_.Framat(Dagboksantal_))
        VisaDagbokssida();
}

void Panelrapport2::BitBtnDagbokBakatClick() {
    if (sida_.Bakat())
        VisaDagbokssida();
}
