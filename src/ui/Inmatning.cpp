#include "ui/Inmatning.h"

#include "core/Bokforingsdata.h"
#include "core/Datum.h"
#include "ui/Windows1252Validator.h"

#include <QLineEdit>
#include <QWidget>

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
