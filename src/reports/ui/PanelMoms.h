#pragma once
// "Momsrapport": the VAT return for the period in two date boxes (preset to the
// last whole VAT period before today), one row per box with an amount and the
// row of box 49, what is to pay or to get back, and the problems found.
// Double-clicking a box row lists the accounts and then the posts behind it.
// From the same period the return is printed, saved as the e-service's file,
// or settled: one verification that clears the VAT accounts against the
// settlement account, after a question.

#include "core/Momskodfil.h"
#include "reports/Momsrapport.h"
#include "ui/Arbetspanel.h"

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class Huvudfonster;

class PanelMoms final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelMoms(Huvudfonster &form);

    // "Rapporter", "Momsrapport".
    void MomsrapportClick();
    // Each button works on the period in the boxes as they stand.
    void BitBtnMomsVisaClick();
    void BitBtnMomsUtskriftClick();
    void BitBtnMomsAvrakningClick();
    void BitBtnMomsFilClick();
    // A box row: its accounts, then its posts.
    void ListBoxMomsDubbelklick(QListWidgetItem *rad);

private:
    // Computes the return for the boxes and shows it; raises as the boxes do.
    const tovana::Momsrapport &Berakna();

    Huvudfonster &form_;
    std::optional<tovana::Momsrapport> rapport_;
    tovana::Momskoder koder_;
    std::vector<tovana::Momsrad> rader_;
    QLineEdit *EditMomsFran_ = nullptr;
    QLineEdit *EditMomsTill_ = nullptr;
    QListWidget *ListBoxMoms_ = nullptr;
    QLabel *LabelMomsAtt_ = nullptr;
    QListWidget *ListBoxMomsPoster_ = nullptr;
    QListWidget *ListBoxMomsProblem_ = nullptr;
    QLineEdit *EditMomsAvrKonto_ = nullptr;
    QLineEdit *EditMomsOresKonto_ = nullptr;
};

// Builds the panel, registers it with the window and wires its menu item.
PanelMoms *ByggMomspanel(Huvudfonster &form);
