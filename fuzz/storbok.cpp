// Fuzzes the reading of a big ledger, which two threads read piece by piece,
// against the reading of a small one, which one thread reads whole: the input
// as it stands, and the same lines with over a mebibyte of plain post lines
// added just after its name line or after its last line, must be refused
// alike or read alike: the same name, the same encoding, the same posts.

#include "Fuzzstod.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"
#include "core/Textfil.h"

#include <optional>
#include <string>
#include <string_view>

using namespace tovana;
using namespace tovana::fuzz;

namespace {

// Long lines, so that few posts make the file big enough to be read by two threads.
constexpr int kFyllrader = 1100; // of 1 000 bytes

const std::string &Fyllnad() {
    static const std::string fyllnad = [] {
        const std::string rad = "7;260101;1;1930;3010;0;" + std::string(975, 'f') + "\r\n";
        std::string alla;
        for (int i = 0; i < kFyllrader; ++i)
            alla += rad;
        return alla;
    }();
    return fyllnad;
}

// The ledger read from these bytes, or nothing when it is refused.
std::optional<Redovisningsinnehall> Las(const std::string &namn, std::string_view bytes) {
    const std::string fil = Skrapfil(namn);
    SkrivSkrapfil(fil, bytes);
    try {
        return LasRedovisningsfil(fil);
    } catch (const Korningsfel &) {
        return std::nullopt;
    }
}

void KravSamma(const std::optional<Redovisningsinnehall> &liten,
               const std::optional<Redovisningsinnehall> &stor, std::size_t fore,
               const std::string &vad) {
    Krav(liten.has_value() == stor.has_value(), vad + ": refused by one reader only");
    if (!liten)
        return;
    Krav(liten->namn == stor->namn, vad + ": name", liten->namn + " / " + stor->namn);
    Krav(liten->kodning == stor->kodning, vad + ": encoding");
    Krav(stor->poster.size() == liten->poster.size() + kFyllrader, vad + ": number of posts");
    for (std::size_t i = 0; i < liten->poster.size(); ++i)
        Krav(SammaPost(liten->poster[i], stor->poster[fore + i]), vad + ": a post",
             Beskriv(liten->poster[i]) + "\n" + Beskriv(stor->poster[fore + i]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string_view bytes(reinterpret_cast<const char *>(indata), storlek);
    const auto liten = Las("liten.red", bytes);

    // Just after the name line (a name without a line end gets one).
    Radlasare namnrad(bytes);
    std::string_view rad;
    namnrad.NastaRad(rad);
    const std::size_t efterNamn = namnrad.Position();
    std::string radslut;
    if (efterNamn == 0 || (bytes[efterNamn - 1] != '\r' && bytes[efterNamn - 1] != '\n'))
        radslut = "\r\n";
    const std::string fore = std::string(bytes.substr(0, efterNamn)) + radslut + Fyllnad() +
                             std::string(bytes.substr(efterNamn));
    KravSamma(liten, Las("fore.red", fore), kFyllrader, "lines added after the name");

    // After the last line (a last line without a line end gets one).
    std::string efter(bytes);
    if (efter.empty() || (efter.back() != '\r' && efter.back() != '\n'))
        efter += "\r\n";
    efter += Fyllnad();
    KravSamma(liten, Las("efter.red", efter), 0, "lines added after the last");
    return 0;
}
