#pragma once
// The two panels of the ledger's closed periods and change log: closing a
// period and opening it again ("Stäng eller öppna en period"), and the
// processing history, newest first, narrowed to one verification number and
// printed through the printout frame ("Behandlingshistorik").

#include "maintenance/Historik.h"
#include "ui/Arbetspanel.h"

#include <cstddef>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;

class PanelPerioder final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelPerioder(Huvudfonster &form);

    // Shows the panel with the ledger's state.
    void PerioderClick();
    // "Stäng perioden" through the date of EditStangTom.
    void BitBtnStangClick();
    // "Öppna igen" from the date of EditOppnaFran for the reason of EditOppnaSkal.
    void BitBtnOppnaClick();

private:
    void VisaLage();

    Huvudfonster &form_;
    QLabel *LabelStangdTom_ = nullptr;
    QLineEdit *EditStangTom_ = nullptr;
    QPushButton *BitBtnStang_ = nullptr;
    QLineEdit *EditOppnaFran_ = nullptr;
    QLineEdit *EditOppnaSkal_ = nullptr;
    QPushButton *BitBtnOppna_ = nullptr;
};

class PanelLogg final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelLogg(Huvudfonster &form);

    // Shows the panel and reads the ledger's log, once, for the list.
    void BehandlingshistorikClick();
    // Lists the records the box of verification numbers chooses.
    void EditLoggVernrChange();
    // "Skriv ut behandlingshistoriken": the records listed, with their lines.
    void BitBtnLoggUtskriftClick();

private:
    Huvudfonster &form_;
    tovana::Behandlingshistorik historik_;
    std::vector<std::size_t> urval_; // the records of the list's lines
    QListWidget *ListBoxLogg_ = nullptr;
    QLineEdit *EditLoggVernr_ = nullptr;
    QPushButton *BitBtnLoggUtskrift_ = nullptr;
};

struct Periodpaneler {
    PanelPerioder *perioder = nullptr;
    PanelLogg *logg = nullptr;
};

Periodpaneler ByggPeriodpaneler(Huvudfonster &form);
