#pragma once
// The printout start page: a button per printout, and the account-number box of
// the account statement printout with the chart beside it. The income statement
// and balance sheet printouts are made here; the journal, chart and account
// statement buttons are wired by their own printouts.

#include "ui/Arbetspanel.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;

class PanelRapport final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelRapport(Huvudfonster &form);

    // "Utskrifter", "Startsida".
    void StartsidautskriftClick();
    // The income statement and balance sheet printouts.
    void BitBtnResRappClick();
    void BitBtnBalRappClick();
    // The journal, the chart and the statement of the account in the number box.
    void BitBtnDagbokClick();
    void BitBtnkontoplanClick();
    void BitBtnkontosaldoClick();
    // Entering the account-number box lists the accounts to choose from.
    void EditHuvudboknummerEnter();

protected:
private:
    Huvudfonster &form_;
    QLineEdit *EditHuvudboknummer_ = nullptr;
    QListWidget *ListBoxKontoutdragKplan_ = nullptr;
};
