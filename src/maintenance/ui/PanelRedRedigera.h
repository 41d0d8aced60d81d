#pragma once
// The panel for changing a post already in the ledger, opened by a double-click
// on a post number of the entry panel's last-posts rows: the post's seven
// fields, the buttons that save the changed post or delete it, the ledger's
// internal name with its own save button, and the account list shown while an
// account or code box has the focus. Every change rewrites the ledger file. A
// post can also be corrected by a correction verification, the only way for a
// post in a closed period, which then cannot be saved changed or deleted; a
// corrected post shows the verifications that corrected it.

#include "core/Behandlingslogg.h"
#include "maintenance/Postandring.h"
#include "ui/Arbetspanel.h"

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Huvudfonster;

class PanelRedRedigera final : public Arbetspanel {
    Q_OBJECT
public:
    explicit PanelRedRedigera(Huvudfonster &form);

    // LP1DblClick .. LP6DblClick: opens the post whose number the label shows
    // ("[17]"). A label with no post ("", "[0]") opens nothing.
    void LPDblClick(const QString &etikettext);
    // The account list refilled as an account or code box receives the focus.
    void EditAndradebetEnter();
    void EditAndraKreditEnter();
    void EditAndraKodEnter();
    // "Spara den ändrade posten".
    void BitBtnAndraSparaClick();
    // "Radera denna post (kan inte ångras)", with no question asked.
    void BitBtnRedAndraRaderaClick();
    // "Spara redovisningens interna namn".
    void BitBtnSparaRedNamnClick();
    // "Rätta med rättelseverifikation": the post reversed and, when the boxes
    // hold another post, that one, as a new verification.
    void BitBtnRattaClick();

    // The slot of the post opened for change; 0 before any.
    int32_t Aktuellpost() const { return Aktuellpost_; }

protected:
private:
    void VisaKontolista();
    void DoljPostknappar();
    // The boxes' texts as a post.
    tovana::Postrutor Rutorna() const;
    // Tells the user which box a change or correction was refused for and puts
    // the focus there; false when nothing was refused.
    bool VisaAndringsfel(tovana::Andringsfel fel);
    // The correction records of the ledger's log, read again only when the log
    // has grown since.
    const std::vector<tovana::Loggpost> &Rattelseposter();

    Huvudfonster &form_;
    int32_t Aktuellpost_ = 0;
    QLineEdit *EditAndraVernr_ = nullptr;
    QLineEdit *EditAndraDatum_ = nullptr;
    QLineEdit *EditAndrabelopp_ = nullptr;
    QLineEdit *EditAndradebet_ = nullptr;
    QLineEdit *EditAndraKredit_ = nullptr;
    QLineEdit *EditAndraKod_ = nullptr;
    QLineEdit *EditAndraText_ = nullptr;
    QPushButton *BitBtnAndraSpara_ = nullptr;
    QPushButton *BitBtnRedAndraRadera_ = nullptr;
    QPushButton *BitBtnRatta_ = nullptr;
    QLabel *LabelRattadGenom_ = nullptr;
    std::string rattelselogg_;
    long long rattelseloggStorlek_ = -1;
    std::vector<tovana::Loggpost> rattelseposter_;
    QLabel *LabelAndraRedBesked_ = nullptr;
    QLineEdit *EditAndraRedNamn_ = nullptr;
    QLabel *LabelAndraRedNamnBesked_ = nullptr;
    QListWidget *ListBoxvisaKplanRedRed_ = nullptr;
};
