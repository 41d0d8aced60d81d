#pragma once
// Builds the reports with codes onto the main window and wires their menu items.

#include "reports/Kodrapporter.h"
#include "ui/Arbetspanel.h"

#include <array>
#include <string>

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
    // The buttons under the boxes: the statement `bygg` makes, split on the
    // codes of the boxes, in the report window.
    using Kodrapport = tovana::Utskrift (*)(const tovana::Bokforingsdata &,
                                            const tovana::Valdakoder &, const std::string &);
    void VisaKodrapport(Kodrapport bygg);
    // "Rapporter", "Dagbok sorterad efter koder": the printout only.
    void DagbokmedkoderClick();

private:
    void VisaKoder(bool fyllRutor);

    Huvudfonster &form_;
    std::array<QLineEdit *, tovana::kKodkolumner> rutor_{};
    QListWidget *ListBoxRappKod_ = nullptr;
};

PanelRappkod *ByggKodrapportpaneler(Huvudfonster &form);
