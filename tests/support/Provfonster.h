#pragma once
// A stand-in for the main window, for building and driving a work panel alone:
// it holds the state and a test desktop, records what the panel asks of the
// window (the panel shown, the menu events, the top strip and colour
// refreshes), gives a menu item of any name on demand, and runs commands under
// the window's error policy (an error's message goes to the desktop).

#include "support/Testskrivbord.h"
#include "ui/Huvudfonster.h"

#include <QString>

#include <map>
#include <memory>
#include <vector>

class QWidget;

class Provfonster final : public Huvudfonster {
public:
    Provfonster();
    ~Provfonster() override;

    tovana::Bokforingsdata &Data() override { return data; }
    tovana::Installningsdata &Installningar() override { return installningar; }
    Skrivbord &Desktop() override { return skrivbord; }
    QWidget &Agare() override { return *agare_; }

    void VisaArbetspanel(QWidget *panel) override;
    void RegistreraArbetspanel(Arbetspanel *panel) override;
    QAction *Menyval(const QString &namn) const override;
    void Menyandring(tovana::Menyhandelse handelse) override;
    void VisaAktuellKontoplan() override { ++kontoplansvisningar; }
    void VisaAktuellRedovisning() override { ++redovisningsvisningar; }
    void FargaArbetspaneler() override { ++fargningar; }
    QString ValjOppnafil(const QString &forval) override;
    QString ValjSparfil(const QString &forval) override;
    void Meddelande(const QString &text) override;

    tovana::Bokforingsdata data;
    tovana::Installningsdata installningar;
    Testskrivbord skrivbord;
    QWidget *visad = nullptr;                        // the panel shown last
    std::vector<Arbetspanel *> paneler;              // registered, in order
    std::vector<tovana::Menyhandelse> menyhandelser; // every menu event, in order
    int kontoplansvisningar = 0;
    int redovisningsvisningar = 0;
    int fargningar = 0;

protected:
    bool KorKommando(const std::function<void()> &kommando) override;

private:
    std::unique_ptr<QWidget> agare_;
    mutable std::map<QString, QAction *> menyval_;
};
