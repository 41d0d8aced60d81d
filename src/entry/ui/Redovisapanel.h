#pragma once
// The entry panel PanelRedovisa: the seven entry boxes of one post with their
// help lines and clean-ups, the effect display, the account lookup with the
// calculator over it, the open balance of the verification, "Nästa post", and
// the last posts. Opening a ledger or a company ends on this panel. It holds the
// entry form's state (tovana::Postformular), which the post-change controls
// page through as well.

#include "entry/Konteringsregler.h"
#include "entry/Postformular.h"
#include "ui/Arbetspanel.h"

#include <array>
#include <utility>

class Effektyta;
class Kontosok;
class QLabel;
class QLineEdit;
class QPushButton;
class Raknepanel;
class Senasteposter;
class Huvudfonster;

class Redovisapanel final : public Arbetspanel {
    Q_OBJECT
public:
    explicit Redovisapanel(Huvudfonster &form);

    // "Redovisa": opens the panel for keying, resetting the entry flags.
    void RedovisaClick();
    // "Öppna en redovisning".
    void OppnaredClick();
    // The same with the file already chosen (empty: the open dialog chooses).
    void OppnaRedovisningsfil(const QString &sokvag);
    // The panel after a ledger was read (alone or with its company): shown with
    // empty boxes, no effects, the focus on the verification number and the
    // newest posts.
    void VisaOppnadRedovisning();
    // "Nästa post".
    void ButtonnastaClick();
    // Ctrl+Enter in one of the entry boxes: "Nästa post" as a click on it gives
    // it, the box left first. False when `ruta` is none of the boxes.
    bool NastaPostFranRuta(QObject *ruta);

    // The code box, its caption and the code column, shown while the chart has codes.
    void VisaKodrutor(bool synliga);
    // The open balance as computed when a ledger or the panel opens.
    void VisaSaldoVidOppning();
    // The panel as at start-up: the calculator and the open balance hidden.
    void Aterstall();

    // The last-posts rows, which the post-change controls page through.
    Senasteposter &Senaste() const { return *senaste_; }
    // The entry form's state beside the books.
    tovana::Postformular &Formular() { return formular_; }

    // The handlers of the entry boxes, run as the focus enters and leaves them.
    void EditvernrEnter();
    void EditvernrExit();
    void EditDatumEnter();
    void EditDatumExit();
    void EditBeloppEnter();
    void EditBeloppExit();
    void EditDebitEnter();
    void EditDebitExit();
    void EditKreditEnter();
    void EditKreditExit();
    void EditKodEnter();
    void EditKodExit();
    void EditTextEnter();
    void EditTextExit();

private:
    enum Ruta { Vernr, Datum, Belopp, Debet, Kredit, Kod, Text, kRutantal };
    static_assert(kRutantal == tovana::kPostrutor);
    static const std::array<std::pair<void (Redovisapanel::*)(), void (Redovisapanel::*)()>,
                            tovana::kPostrutor>
        kHanterare;

    // In Redovisapanelbygge.cpp: the controls and their tab order.
    void ByggPanel();
    void SattTabbordning();
    int Rutnummer(QObject *objekt) const;
    // Runs a box's enter or exit behaviour (once per visit) inside form.Kor.
    void Enter(int ruta);
    void Exit(int ruta);
    // The focus moves from the box to another control.
    void Lamna(int ruta);
    // Moves the focus from a handler and makes sure the target box's enter
    // behaviour runs and the box left is painted white, whether or not the
    // window is active at that moment (a message box may just have closed).
    void FlyttaFokus(QLineEdit *till);
    void Mala(QLineEdit *ruta, bool fokus);
    void Hjalp(const char *rad1, const char *rad2);
    void Hjalp(tovana::Postruta ruta);
    // Shows what leaving the debit or credit box gave: its effects, then its message.
    void VisaUtfall(const tovana::Kontoutfall &utfall);
    // Entering an account box without an amount: the message, and the focus back
    // to the amount box.
    void KraverBelopp(tovana::Postruta ruta);
    void RensaEffekter();
    void VisaSenastePoster(bool alltidForstaRaden);
    void TomRutor(bool alla);

    Huvudfonster &form_;
    tovana::Postformular formular_;
    std::array<QLineEdit *, kRutantal> rutor_{};
    QLineEdit *Editvernr_ = nullptr;
    QLineEdit *EditDatum_ = nullptr;
    QLineEdit *EditBelopp_ = nullptr;
    QLineEdit *EditDebit_ = nullptr;
    QLineEdit *EditKredit_ = nullptr;
    QLineEdit *EditKod_ = nullptr;
    QLineEdit *EditText_ = nullptr;
    QLabel *LabelKod_ = nullptr;
    QLabel *LabelSaldo_ = nullptr;
    QLabel *LabelRedHjalp_ = nullptr;
    QLabel *LabelRedHjalp2_ = nullptr;
    QPushButton *Buttonnasta_ = nullptr;
    Effektyta *effekter_ = nullptr;
    Kontosok *kontosok_ = nullptr;
    Raknepanel *Panelrakna_ = nullptr;
    Senasteposter *senaste_ = nullptr;

    std::array<unsigned, kRutantal> enterraknare_{}; // enter behaviours run, per box
    int aktiv_ = -1;            // the box whose enter behaviour ran last, until it is left
    bool programflytt_ = false; // a handler is moving the focus
};
