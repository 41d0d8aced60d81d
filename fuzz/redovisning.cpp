// Fuzzes the ledger reader: a refused file leaves the ledger in memory as it
// was; an accepted one, written back by the ledger writer, reads again into the
// same name and posts, every amount equal to 15 significant digits. Both readers
// (into the state and into a plain list) must agree, and a ledger read as
// Windows-1252 can always be written back.

#include "Fuzzstod.h"
#include "core/Fel.h"
#include "core/Redovisningsfil.h"

using namespace tovana;
using namespace tovana::fuzz;

namespace {

void KravSammaRedovisning(const Bokforingsdata &a, const Bokforingsdata &b,
                          const std::string &vad) {
    Krav(a.Redovisningsnamn == b.Redovisningsnamn, vad + ": name",
         a.Redovisningsnamn + " / " + b.Redovisningsnamn);
    Krav(a.Postantal == b.Postantal, vad + ": number of posts",
         std::to_string(a.Postantal) + " / " + std::to_string(b.Postantal));
    for (int32_t i = 1; i <= a.Postantal; ++i)
        Krav(SammaPost(a.Poster[i], b.Poster[i]), vad + ": post " + std::to_string(i),
             Beskriv(a.Poster[i]) + "\n" + Beskriv(b.Poster[i]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *indata, size_t storlek) {
    const std::string fil = Skrapfil("indata.red");
    SkrivSkrapfil(fil, std::string_view(reinterpret_cast<const char *>(indata), storlek));

    Bokforingsdata data = KantTillstand();
    const Bokforingsdata fore = data;
    try {
        LasRedovisning(data, fil);
    } catch (const Korningsfel &) {
        Krav(data.Poster == fore.Poster, "a refused ledger changed a post slot");
        KravSammaRedovisning(data, fore, "a refused ledger changed the ledger in memory");
        return 0;
    }
    const Redovisningsinnehall lista = LasRedovisningsfil(fil);
    Krav(lista.namn == data.Redovisningsnamn &&
             static_cast<int32_t>(lista.poster.size()) == data.Postantal,
         "the two ledger readers disagree");
    for (int32_t i = 1; i <= data.Postantal; ++i)
        Krav(lista.poster[i - 1] == data.Poster[i], "the two ledger readers disagree on a post");

    // Only a ledger read as UTF-8 may hold a character the writer cannot store.
    std::string bytes;
    try {
        bytes = RedovisningBytes(data.Redovisningsnamn, data.Poster.data() + 1,
                                 static_cast<std::size_t>(data.Postantal));
    } catch (const Korningsfel &fel) {
        Krav(lista.kodning == Filkodning::Utf8, "a Windows-1252 ledger cannot be written back",
             fel.what());
        return 0;
    }
    if (LasesSomUtf8(bytes))
        return 0;
    const std::string igen = Skrapfil("igen.red");
    SkrivSkrapfil(igen, bytes);
    Bokforingsdata last = KantTillstand();
    try {
        LasRedovisning(last, igen);
    } catch (const Korningsfel &fel) {
        Fynd("a ledger as written does not read back", std::string(fel.what()) + "\n" + bytes);
    }
    KravSammaRedovisning(data, last, "a ledger read back differs from the one written");
    return 0;
}
