#pragma once
// Builds the reports with codes onto the main window and wires their menu items.

#include "shell/Arbetspanel.h"

#include <array>

class QLineEdit;
class QListWidget;
class Huvudfonster;

// The panel where up to six codes are chosen for the statements with codes.
class PanelRappkod final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelRappkod(Huvudfonster &form);

    // "Rapporter", "Resultaträkning med koder": shows the panel and fills the
    // boxes with the chart's first six codes.
    void RRmedKoderClick();
    // "Rapporter", "Balansräkning med koder": shows the panel, boxes untouched.
    void BRmedkoderClick();
    void BitBtnRRkodClick();
    void BitBtnBRkodClick();
    // "Rapporter", "Dagbok sorterad efter koder": the printout only.
    void DagbokmedkoderClick();

private:
    void VisaKoder(bool fyllRutor);

    Huvudfonster &form_;
    std::array<QLineEdit *, 6> rutor_{};
    QListWidget *ListBoxRappKod_ = nullptr;
};

PanelRappkod *ByggKodrapportpaneler(Huvudfonster &form);
