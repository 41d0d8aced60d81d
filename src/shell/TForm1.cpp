#include "shell/TForm1.h"

#include "chart/ui/Kontoplanspaneler.h"
#include "chart/ui/Osparadkontoplan.h"
#include "chart/ui/PanelOppnaKplan.h"
#include "core/Installningar.h"
#include "entry/ui/Redovisapanel.h"
#include "entry/ui/Redovisningspaneler.h"
#include "maintenance/ui/Underhallspaneler.h"
#include "reports/ui/Rapportpaneler.h"
#include "shell/Fargpanel.h"
#include "shell/Manual.h"
#include "shell/Startmapp.h"
#include "shell/Valkomstpanel.h"
#include "ui/Arbetspanel.h"
#include "ui/Avkortadetikett.h"
#include "ui/Inmatning.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSupport = QStringLiteral("support@tovana.se");

struct Menypost {
    const char *namn;
    const char *text;
    const char *tangent; // the letter Alt or the open menu picks it by
};

struct Meny {
    const char *namn;
    const char *text;
    const char *tangent;
    std::vector<Menypost> poster;
};

// The main menu, in its order. The Manual menu is built by ByggManualmeny.
// The keys differ between the top menus and between the items of a menu.
const std::vector<Meny> &Huvudmeny() {
    static const std::vector<Meny> meny = {
        {"MenyKontoplan",
         "Kontoplan",
         "K",
         {{tovana::meny::Skapany1, "Skapa ny kontoplan", "S"},
          {tovana::meny::Oppna1, "Öppna kontoplan", "Ö"},
          {tovana::meny::Nyttkonto1, "Lägga in ett nytt konto", "L"},
          {tovana::meny::Redigera1, "Redigera konton", "R"},
          {tovana::meny::Visa1, "Visa kontoplanen", "V"},
          {tovana::meny::SparasomKplan, "Spara som", "m"}}},
        {"MenyRedovisning",
         "Redovisning",
         "R",
         {{tovana::meny::Skapaennyredovisning2, "Skapa en ny redovisning", "S"},
          {tovana::meny::Oppnared, "Öppna en redovisning", "Ö"},
          {tovana::meny::Redovisa, "Redovisa", "R"},
          {tovana::meny::RedSortera, "Sortera om redovisningen", "t"}}},
        {"MenyRapporter",
         "Rapporter",
         "p",
         {{tovana::meny::RapportRes, "Resultaträkning", "R"},
          {tovana::meny::RapportBal, "Balansräkning", "B"},
          {tovana::meny::RapportPeriod, "Resultat- och balansräkning för en period", "p"},
          {tovana::meny::RapportKonto, "Kontoutdrag", "K"},
          {tovana::meny::Dagbok, "Dagbok", "D"},
          {tovana::meny::RRmedKoder, "Resultaträkning med koder", "m"},
          {tovana::meny::BRmedkoder, "Balansräkning med koder", "o"},
          {tovana::meny::Dagbokmedkoder, "Dagbok sorterad efter koder", "s"},
          {tovana::meny::Momsrapport, "Momsrapport", "a"}}},
        {"MenyForetag",
         "Företag",
         "F",
         {{tovana::meny::oppnaforetag, "Öppna företag", "Ö"},
          {tovana::meny::sparaforetag, "Spara som företag", "S"},
          {tovana::meny::Foretagsuppgifter, "Företagsuppgifter", "u"}}},
        {"MenyUtskrifter",
         "Utskrifter",
         "U",
         {{tovana::meny::Startsidautskrift, "Startsida", "S"}}},
        {"MenySpecial",
         "Special",
         "S",
         {{tovana::meny::KollKplan, "Kontrollera att alla använda konton finns i kontoplanen", "K"},
          {tovana::meny::HamtaIB, "Hämta IB-poster från fjolårets redovisning", "H"},
          {tovana::meny::farger, "Ändra bakgrundsfärg", "Ä"},
          {tovana::meny::Oanv, "Visa konton/koder som inte används", "V"},
          {tovana::meny::Momskoder, "Momsrutor för kontoplanens konton", "M"},
          {tovana::meny::Anvndpunktsomdecimaltecken1, "Använd punkt som decimaltecken", "A"},
          {tovana::meny::Perioder, "Stäng eller öppna en period", "S"},
          {tovana::meny::Behandlingshistorik, "Behandlingshistorik", "B"},
          {tovana::meny::ExporteraSIE, "Exportera SIE 4-fil", "E"},
          {tovana::meny::ImporteraSIE, "Importera SIE 4-fil", "I"}}},
        {"MenyAvsluta", "Avsluta", "A", {{tovana::meny::lamnatovana, "Lämna Tovana", "L"}}},
    };
    return meny;
}

