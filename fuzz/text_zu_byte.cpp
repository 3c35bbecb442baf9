// SPDX-License-Identifier: GPL-3.0-or-later
// textZuByte reads a decimal number and rounds it half to even; it must agree
// with the C library's strtod on every plain decimal text and accept nothing
// else.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "calc/text.h"
#include "fuzz/pruefe.h"

namespace {

std::string_view ohneRand(std::string_view text)
{
    const auto rand = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && rand(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && rand(text.back()))
        text.remove_suffix(1);
    return text;
}

// The texts that count as numbers: sign, digits, a point, an exponent.
bool istDezimal(const std::string& text)
{
    static const std::regex dezimal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    return std::regex_match(text, dezimal);
}

// strtod rounds correctly; underflow gives 0 (or the nearest subnormal), which
// rounds to the byte 0 like any other tiny number.
double gelesen(const std::string& text)
{
    errno = 0;
    return std::strtod(text.c_str(), nullptr);
}

void rundreise(std::uint8_t b)
{
    const std::string z = std::to_string(b);
    for (const std::string& text : {z, " " + z + "\t", "+" + z, z + ".0", "00" + z, z + "e0", z + ".49999"})
        PRUEFE(netzplaner::textZuByte(text) == b);
    if (b < 255) // a half goes to the even neighbour
        PRUEFE(netzplaner::textZuByte(z + ".5") == (b % 2 == 0 ? b : b + 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    const auto ergebnis = netzplaner::textZuByte(text);
    rundreise(groesse > 0 ? daten[0] : 0);

    // std::regex recurses per character; long texts are checked one way only.
    const std::string kern(ohneRand(text));
    const bool kurz = kern.size() <= 200;
    if (ergebnis) {
        if (kurz)
            PRUEFE(istDezimal(kern));
        const double d = gelesen(kern);
        PRUEFE(std::fabs(d - *ergebnis) <= 0.5);
        if (std::fabs(d - *ergebnis) == 0.5)
            PRUEFE(*ergebnis % 2 == 0);
    } else if (kurz && istDezimal(kern)) {
        const double gerundet = std::nearbyint(gelesen(kern)); // the default mode rounds half to even
        PRUEFE(!(gerundet >= 0.0 && gerundet <= 255.0));
    }
    return 0;
}
