#include "shell/Kommandorad.h"

#ifndef TOVANA_VERSION
#define TOVANA_VERSION "2.0"
#endif

namespace {

// Qt's own options, which Qt reads and removes when the application is made;
// the command line is read before that, so it steps over them here.
int QtFlaggansLangd(const QString &arg) {
    static const QStringList medVarde{"platform",
                                      "platformpluginpath",
                                      "platformtheme",
                                      "plugin",
                                      "qwindowgeometry",
                                      "geometry",
                                      "qwindowicon",
                                      "qwindowtitle",
                                      "title",
                                      "style",
                                      "stylesheet",
                                      "display",
                                      "name",
                                      "session",
                                      "qmljsdebugger",
                                      "fontengine"};
    static const QStringList utanVarde{"reverse", "widgetcount", "nograb",
                                       "dograb",  "sync",        "testability"};
    QString namn = arg;
    if (namn.startsWith(QStringLiteral("--")))
        namn.remove(0, 2);
    else if (namn.startsWith(QLatin1Char('-')))
        namn.remove(0, 1);
    else
        return 0;
    if (const qsizetype lika = namn.indexOf(QLatin1Char('=')); lika > 0)
        return medVarde.contains(namn.left(lika)) ? 1 : 0;
    if (medVarde.contains(namn))
        return 2;
    return utanVarde.contains(namn) ? 1 : 0;
}

} // namespace

Kommandorad TolkaKommandorad(const QStringList &argument) {
    Kommandorad rad;
    bool baraFiler = false;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QString &arg = argument[i];
        if (!baraFiler) {
            if (const int langd = QtFlaggansLangd(arg); langd > 0) {
                i += langd - 1;
                continue;
            }
        }
        if (!baraFiler && (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")))
            return {Kommandorad::Slag::Hjalp, {}, {}};
        if (!baraFiler && arg == QStringLiteral("--version"))
            return {Kommandorad::Slag::Version, {}, {}};
        if (!baraFiler && arg == QStringLiteral("--")) {
            baraFiler = true;
            continue;
        }
        if (!baraFiler && arg.startsWith(QLatin1Char('-')) && arg != QStringLiteral("-"))
            return {Kommandorad::Slag::Fel,
                    {},
                    QStringLiteral("tovana: okänd flagga \"%1\". Skriv \"tovana --help\" för "
                                   "hjälp.\n")
                        .arg(arg)};
        if (rad.slag == Kommandorad::Slag::Fil)
            return {Kommandorad::Slag::Fel,
                    {},
                    QStringLiteral("tovana: bara en fil kan öppnas åt gången.\n")};
        rad = {Kommandorad::Slag::Fil, arg, {}};
    }
    return rad;
}

QString Hjalptext() {
    return QStringLiteral(
        "Användning: tovana [FLAGGA] [FIL]\n"
        "\n"
        "Startar Tovana, dubbel bokföring för små företag och föreningar, och öppnar FIL\n"
        "som menyerna öppnar den:\n"
        "  FIL.ftg   ett företag: dess kontoplan och redovisning\n"
        "  FIL.kpl   en kontoplan\n"
        "  FIL.red   en redovisning\n"
        "\n"
        "Flaggor:\n"
        "  -h, --help   visa den här texten och avsluta\n"
        "  --version    visa programmets version och avsluta\n");
}

QString Versionstext() {
    return QStringLiteral("Tovana " TOVANA_VERSION "\n");
}
