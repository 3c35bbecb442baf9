// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ergebnistext.h"

#include <bit>
#include <cstdint>

namespace netzplaner {
namespace {

std::string punktiert(const Oktette& oktette)
{
    std::string text;
    for (std::size_t i = 0; i < oktette.size(); ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(oktette[i]);
    }
    return text;
}

// The window's masks are contiguous: their leading ones are the prefix.
int praefix(const Oktette& maske)
{
    std::uint32_t bits = 0;
    for (const std::uint8_t oktett : maske)
        bits = bits << 8 | oktett;
    return std::countl_one(bits);
}

// A line break of the counts text becomes a blank: "max: 62 Hosts pro Subnetz".
std::string einzeilig(const std::string& text)
{
    std::string zeile;
    bool umbruch = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            umbruch = true;
            continue;
        }
        if (umbruch && !zeile.empty())
            zeile += ' ';
        umbruch = false;
        zeile += c;
    }
    return zeile;
}

} // namespace

std::string ergebnisAlsText(const Ergebnisstand& stand)
{
    std::string text = "Netz " + punktiert(stand.netz) + '/' + std::to_string(praefix(stand.maske)) + '\n';
    text += "Maske " + punktiert(stand.maske) + '\n';
    text += "Netzadresse " + punktiert(stand.netz) + '\n';
    text += "Broadcast " + punktiert(stand.broadcast) + '\n';
    text += std::string("Klasse ") + char('A' + static_cast<int>(stand.klasse)) + '\n';
    if (const std::string anzahl = einzeilig(stand.anzahl); !anzahl.empty())
        text += anzahl + '\n';
    return text;
}

} // namespace netzplaner
