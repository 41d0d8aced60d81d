#pragma once
// The report panel shared by the account statement and the journal: a heading,
// a grid of a header row and 25 line rows, the account box with its pick list,
// and one pair of paging buttons for each report. The panel keeps the lines of
// the report last built and the page offset; the builds themselves are plain
// functions beside it.

#include "reports/Dagbok.h"
#include "reports/Kontoutdrag.h"
#include "ui/Arbetspanel.h"

#include <array>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWheelEvent;
class Huvudfonster;

class Panelrapport2 final : public Arbetspanel {
    Q_OBJECT
public:
    explicit Panelrapport2(Huvudfonster &form);

    // "Kontoutdrag": the statement screen with an empty grid and account box.
    void RapportKontoClick();
    void EditvisakontoChange(const QString &text);
    void EditvisakontoEnter();
    void ListBoxrappEnter();
    void ListBoxrappDblClick();
    // "Visa kontoutdraget": builds the statement of the typed account.
    void BitBtnvisakontoClick();
    void BitBtnframatClick();
    void BitBtnBakatClick();

    // "Dagbok": builds the journal and shows its first page.
    void DagbokClick();
    void BitBtnDagbokFramatClick();
    void BitBtnDagbokBakatClick();

    // Empties line rows 1..25 of every column and the code and text headers.
    void RensaRapportrutor();

    // PgUp, PgDn and the mouse wheel: the shown report's previous or next page,
    // as its paging buttons give it. False when there was none to go to.
    bool Bladdra(bool framat);

    int Sidstart() const { return sida_.Sidstart; }
    int Radantal() const { return static_cast<int>(Kontoutdragslinjer_.size()); }

protected:
    void wheelEvent(QWheelEvent *handelse) override;

private:
    enum Kolumn { Ve, Dm, De, Kr, Sa, Kd, Te, Kolumner };

    void ByggRutnat(QGridLayout *rutnat);
    void VisaKontoutdragssida();
    void VisaDagbokssida();
    void FyllValslista(const std::vector<std::string> &rader);
    QLabel *Cell(Kolumn kolumn, int rad) const { return celler_[kolumn][rad]; }
    void SattCell(Kolumn kolumn, int rad, const std::string &text);

    Huvudfonster &form_;
    std::array<std::array<QLabel *, tovana::kSidrader + 1>, Kolumner> celler_{};
    QLabel *Labelrubrik_ = nullptr;
    QLabel *Labelanvisning_ = nullptr;
    QLineEdit *Editvisakonto_ = nullptr;
    QPushButton *BitBtnvisakonto_ = nullptr;
    QLabel *LabelRappVisaKontonRubrik_ = nullptr;
    QListWidget *ListBoxrapp_ = nullptr;
    QPushButton *BitBtnframat_ = nullptr;
    QPushButton *BitBtnBakat_ = nullptr;
    QPushButton *BitBtnDagbokFramat_ = nullptr;
    QPushButton *BitBtnDagbokBakat_ = nullptr;

    // The statement's lines unformatted; a page formats the 25 it shows.
    std::vector<tovana::Kontoutdragslinje> Kontoutdragslinjer_;
    // The journal's length when it was opened; a page formats its own posts.
    int Dagboksantal_ = 0;
    tovana::Rapportsida sida_;
    int hjul_ = 0; // the wheel's turn not yet a whole step
};
