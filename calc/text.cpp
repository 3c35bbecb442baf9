// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/zeichen.h"

namespace netzplaner {
namespace {

// Accepts [sign] digits [. digits] [e [sign] digits], with at least one digit
// before the exponent. from_chars alone would also take "inf" and "nan" and
// stop silently at the first character it does not understand.
bool istDezimalzahl(std::string_view text)
{
    std::size_t i = 0;
    const auto ziffern = [&] {
        const std::size_t anfang = i;
        while (i < text.size() && istZiffer(text[i]))
            ++i;
        return i - anfang;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantisse = ziffern();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantisse += ziffern();
    }
    if (mantisse == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (ziffern() == 0)
            return false;
    }
    return i == text.size();
}

// Explicit rather than std::nearbyint, which follows whatever rounding mode
// the floating-point environment happens to be in.
double rundeHalbGerade(double x)
{
    const double unten = std::floor(x);
    const double rest = x - unten;
    if (rest < 0.5)
        return unten;
    if (rest > 0.5)
        return unten + 1.0;
    return std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1.0;
}

// The power of ten of the first significant digit of a text that passed
// istDezimalzahl, saturated far beyond double's range; 0 for a zero.
long long zehnerpotenz(std::string_view text)
{
    constexpr long long grenze = 1'000'000'000;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    long long vorKomma = 0, nullenNachKomma = 0;
    bool komma = false, signifikant = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            komma = true;
        } else if (!signifikant && text[i] == '0') {
            if (komma)
                ++nullenNachKomma;
        } else {
            signifikant = true;
            if (!komma)
                vorKomma = std::min(vorKomma + 1, grenze);
        }
    }
    if (!signifikant)
        return 0;
    long long potenz = vorKomma > 0 ? vorKomma - 1 : -(std::min(nullenNachKomma, grenze) + 1);
    if (i < text.size()) { // the exponent
        ++i;
        const bool negativ = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        long long exponent = 0;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), grenze);
        potenz += negativ ? -exponent : exponent;
    }
    return potenz;
}

} // namespace

std::optional<std::uint8_t> textZuByte(std::string_view text)
{
    text = ohneRand(text, istLuecke);
    if (!istDezimalzahl(text))
        return std::nullopt;
    if (text.front() == '+') // from_chars takes no plus sign
        text.remove_prefix(1);

    double zahl = 0.0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl);
    if (fehler == std::errc::result_out_of_range && zehnerpotenz(text) < 0)
        zahl = 0.0; // "1e-400" is a number, too small for a double: it rounds to 0
    else if (fehler != std::errc{} || ende != text.data() + text.size())
        return std::nullopt;

    const double gerundet = rundeHalbGerade(zahl);
    if (!(gerundet >= 0.0 && gerundet <= 255.0))
        return std::nullopt;
    return static_cast<std::uint8_t>(gerundet);
}

std::string zahlAlsText(double zahl)
{
    if (zahl == 0.0)
        return "0"; // never "-0"
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(std::begin(puffer), std::end(puffer), zahl);
    if (fehler != std::errc{})
        return {};
    return std::string(puffer, ende);
}

std::string mitTausenderpunkten(std::string_view ziffern)
{
    std::string text;
    text.reserve(ziffern.size() + ziffern.size() / 3);
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0)
            text += '.';
        text += ziffern[i];
    }
    return text;
}

std::string mitTausenderpunkten(std::uint64_t zahl)
{
    return mitTausenderpunkten(std::to_string(zahl));
}

std::string anzahlMitWort(std::uint64_t zahl, std::string_view einzahl, std::string_view mehrzahl)
{
    return mitTausenderpunkten(zahl) + ' ' + std::string(zahl == 1 ? einzahl : mehrzahl);
}

std::string prozentText(std::uint64_t teil, std::uint64_t ganzes)
{
    return std::to_string((200 * teil + ganzes) / (2 * ganzes)) + " %";
}

bool sortiertVor(std::string_view text, std::string_view anderer)
{
    // char_traits<char> compares as unsigned char.
    return text.compare(anderer) < 0;
}

bool sortiertNach(std::string_view text, std::string_view anderer)
{
    return text.compare(anderer) > 0;
}

} // namespace netzplaner
