#pragma once
// The statement screen: the income statement or the balance sheet in the screen
// form, as a fixed column of 35 lines of names and right-aligned amounts. A
// longer statement is cut, and the user is pointed to the printouts. When the
// two statements' results differ, the user is told why.

#include "reports/Balansberakning.h"
#include "ui/Arbetspanel.h"

#include <QList>

class QLabel;
class Huvudfonster;

class PanelRR final : public Arbetspanel {
    Q_OBJECT
public:
    static constexpr int kRader = 35;

    explicit PanelRR(Huvudfonster &form);

    // "Rapporter", "Resultaträkning" and "Balansräkning".
    void RapportResClick();
    void RapportBalClick();
    // Shows the panel with a statement built elsewhere (a period's) under its heading.
    void VisaRapport(const QString &rubrik, const tovana::Rapportrader &rader);

private:
    void Visa(const QString &rubrik, const tovana::Rapportrader &rader);
    // Tells why the statements disagree when the lines show they do, once for
    // the same books.
    void BerattaObalans(const tovana::Rapportrader &rader);

    Huvudfonster &form_;
    QList<QLabel *> Ln_;
    QList<QLabel *> Lbb_;
    QString berattat_; // the imbalance last told, empty when none
};
