#pragma once
// The two panels that check the chart against the ledger: the numbers posts
// use that the chart lacks, and the chart's accounts and codes no post uses,
// where a double-click removes one and a button saves the reduced chart.

#include "ui/Arbetspanel.h"

#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class Huvudfonster;

// "Kontrollera att alla använda konton finns i kontoplanen".
class PanelKollaRed final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelKollaRed(Huvudfonster &form);

    void KollKplanClick();

private:
    Huvudfonster &form_;
    QListWidget *ListBoxKoll_ = nullptr;
};

// "Visa konton/koder som inte används".
class Paneloanvandakonton final : public Arbetspanel {
    Q_OBJECT
public:
    explicit Paneloanvandakonton(Huvudfonster &form);

    void OanvClick();
    // Removes the double-clicked account from the chart in memory.
    void ListBoxOanvDblClick(QListWidgetItem *rad);
    // "Spara den ändrade kontoplanen": writes the chart to its file.
    void BitBtnOanvSparaClick();

private:
    void VisaOanvanda();

    Huvudfonster &form_;
    QListWidget *ListBoxOanv_ = nullptr;
    QLabel *Labelraderabesked_ = nullptr;
    QPushButton *BitBtnOanvSpara_ = nullptr;
    QLabel *LabelOanvSpara_ = nullptr;
    // The chart slot of each line of the list.
    std::vector<int32_t> slots_;
};

// The two checking panels, registered with the window.
struct Kontrollpaneler {
    PanelKollaRed *kolla = nullptr;
    Paneloanvandakonton *oanvanda = nullptr;
};

Kontrollpaneler ByggKontrollpaneler(Huvudfonster &form);