// The menu caption with its key marked: "&" before the key letter's first
// place in the text, and any "&" of the text itself doubled so it shows.
QString MedTangent(const QString &text, const QString &tangent) {
    QString ut = text;
    ut.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const auto plats = ut.indexOf(tangent);
    if (!tangent.isEmpty() && plats >= 0)
        ut.insert(plats, QLatin1Char('&'));
    return ut;
}

// The work panels, in their order. Each subsystem builds its own with its
// heading and registers it.
const QStringList kArbetspaneler = {
    "Panelvalkommen",  "Panelnykontoplan",   "Panelnyakonton",
    "PanelOppnaKplan", "PanelKplanRedigera", "PanelSkapaRed",
    "PanelRedovisa",   "PanelRedRedigera",   "PanelSortera",
    "PanelIB",         "PanelKollaRed",      "Paneloanvandakonton",
    "PanelRR",         "Panelrapport2",      "PanelRapport",
    "PanelRappkod",    "PanelFarg",          "PanelSparaForetag",
    "PanelSIE",        "PanelPerioder",      "PanelLogg",
};

} // namespace

TForm1::TForm1() : TForm1(std::make_unique<QtSkrivbord>()) {}

TForm1::TForm1(std::unique_ptr<Skrivbord> skrivbord)
    : skrivbord_(std::move(skrivbord)), manualkataloger_(Manualkataloger()) {
    setObjectName(QStringLiteral("Form1"));
    ByggFonster();
    entertabb_ = kontroller::EnterSomTab(
        this, [this](QWidget *ruta) { return redovisa_->NastaPostFranRuta(ruta); });
    FormCreate();
}

TForm1::~TForm1() {
    // No key reaches the panels while they are taken down.
    delete entertabb_;
}

void TForm1::LamnaPosternaTillSystemet() {
    tovana::LamnaPosternaTillSystemet(data_);
}

const QStringList &TForm1::Arbetspanelnamn() {
    return kArbetspaneler;
}

void TForm1::ByggFonster() {
    setWindowTitle(QStringLiteral("Tovana ver 2, 1 Feb 2012  Support: ") + kSupport);
    setGeometry(kRitadPlats);
    // A small screen gets a smaller window whose panel area scrolls.
    setMinimumSize(kMinstaStorlek);

    auto *yta = new QWidget(this);
    yta->setObjectName(QStringLiteral("Huvudyta"));
    auto *layout = new QVBoxLayout(yta);
    layout->setContentsMargins(5, 4, 5, 5);
    ByggToppremsa(yta);

    // The panels keep their drawn size: a window smaller than that scrolls the
    // panel area instead of squeezing or cutting off its controls.
    panelrullning_ = new QScrollArea(yta);
    panelrullning_->setObjectName(QStringLiteral("Panelrullning"));
    panelrullning_->setFrameShape(QFrame::NoFrame);
    panelrullning_->setWidgetResizable(true);
    panelyta_ = new QWidget;
    panelyta_->setObjectName(QStringLiteral("Panelyta"));
    panelyta_->setMinimumSize(kPanelytansStorlek);
    auto *panellayout = new QGridLayout(panelyta_);
    panellayout->setContentsMargins(0, 0, 0, 0);
    panelrullning_->setWidget(panelyta_);
    layout->addWidget(panelrullning_, 1);
    setCentralWidget(yta);

    ByggMeny();

    // Each subsystem builds its panels and wires its menu items; a panel that
    // works on another's part is handed that part here.
    RegistreraArbetspanel(new Valkomstpanel(kSupport, panelyta_));
    oppnaKplan_ = ByggKontoplanspaneler(*this).oppna;
    redovisa_ = ByggRedovisningspaneler(*this).redovisa;
    ByggUnderhallspaneler(*this, *redovisa_);
    ByggRapportpaneler(*this);
    ByggFargpanel(*this);
    SkyddaInmatning(this);
    // Names and texts are shown as typed, never read as formatting.
    for (auto *etikett : findChildren<QLabel *>())
        etikett->setTextFormat(Qt::PlainText);
}

