#pragma once
// "Resultat- och balansräkning för en period": two date boxes, preset to the
// financial year (else the calendar year of the ledger's first date), and the
// buttons that show the period's income statement, or the balance sheet at its
// end, on the statement screen under the period's heading, or print them. The
// posts whose date cannot be read are listed below the buttons.

#include "reports/Periodrapport.h"
#include "ui/Arbetspanel.h"

#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;
class PanelRR;

class PanelPeriod final : public Arbetspanel {
    Q_OBJECT
public:
    PanelPeriod(Huvudfonster &form, PanelRR &rr);

    // "Rapporter", "Resultat- och balansräkning för en period".
    void RapportPeriodClick();
    // The statements on the statement screen.
    void BitBtnPeriodRRClick();
    void BitBtnPeriodBRClick();
    // The statements as printouts.
    void BitBtnPeriodRRUtskriftClick();
    void BitBtnPeriodBRUtskriftClick();

private:
    enum class Vilken { Resultat, Balans };
    // The statement of the period in the boxes; the problem list shows its problems.
    tovana::Periodrapport Bygg(Vilken vilken, tovana::Rapportform form);
    void Visa(Vilken vilken);
    void Skrivut(Vilken vilken);

    Huvudfonster &form_;
    PanelRR &rr_;
    // The books the boxes were last preset for: opening other books presets them again.
    std::string forinstallt_;
    QLineEdit *EditPeriodFran_ = nullptr;
    QLineEdit *EditPeriodTill_ = nullptr;
    QListWidget *ListBoxPeriodProblem_ = nullptr;
};

// Builds the panel, registers it with the window and wires its menu item.
PanelPeriod *ByggPeriodpanel(Huvudfonster &form, PanelRR &rr);
