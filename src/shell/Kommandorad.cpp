#include "shell/Kommandorad.h"

#ifndef TOVANA_VERSION
#define TOVANA_VERSION "2.0"
#endif

Kommandorad TolkaKommandorad(const QStringList &argument) {
    Kommandorad rad;
    bool baraFiler = false;
    for (const QString &arg : argument) {
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