void TForm1::PassaIn(const QRect &tillganglig, int ramhojd) {
    // The drawn size where it fits, else the whole free height and width, with
    // the window manager's title bar inside the free area too.
    QRect plats = kRitadPlats;
    const QRect yta = tillganglig.adjusted(0, ramhojd, 0, 0);
    // A window lower than drawn has a vertical scroll bar, which takes its
    // width from the panels: widened by it where there is room, only the
    // height scrolls (and likewise the other way round).
    const int rulle =
        panelrullning_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, panelrullning_);
    if (yta.height() < plats.height())
        plats.setWidth(plats.width() + rulle);
    if (yta.width() < kRitadPlats.width())
        plats.setHeight(plats.height() + rulle);
    plats.setWidth(std::max(std::min(plats.width(), yta.width()), kMinstaStorlek.width()));
    plats.setHeight(std::max(std::min(plats.height(), yta.height()), kMinstaStorlek.height()));
    plats.moveLeft(std::max(yta.left(), std::min(plats.left(), yta.right() + 1 - plats.width())));
    plats.moveTop(std::max(yta.top(), std::min(plats.top(), yta.bottom() + 1 - plats.height())));
    setGeometry(plats);
}

void TForm1::ByggToppremsa(QWidget *yta) {
    auto *remsa = new QWidget(yta);
    remsa->setObjectName(QStringLiteral("Toppremsa"));
    auto *grid = new QGridLayout(remsa);
    grid->setContentsMargins(4, 0, 4, 0);
    grid->setHorizontalSpacing(12);
    // The names and paths are shortened within their columns, whole in the tooltip.
    auto etikett = [&](const char *namn, const QString &text, const QColor &farg, int rad,
                       int kolumn) {
        const QString objektnamn = QString::fromUtf8(namn);
        QLabel *label = kolumn == 0 ? kontroller::Etikett(remsa, objektnamn, text)
                                    : kontroller::Avkortad(remsa, objektnamn, text);
        kontroller::Farga(label, farg);
        grid->addWidget(label, rad, kolumn);
        return label;
    };
    const QColor bla(0, 0, 255), rodbrun(128, 0, 0);
    etikett("LabelAktKplanrubrik", QStringLiteral("Aktuell kontoplan:"), bla, 0, 0);
    LabelAktKplan_ =
        etikett("LabelAktKplan", QStringLiteral("Det finns ingen kontoplan"), bla, 0, 1);
    LabelKplanFilnamn_ =
        etikett("LabelKplanFilnamn", QString(), palette().color(QPalette::WindowText), 0, 2);
    etikett("LabelAktRedRubrik", QStringLiteral("Aktuell redovisning:"), rodbrun, 1, 0);
    LabelAktRed_ =
        etikett("LabelAktRed", QStringLiteral("Det finns ingen redovisning"), rodbrun, 1, 1);
    LabelRedFilnamn_ =
        etikett("LabelRedFilnamn", QString(), palette().color(QPalette::WindowText), 1, 2);
    kontroller::SattTypsnitt(LabelAktKplan_, kontroller::Fet);
    kontroller::SattTypsnitt(LabelAktRed_, kontroller::Fet);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);
    yta->layout()->addWidget(remsa);
}

