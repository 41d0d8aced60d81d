#include "shell/Fargpanel.h"
#include "core/Menynamn.h"

#include "core/Installningar.h"
#include "ui/Huvudfonster.h"
#include "ui/Kontroller.h"

#include <QAction>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QStringList kFargtext = {
    QStringLiteral("Färger anges med hexadecimala värden för blått, grönt och rött."),
    QStringLiteral("Använd skalan 0, 1, 2 ... 8, 9, A, B, C, D, E, F där 0 anger"),
    QStringLiteral("inget av färgen och F anger max av färgen."),
    QString(),
    QStringLiteral("Du måste alltid ange två hexadecimala tal för respektive färg."),
    QString(),
    QStringLiteral("Klicka på testytan när du ändrar färgvärden för att se "),
    QStringLiteral("resultatet.."),
    QStringLiteral("Klicka på \"Spara\"-knappen om du vill använda den färg som "),
    QStringLiteral("visas på testpanelen."),
};

QLineEdit *Falt(QWidget *parent, const char *namn) {
    auto *ruta = kontroller::Ruta(parent, namn);
    ruta->setMaxLength(2);
    const QFontMetrics matt(ruta->font());
    ruta->setMinimumWidth(matt.horizontalAdvance(QStringLiteral("WWWW")) + 12);
    ruta->setMaximumWidth(matt.horizontalAdvance(QStringLiteral("WWWWWW")) + 12);
    return ruta;
}

QColor TillQColor(const tovana::Farg &farg) {
    return QColor(farg.rod, farg.gron, farg.bla);
}

} // namespace

using kontroller::Etikett;

Testyta::Testyta(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(80);
}

void Testyta::SattFarg(const QColor &farg) {
    QPalette p = palette();
    p.setColor(QPalette::Window, farg);
    setPalette(p);
}

void Testyta::mouseReleaseEvent(QMouseEvent *handelse) {
    QLabel::mouseReleaseEvent(handelse);
    if (handelse->button() == Qt::LeftButton && rect().contains(handelse->position().toPoint()))
        emit Klickad();
}

PanelFarg::PanelFarg(Huvudfonster &form)
    : Arbetspanel(QStringLiteral("PanelFarg"), QStringLiteral("LabelFargRubrik"),
                  QStringLiteral("Rutin för att ändra bakgrundsfärg i programmet")),
      form_(form) {
    auto *falt = new QGridLayout;
    falt->setHorizontalSpacing(16);
    falt->addWidget(Etikett(this, "LabelR", QStringLiteral("Blått")), 0, 1);
    falt->addWidget(Etikett(this, "LabelGult", QStringLiteral("Grönt")), 0, 2);
    falt->addWidget(Etikett(this, "LabelB", QStringLiteral("Rött")), 0, 3);
    EditR_ = Falt(this, "EditR");
    EditG_ = Falt(this, "EditG");
    EditB_ = Falt(this, "EditB");
    falt->addWidget(EditR_, 1, 1);
    falt->addWidget(EditG_, 1, 2);
    falt->addWidget(EditB_, 1, 3);
    falt->addWidget(Etikett(this, "LabelFargOrg", QStringLiteral("Vid leverans:")), 2, 0);
    falt->addWidget(Etikett(this, "LabelFargBOrg", QStringLiteral("EE")), 2, 1);
    falt->addWidget(Etikett(this, "LabelFragGOrg", QStringLiteral("DA")), 2, 2);
    falt->addWidget(Etikett(this, "LabelFargROrg", QStringLiteral("DA")), 2, 3);
    falt->setColumnStretch(4, 1);
    Innehall()->addLayout(falt);

    Innehall()->addWidget(kontroller::Memo(this, "MemoFarg", kFargtext), 0, Qt::AlignLeft);

    TestPanel_ = new Testyta(QStringLiteral("Klicka här för att visa  inställd färg"), this);
    TestPanel_->setObjectName(QStringLiteral("TestPanel"));
    Innehall()->addWidget(TestPanel_);

    BitBtnFargSpara_ = kontroller::Knapp(
        this, "BitBtnFargSpara", QStringLiteral("Använd och spara den färg som visas på testytan"));
    Innehall()->addWidget(BitBtnFargSpara_, 0, Qt::AlignLeft);
    Innehall()->addStretch(1);

    connect(TestPanel_, &Testyta::Klickad, this, &PanelFarg::TestPanelClick);
    connect(BitBtnFargSpara_, &QPushButton::clicked, this, &PanelFarg::BitBtnFargSparaClick);
}

void PanelFarg::fargerClick() {
    form_.VisaArbetspanel(this);
    // Characters 4-5, 6-7 and 8-9 of the colour text, after its "$00".
    const QString fargtext = QString::fromStdString(form_.Installningar().Fargtext);
    EditR_->setText(fargtext.mid(3, 2));
    EditG_->setText(fargtext.mid(5, 2));
    EditB_->setText(fargtext.mid(7, 2));
    TestPanel_->SattFarg(TillQColor(form_.Installningar().Bakgrundsfarg));
}

void PanelFarg::TestPanelClick() {
    form_.Kor([&] {
        const std::string text =
            tovana::FargtextAvRutor(EditR_->text().toStdString(), EditG_->text().toStdString(),
                                    EditB_->text().toStdString());
        auto &installningar = form_.Installningar();
        tovana::SattFarg(installningar, text);
        TestPanel_->SattFarg(TillQColor(installningar.Bakgrundsfarg));
    });
}

void PanelFarg::BitBtnFargSparaClick() {
    form_.Kor([&] {
        form_.FargaArbetspaneler();
        tovana::SkrivInstallningar(form_.Installningar());
        form_.Meddelande(QStringLiteral("Bakgrundsfärgen är ändrad"));
    });
}

void Anvndpunktsomdecimaltecken1Click(Huvudfonster &form) {
    form.Installningar().Decimalord = "punkt";
}

PanelFarg *ByggFargpanel(Huvudfonster &form) {
    auto *panel = new PanelFarg(form);
    form.RegistreraArbetspanel(panel);
    QObject::connect(form.Menyval(tovana::meny::farger), &QAction::triggered, panel,
                     &PanelFarg::fargerClick);
    QObject::connect(form.Menyval(tovana::meny::Anvndpunktsomdecimaltecken1), &QAction::triggered,
                     panel, [&form] { Anvndpunktsomdecimaltecken1Click(form); });
    return panel;
}
