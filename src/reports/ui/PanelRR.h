#pragma once
// The statement screen: the income statement or the balance sheet in the screen
// form, as a fixed column of 35 lines of names and right-aligned amounts. A
// longer statement is cut, and the user is pointed to the printouts.

#include "reports/Balansberakning.h"
#include "shell/Arbetspanel.h"

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

private:
    void Visa(const QString &rubrik, const tovana::Rapportrader &rader);

    Huvudfonster &form_;
    QList<QLabel *> Ln_;
    QList<QLabel *> Lbb_;
};