void TForm1::ByggMeny() {
    auto *rad = menuBar();
    rad->setObjectName(QStringLiteral("MainMenu1"));
    for (const auto &meny : Huvudmeny()) {
        QMenu *m =
            rad->addMenu(MedTangent(QString::fromUtf8(meny.text), QString::fromUtf8(meny.tangent)));
        m->setObjectName(QString::fromUtf8(meny.namn));
        for (const auto &post : meny.poster) {
            QAction *val = m->addAction(
                MedTangent(QString::fromUtf8(post.text), QString::fromUtf8(post.tangent)));
            val->setObjectName(QString::fromUtf8(post.namn));
            menyval_[val->objectName()] = val;
        }
    }
    QMenu *manual = rad->addMenu(QStringLiteral("&Manual"));
    manual->setObjectName(QStringLiteral("MenyManual"));
    ByggManualmeny(manual);
    connect(Menyval(tovana::meny::lamnatovana), &QAction::triggered, this,
            &TForm1::lamnaTovanaClick);
    // F10 opens the first menu, from where the arrows reach the others.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setObjectName(QStringLiteral("MenyradF10"));
    connect(f10, &QShortcut::activated, rad,
            [rad] { rad->setActiveAction(rad->actions().value(0)); });
}

void TForm1::ByggManualmeny(QMenu *meny) {
    for (const auto &sida : Manualsidor()) {
        QAction *val = meny->addAction(MedTangent(sida.text, sida.tangent));
        val->setObjectName(sida.namn);
        menyval_[val->objectName()] = val;
        const QString fil = sida.fil;
        connect(val, &QAction::triggered, this, [this, fil] { OppnaManualsida(fil); });
    }
}

void TForm1::OppnaManualsida(const QString &fil) {
    const QString sida = SokManualsida(fil, manualkataloger_);
    if (sida.isEmpty())
        Meddelande(SaknadManualsida(fil, manualkataloger_));
    else
        Desktop().OppnaDokument(sida);
}

void TForm1::RegistreraArbetspanel(Arbetspanel *panel) {
    panel->setParent(panelyta_);
    static_cast<QGridLayout *>(panelyta_->layout())->addWidget(panel, 0, 0);
    paneler_.push_back(panel);
}

Arbetspanel *TForm1::Panel(const QString &namn) const {
    for (auto *panel : paneler_)
        if (panel->objectName() == namn)
            return panel;
    return nullptr;
}

QAction *TForm1::Menyval(const QString &namn) const {
    const auto val = menyval_.find(namn);
    return val == menyval_.end() ? nullptr : val->second;
}

void TForm1::Doljpaneler() {
    for (auto *panel : paneler_)
        panel->hide();
}

void TForm1::VisaArbetspanel(QWidget *panel) {
    Doljpaneler();
    panel->show();
}

void TForm1::AktiveraKontoplansgrupp() {
    for (const char *namn : tovana::kKontoplansgrupp)
        AktiveraMenyval(namn);
}

void TForm1::AktiveraRedovisningsgrupp() {
    for (const char *namn : tovana::kRedovisningsgrupp)
        AktiveraMenyval(namn);
}

void TForm1::AktiveraMenyval(const QString &namn) {
    if (QAction *val = Menyval(namn))
        val->setEnabled(true);
}

void TForm1::Menyandring(tovana::Menyhandelse handelse) {
    const tovana::Menylage lage = tovana::BeraknaMenylage(handelse, data_);
    if (lage.aterstall) {
        const auto stang = [this](const auto &grupp) {
            for (const char *namn : grupp)
                if (QAction *val = Menyval(namn))
                    val->setEnabled(false);
        };
        stang(tovana::kKontoplansgrupp);
        stang(tovana::kRedovisningsgrupp);
    }
    if (lage.kontoplansgrupp)
        AktiveraKontoplansgrupp();
    if (lage.nyttkonto)
        AktiveraMenyval(tovana::meny::Nyttkonto1);
    if (lage.redovisningsgrupp)
        AktiveraRedovisningsgrupp();
    if (lage.redovisa)
        AktiveraMenyval(tovana::meny::Redovisa);
}

