#include "shell/Svenska.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

struct Tillagg {
    const char *sammanhang;
    const char *kalla;
    const char *text;
};

// Texts Qt 6 shows in its file dialog and message boxes that Qt's collected
// Swedish file does not hold.
constexpr Tillagg kTillagg[] = {
    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileDialog", "Recent Places", "Senaste platser"},
    {"QFileDialog", "Computer", "Dator"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "Vill du verkligen ta bort '%1'?"},
    {"QPlatformTheme", "Close without Saving", "Stäng utan att spara"},
};

// Qt's collected Swedish file (qt_sv.qm) keeps the standard buttons' texts
// ("&Ja", "Avbryt", "Öppna") under their older context QDialogButtonBox, while
// Qt 6 asks for them under QPlatformTheme: those are looked up there too, and
// the few texts the file lacks are taken from kTillagg.
class SvenskaQtTexter final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *sammanhang, const char *kalla, const char *tydning,
                      int antal) const override {
        QString text = QTranslator::translate(sammanhang, kalla, tydning, antal);
        if (text.isEmpty() && qstrcmp(sammanhang, "QPlatformTheme") == 0)
            text = QTranslator::translate("QDialogButtonBox", kalla, tydning, antal);
        if (!text.isEmpty())
            return text;
        for (const Tillagg &t : kTillagg)
            if (qstrcmp(sammanhang, t.sammanhang) == 0 && qstrcmp(kalla, t.kalla) == 0)
                return QString::fromUtf8(t.text);
        return {};
    }
};

} // namespace

bool InstalleraSvenskaQtTexter(QApplication &app) {
    const QString mapp = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *samlad = new SvenskaQtTexter(&app);
    if (!samlad->load(QStringLiteral("qt_sv"), mapp)) {
        delete samlad;
        return false;
    }
    QApplication::installTranslator(samlad);
    // Qt's own module file, where the installation has one, is installed later
    // and so asked first.
    auto *modul = new QTranslator(&app);
    if (modul->load(QStringLiteral("qtbase_sv"), mapp))
        QApplication::installTranslator(modul);
    else
        delete modul;
    return true;
}
