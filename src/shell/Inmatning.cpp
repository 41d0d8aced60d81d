#include "shell/Inmatning.h"

#include "core/Bokforingsdata.h"
#include "core/Datum.h"
#include "core/Teckentabell.h"

#include <QLineEdit>
#include <QWidget>

bool ArWindows1252(const QString &text) {
    for (const char32_t tecken : text.toUcs4())
        if (!tovana::KanSkrivasSomWindows1252(tecken))
            return false;
    return true;
}

QValidator::State Windows1252Validator::validate(QString &text, int &pos) const {
    if (text.contains(u'\r') || text.contains(u'\n')) {
        QString rad;
        rad.reserve(text.size());
        int markor = pos;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar tecken = text[i];
            if (tecken == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                // Two characters become one: the cursor after both moves back one.
                if (i + 1 < pos)
                    --markor;
                ++i;
            }
            rad += (tecken == u'\r' || tecken == u'\n') ? QChar(u' ') : tecken;
        }
        text = rad;
        pos = markor;
    }
    return ArWindows1252(text) ? Acceptable : Invalid;
}

namespace {

constexpr int kNamn = static_cast<int>(tovana::kNamnlangd);
constexpr int kText = static_cast<int>(tovana::kTextlangd);
constexpr int kDatum = static_cast<int>(tovana::kDatumrutelangd);

constexpr Langdgrans kLangdgranser[] = {
    // The chart's name, when it is made and when it is changed.
    {"Editnykplannamn", kNamn},
    {"EditKplannamn", kNamn},
    // An account's name, new and changed.
    {"Knamn", kNamn},
    {"EditKplanRedNamn", kNamn},
    // The ledger's name, when it is made and when it is changed.
    {"EditAngeRedNamn", kNamn},
    {"EditAndraRedNamn", kNamn},
    // A post's text and date on the entry form and the change panel, and the
    // date of the opening posts.
    {"EditText", kText},
    {"EditAndraText", kText},
    {"EditDatum", kDatum},
    {"EditAndraDatum", kDatum},
    {"EditIBdatum", kDatum},
};

} // namespace

std::span<const Langdgrans> Langdgranser() {
    return kLangdgranser;
}

void SkyddaInmatning(QWidget *rot) {
    for (auto *ruta : rot->findChildren<QLineEdit *>()) {
        if (!ruta->validator() && !ruta->isReadOnly())
            ruta->setValidator(new Windows1252Validator(ruta));
    }
    // Qt cuts typed, pasted and set text alike to a box's maxLength.
    for (const Langdgrans &grans : kLangdgranser)
        for (auto *ruta : rot->findChildren<QLineEdit *>(QString::fromUtf8(grans.ruta)))
            ruta->setMaxLength(grans.tecken);
}
