#include "entry/ui/Kontosok.h"

#include "core/Kontoklasser.h"
#include "entry/Kontolistor.h"
#include "ui/Kontroller.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

Kontosok::Kontosok(const tovana::Bokforingsdata &data, QWidget *parent)
    : QWidget(parent), data_(data) {
    setObjectName(QStringLiteral("Kontosok"));

    auto *guide = kontroller::Radbrytande(
        this, "LabelKlickaKnappar", QStringLiteral("Klicka på knapparna för att visa kontoplanen"));

    // The buttons' objectNames, left to right in class order.
    static const char *const kKnappnamn[] = {"BitBtnT", "BitBtnE", "BitBtnOR", "BitBtnS",
                                             "BitBtnI", "BitBtnK", "BitBtnBD", "BitBtnKod"};
    static_assert(std::size(kKnappnamn) == tovana::kSistaKlass);
    auto *knapprad = new QHBoxLayout;
    knapprad->setSpacing(2);
    for (const tovana::Kontoklass &klass : tovana::Kontoklasser()) {
        // As narrow as the caption allows, so the row fits beside the effect area.
        auto *knapp = kontroller::Stilsatt(
            kontroller::Knapp(this, kKnappnamn[klass.nummer - tovana::kForstaKlass],
                              QString::fromStdString(klass.knapp)),
            kontroller::Vanlig, 0.9);
        knapp->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        knapp->setMinimumWidth(QFontMetrics(knapp->font()).horizontalAdvance(knapp->text()) + 12);
        connect(knapp, &QPushButton::clicked, this,
                [this, nummer = klass.nummer] { Visa(tovana::KontonIKlass(data_, nummer)); });
        knapprad->addWidget(knapp);
        knappar_.append(knapp);
    }

    lista_ = kontroller::Lista(this, "ListBoxvisaKonton");
    lista_->setFocusPolicy(Qt::NoFocus);
    lista_->setStyleSheet(QStringLiteral("QListWidget { background-color: rgb(255, 251, 240); }"));

    auto *yta = new QVBoxLayout(this);
    yta->setContentsMargins(0, 0, 0, 0);
    yta->addWidget(guide);
    yta->addLayout(knapprad);
    yta->addWidget(lista_, 1);
}

void Kontosok::Tom() {
    lista_->clear();
}

void Kontosok::Visa(const std::vector<std::string> &rader) {
    lista_->clear();
    for (const std::string &rad : rader)
        lista_->addItem(QString::fromStdString(rad));
}

void Kontosok::KontoAndrat(const QString &text) {
    if (auto rader = tovana::ListaVidKontoandring(data_, text.toStdString()))
        Visa(*rader);
}

void Kontosok::KodAndrad(const QString &text) {
    if (auto rader = tovana::ListaVidKodandring(data_, text.toStdString()))
        Visa(*rader);
}

void Kontosok::VisaKoder() {
    Visa(tovana::KontonIKlass(data_, tovana::kKoder));
}

QListWidget *Kontosok::Lista() const {
    return lista_;
}

QList<QWidget *> Kontosok::Knappar() const {
    return knappar_;
}
