#include "shell/Valkomstpanel.h"

#include "ui/Kontroller.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Rad {
    const char *namn;
    QString text;
};

QFrame *Block(QWidget *parent, const std::vector<Rad> &rader, bool ellips) {
    auto *block = new QFrame(parent);
    block->setObjectName(QStringLiteral("Valkomstblock"));
    // Cream surfaces: rounded rectangles, and rounder ones for the side notes.
    block->setStyleSheet(QStringLiteral("QFrame#Valkomstblock { background: #FFFBF0; "
                                        "border: 1px solid #E0D8C0; border-radius: %1px; }"
                                        "QLabel { background: transparent; }")
                             .arg(ellips ? 40 : 12));
    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(ellips ? 30 : 16, 12, ellips ? 30 : 16, 12);
    layout->setSpacing(2);
    layout->addStretch(1);
    for (const auto &rad : rader) {
        layout->addWidget(kontroller::Etikett(block, rad.namn, rad.text));
    }
    layout->addStretch(1);
    return block;
}

} // namespace

Valkomstpanel::Valkomstpanel(const QString &support, QWidget *parent)
    : Arbetspanel(QStringLiteral("Panelvalkommen"), QStringLiteral("Labelvalkommen"),
                  QStringLiteral("Välkommen till Tovana"), parent) {
    auto *grid = new QGridLayout;
    grid->setSpacing(18);
    grid->addWidget(
        Block(this,
              {{"Label10", QStringLiteral("Tovana kan användas av mindre företag och")},
               {"LabelV11", QStringLiteral("föreningar, men läs inledningen av manualen")},
               {"LabelV12", QStringLiteral("innan du använder programmet i skarpt läge.")}},
              false),
        0, 0);
    grid->addWidget(
        Block(this,
              {{"LabelV20", QStringLiteral("Du kan använda Tovana för att öka förståelsen")},
               {"LabelV21", QStringLiteral("för bokföring. Programmet visar löpande hur")},
               {"LabelV22", QStringLiteral("dina konteringar påverkar resultaträkningen")},
               {"LabelV23", QStringLiteral("och balansräkningen.")}},
              false),
        1, 0);
    grid->addWidget(
        Block(this,
              {{"LabelV30", QStringLiteral("Använd menyerna ovan för att skapa en ny")},
               {"LabelV31", QStringLiteral("kontoplan eller öppna en befintlig kontoplan")},
               {"Label40", QStringLiteral("Via menyerna kan du därefter skapa en ny")},
               {"LabelV41", QStringLiteral("redovisning eller öppna en befintlig redovisning.")}},
              false),
        2, 0);
    grid->addWidget(Block(this,
                          {{"LabelV60", QStringLiteral("Manualer är ofta tröttsam")},
                           {"LabelV61", QStringLiteral("läsning, men att skumma igenom")},
                           {"LabelV62", QStringLiteral("maualen kan underlätta arbetet")},
                           {"LabelV63", QStringLiteral("med programmet och spara tid.")}},
                          true),
                    0, 1);
    grid->addWidget(
        Block(this,
              {{"LabelV80", QStringLiteral(" ")},
               {"LabelV81", QStringLiteral("Om du stöter på problem eller har förslag")},
               {"LabelV82", QStringLiteral("på ändringar eller kompletteringar är du")},
               {"LabelV83", QStringLiteral("välkommen med dina frågor/synpunkter via ")},
               {"LabelV84", QStringLiteral("E-post adressen:")},
               {"LabelV85", support}},
              true),
        1, 1, 2, 1);
    // Below the others, across both columns: a finished year to look at first.
    grid->addWidget(Block(this,
                          {{"LabelV90", QStringLiteral("Vill du se hur ett bokfört år ser ut? "
                                                       "Välj Företag, Öppna företag och öppna "
                                                       "kafe.ftg i mappen exempel.")}},
                          false),
                    3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    Innehall()->addLayout(grid);
    Innehall()->addStretch(1);
}
