// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/grosszahl.h"

#include <algorithm>

#include "calc/text.h"
#include "calc/zeichen.h"

namespace netzplaner {
namespace {

// Adds one to, or takes one from, a string of decimal digits (no leading
// zeros), so that 2^128 can be written and read although it does not fit.
void plusEins(std::string& ziffern)
{
    auto i = ziffern.rbegin();
    for (; i != ziffern.rend() && *i == '9'; ++i)
        *i = '0';
    if (i == ziffern.rend())
        ziffern.insert(ziffern.begin(), '1');
    else
        ++*i;
}

void minusEins(std::string& ziffern)
{
    auto i = ziffern.rbegin();
    for (; *i == '0'; ++i)
        *i = '9';
    --*i;
    if (ziffern.size() > 1 && ziffern.front() == '0')
        ziffern.erase(0, 1);
}

// "1.048.576": one to three digits in front, then "." before every three.
bool richtigGruppiert(std::string_view text)
{
    const auto erster = text.find('.');
    if (erster == 0 || erster > 3 || (text.size() - erster) % 4 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] == '.') != (i >= erster && (i - erster) % 4 == 0))
            return false;
    return true;
}

} // namespace

std::string dezimal(Zahl128 zahl)
{
    std::string ziffern;
    do {
        ziffern += char('0' + int(zahl % 10));
        zahl /= 10;
    } while (zahl != 0);
    std::reverse(ziffern.begin(), ziffern.end());
    return ziffern;
}

std::string zweierpotenz(int exponent)
{
    if (exponent < 128)
        return dezimal(Zahl128{1} << std::max(exponent, 0));
    std::string ziffern = dezimal(letzterIndex(128));
    plusEins(ziffern);
    return ziffern;
}

std::string nummerText(Zahl128 index)
{
    std::string ziffern = dezimal(index);
    plusEins(ziffern);
    return mitTausenderpunkten(ziffern);
}

std::optional<Zahl128> leseNummer(std::string_view text)
{
    text = ohneRand(text, istLuecke);
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    if (text.find('.') != std::string_view::npos && !richtigGruppiert(text))
        return std::nullopt;
    std::string ziffern;
    for (const char c : text)
        if (istZiffer(c) && !(ziffern.empty() && c == '0'))
            ziffern += c;
    if (ziffern.empty() || ziffern.size() > 39)
        return std::nullopt;
    minusEins(ziffern);
    Zahl128 index = 0;
    for (const char c : ziffern) {
        const unsigned ziffer = unsigned(c - '0');
        if (index > (letzterIndex(128) - ziffer) / 10)
            return std::nullopt;
        index = index * 10 + ziffer;
    }
    return index;
}

} // namespace netzplaner