namespace {

// The file name of the top strip, marked when the file may not be changed.
QString Filnamnstext(const std::string &fil, bool skrivskyddad) {
    QString text = QString::fromStdString(fil);
    if (skrivskyddad)
        text += QStringLiteral("  (skrivskyddad)");
    return text;
}

} // namespace

void TForm1::VisaAktuellKontoplan() {
    static_cast<Avkortadetikett *>(LabelAktKplan_)
        ->VisaText(QString::fromStdString(data_.Kontoplannamn));
    static_cast<Avkortadetikett *>(LabelKplanFilnamn_)
        ->VisaText(Filnamnstext(data_.Kontoplanfil, data_.KontoplanSkrivskyddad));
}

void TForm1::VisaAktuellRedovisning() {
    static_cast<Avkortadetikett *>(LabelAktRed_)
        ->VisaText(QString::fromStdString(data_.Redovisningsnamn));
    static_cast<Avkortadetikett *>(LabelRedFilnamn_)
        ->VisaText(Filnamnstext(data_.Redovisningsfil, data_.RedovisningSkrivskyddad));
}

void TForm1::FargaArbetspaneler() {
    const auto &f = installningar_.Bakgrundsfarg;
    const QColor farg(f.rod, f.gron, f.bla);
    for (auto *panel : paneler_)
        panel->SattFarg(farg);
}

QString TForm1::ValjOppnafil(const QString &forval) {
    return Desktop().OppnaFil(this, forval, Startmapp(data_, forval));
}

QString TForm1::ValjSparfil(const QString &forval) {
    QString sokvag = Desktop().SparaFil(this, forval, Startmapp(data_, forval));
    if (sokvag.isEmpty() || !forval.startsWith(QStringLiteral("*.")))
        return sokvag;
    if (!QFileInfo(sokvag).fileName().contains(QLatin1Char('.')))
        sokvag += forval.mid(1);
    return sokvag;
}

bool TForm1::KorKommando(const std::function<void()> &kommando) {
    try {
        kommando();
        return true;
    } catch (const std::exception &fel) {
        VisaFel(fel);
        return false;
    }
}

void TForm1::VisaFel(const std::exception &fel) {
    Meddelande(QString::fromUtf8(fel.what()));
}

void TForm1::Meddelande(const QString &text) {
    Desktop().Meddelande(this, text);
}

void TForm1::FormCreate() {
    // A missing or unreadable settings file gives a normal start with the
    // colour as delivered.
    try {
        tovana::LasInstallningar(installningar_);
    } catch (const std::exception &) {
        tovana::SattFarg(installningar_, tovana::kLevereradFargtext);
    }
    redovisa_->Aterstall();
    Doljpaneler();
    FargaArbetspaneler();
    // The books start empty: no chart, no ledger, no codes.
    Panel(QStringLiteral("Panelvalkommen"))->show();
    Menyandring(tovana::Menyhandelse::Start);
    installningar_.Decimalord = "komma";
}

void TForm1::lamnaTovanaClick() {
    // The window refuses to close when the user keeps an unsaved chart.
    if (close())
        QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent *handelse) {
    bool fortsatt = false;
    Kor([&] { fortsatt = ErbjudSparaKontoplan(*this); });
    if (fortsatt)
        handelse->accept();
    else
        handelse->ignore();
}

void TForm1::OppnaFil(const QString &sokvag) {
    const QString andelse = QFileInfo(sokvag).suffix().toLower();
    if (andelse == QStringLiteral("ftg"))
        OppnaForetagsfil(*this, *redovisa_, sokvag);
    else if (andelse == QStringLiteral("kpl"))
        oppnaKplan_->OppnaKontoplanfil(sokvag);
    else if (andelse == QStringLiteral("red"))
        redovisa_->OppnaRedovisningsfil(sokvag);
    else
        Meddelande(QStringLiteral("Tovana öppnar företag (.ftg), kontoplaner (.kpl) och "
                                  "redovisningar (.red). Filen %1 är ingen av dem och öppnades "
                                  "inte.")
                       .arg(sokvag));
}
