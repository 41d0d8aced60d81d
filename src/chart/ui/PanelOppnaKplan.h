#pragma once
// The panel that lists the chart with mixed-case class names; it serves
// "Öppna kontoplan" and "Visa kontoplanen", and the panel's owner also answers
// "Spara som".

#include "ui/Arbetspanel.h"

class QListWidget;
class Huvudfonster;

class PanelOppnaKplan final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelOppnaKplan(Huvudfonster &form);

    // "Öppna kontoplan": reads a chart file and lists the chart in memory.
    void Oppna1Click();
    // The same with the file already chosen (a file named at start-up).
    void OppnaKontoplanfil(const QString &sokvag);
    // "Visa kontoplanen".
    void Visa1Click();
    // "Spara som": writes the chart to a new file, which becomes its file;
    // the visible panel stays.
    void SparasomKplanClick();

private:
    void VisaKontoplan();
    // Opens `sokvag`, or the file the open dialog gives when it is empty.
    void Oppna(QString sokvag);

    Huvudfonster &form_;
    QListWidget *ListBoxVisaKplan_ = nullptr;
};
