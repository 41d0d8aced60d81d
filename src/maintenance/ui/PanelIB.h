#pragma once
// The panel that brings in opening balances from last year's ledger: the
// verification number, date, counter account and result account of the opening
// posts, a button that picks last year's ledger and lists the prepared posts,
// and a button that appends them to this year's ledger and its file.

#include "maintenance/IB.h"
#include "ui/Arbetspanel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;

class PanelIB final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelIB(Huvudfonster &form);

    // Shows the panel as it was left, with a warning for a missing chart or ledger.
    void HamtaIBClick();
    // A change in the verification number or the counter account.
    void EditIBvernrChange();
    void EditIBarsvinstChange();
    // Picks last year's ledger and lists the posts it gives.
    void BitBtnfjolarClick();
    // Appends the posts of the last run to the ledger.
    void BitBtnIBSparaClick();

private:
    Huvudfonster &form_;
    tovana::IBtabell ib_;
    QLineEdit *EditIBvernr_ = nullptr;
    QLineEdit *EditIBdatum_ = nullptr;
    QLineEdit *EditIBkonto_ = nullptr;
    QLineEdit *EditIBarsvinst_ = nullptr;
    QPushButton *BitBtnfjolar_ = nullptr;
    QListWidget *ListBoxIB_ = nullptr;
    QPushButton *BitBtnIBSpara_ = nullptr;
    QLabel *LabelIBsparad_ = nullptr;
};

PanelIB *ByggIBpaneler(Huvudfonster &form);
