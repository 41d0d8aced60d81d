#include "core/redovisningsfil/Postradtolkning.h"

#include "core/Fel.h"
#include "core/Plattform.h"
#include "core/Taltext.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovana {

namespace {

// A post line's fields: this many, each ended by ";", then the text, which
// runs to the end of the line.
constexpr int kSemikolonfalt = 6;

// The most digits read the quick way: nine digits never overflow an int32_t.
constexpr std::size_t kSnabbaSiffror = 9;

// A field's text, at most `langd` characters; pure ASCII needs no conversion.
std::string Faltets(std::string_view bytes, Filkodning kodning,
                    std::size_t langd = std::string::npos) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            if (kodning == Filkodning::Utf8)
                return ForstaTecken(bytes, langd);
            // Every Windows-1252 byte is one character.
            return FranWindows1252(bytes.substr(0, std::min(bytes.size(), langd)));
        }
    return std::string(bytes.substr(0, std::min(bytes.size(), langd)));
}

int32_t Heltal(std::string_view bytes, Filkodning kodning) {
    // One to nine digits and nothing else, as nearly every field holds, are
    // read here: the general reading's blanks, signs and hexadecimal cost a
    // few milliseconds at a million posts.
    if (!bytes.empty() && bytes.size() <= kSnabbaSiffror) {
        int32_t tal = 0;
        std::size_t i = 0;
        for (; i < bytes.size(); ++i) {
            const unsigned siffra = static_cast<unsigned char>(bytes[i]) - unsigned{'0'};
            if (siffra > 9)
                break;
            tal = tal * 10 + static_cast<int32_t>(siffra);
        }
        if (i == bytes.size())
            return tal;
    }
    int32_t v = 0;
    if (ForsokTextTillHeltal(bytes, v))
        return v;
    return TextTillHeltal(Faltets(bytes, kodning)); // raises with the field's text
}

TPost LasPostrad(std::string_view rad, Filkodning kodning, Postlasning lasning) {
    // Six fields each end at a ";"; a field without its ";" is empty, so a line cut
    // short fails its conversion instead of passing as a post. The text is the rest.
    // Read for balances, a field without its ";" runs to the end of the line.
    const bool saldon = lasning == Postlasning::Saldon;
    // The first six ";" of the line, sixteen bytes compared at once where the
    // processor can (find called memchr for every field, a tenth of opening).
    std::size_t semikolon[kSemikolonfalt];
    int hittade = 0;
    std::size_t i = 0;
#ifdef __SSE2__
    const __m128i sk = _mm_set1_epi8(';');
    for (; hittade < kSemikolonfalt && i + kSse2Bredd <= rad.size(); i += kSse2Bredd) {
        auto traffar = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(rad.data() + i)), sk)));
        for (; traffar != 0 && hittade < kSemikolonfalt; traffar &= traffar - 1)
            semikolon[hittade++] = i + static_cast<std::size_t>(std::countr_zero(traffar));
    }
#endif
    for (; hittade < kSemikolonfalt && i < rad.size(); ++i)
        if (rad[i] == ';')
            semikolon[hittade++] = i;
    std::string_view falt[kSemikolonfalt + 1];
    std::size_t pos = 0;
    for (int k = 0; k < kSemikolonfalt; ++k) {
        if (k < hittade) {
            falt[k] = rad.substr(pos, semikolon[k] - pos);
            pos = semikolon[k] + 1;
        } else {
            falt[k] = saldon ? rad.substr(pos) : std::string_view{};
            if (saldon)
                pos = rad.size();
        }
    }
    falt[kSemikolonfalt] = rad.substr(pos);
    TPost post;
    post.vernr = Heltal(falt[0], kodning);
    post.datum = Faltets(falt[1], kodning, kDatumlangd);
    double belopp = 0;
    if (!ForsokTextTillBelopp(falt[2], belopp))
        belopp = TextTillBelopp(Faltets(falt[2], kodning));
    post.belopp = belopp;
    post.debet = Heltal(falt[3], kodning);
    post.kredit = Heltal(falt[4], kodning);
    if (!saldon)
        post.kod = Heltal(falt[5], kodning);
    else if (!ForsokTextTillHeltal(falt[5], post.kod))
        post.kod = 0; // an empty or non-numeric code does not count for balances
    post.text = Faltets(falt[kSemikolonfalt], kodning, kTextlangd);
    return post;
}

} // namespace

std::optional<TPost> TolkaPostrad(std::string_view rad) {
    try {
        return LasPostrad(rad, Filkodning::Utf8, Postlasning::Hel);
    } catch (const Korningsfel &) {
        return std::nullopt;
    }
}

std::optional<Lasfel> LasPoster(Radlasare &lasare, Filkodning kodning, Postlasning lasning,
                                std::vector<TPost> &poster,
                                const std::function<void()> *foreFlytt) {
    std::string_view rad;
    while (lasare.NastaPostrad(rad)) {
        try {
            TPost post = LasPostrad(rad, kodning, lasning);
            if (foreFlytt && poster.size() == poster.capacity())
                (*foreFlytt)();
            poster.push_back(std::move(post));
        } catch (const Korningsfel &fel) {
            return Lasfel{fel.what(), lasare.Radnummer()};
        }
    }
    return std::nullopt;
}

} // namespace tovana
