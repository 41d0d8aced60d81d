#pragma once
// The re-sorting panel: shows the ledger's posts in the order they were keyed,
// by verification number or by date, and saves the order shown into the ledger
// and its file. Showing an order changes nothing; only the save button does.

#include "maintenance/Sortering.h"
#include "ui/Arbetspanel.h"

class QLabel;
class QListWidget;
class QPushButton;
class Huvudfonster;

class PanelSortera final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelSortera(Huvudfonster &form);

    // "Sortera om redovisningen": an empty list and the four buttons.
    void RedSorteraClick();
    void BitBtnSorteraorginalClick();
    void BitBtnSorteraVernrClick();
    void BitBtnSorteraDatumClick();
    // Saves the order shown; offered only while the list shows an order.
    void BitBtnSorteraSparaClick();

private:
    void VisaOrdning(tovana::Sorteringsordning ordning, const QString &delrubrik);
    void SattKnapparSynliga(bool synliga);

    Huvudfonster &form_;
    QPushButton *BitBtnSorteraorginal_ = nullptr;
    QPushButton *BitBtnSorteraVernr_ = nullptr;
    QPushButton *BitBtnSorteraDatum_ = nullptr;
    QLabel *LabelsorteraDelrubrik_ = nullptr;
    QListWidget *ListBoxSortera_ = nullptr;
    QPushButton *BitBtnSorteraSpara_ = nullptr;
    QLabel *LabelSorteraSparaBesked_ = nullptr;
    QLabel *LabelSorteraSparabesked2_ = nullptr;
};

PanelSortera *ByggSorteringspaneler(Huvudfonster &form);
