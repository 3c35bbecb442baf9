// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/zeichensatz.h"

#include <array>
#include <cstdint>

namespace netzplaner {
namespace {

void alsUtf8(std::string& text, char32_t zeichen)
{
    if (zeichen < 0x80) {
        text += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
        text += static_cast<char>(0xC0 | zeichen >> 6);
        text += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else if (zeichen < 0x10000) {
        text += static_cast<char>(0xE0 | zeichen >> 12);
        text += static_cast<char>(0x80 | (zeichen >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | zeichen >> 18);
        text += static_cast<char>(0x80 | (zeichen >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (zeichen >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
}

} // namespace

bool istUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        // The second byte's range rules out overlong forms (E0, F0),
        // surrogates (ED) and code points beyond U+10FFFF (F4).
        std::size_t laenge = 0;
        std::uint8_t unten = 0x80, oben = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            laenge = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            laenge = 3;
            unten = b == 0xE0 ? 0xA0 : 0x80;
            oben = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            laenge = 4;
            unten = b == 0xF0 ? 0x90 : 0x80;
            oben = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (bytes.size() - i < laenge)
            return false;
        for (std::size_t k = 1; k < laenge; ++k) {
            const auto folge = static_cast<std::uint8_t>(bytes[i + k]);
            if (folge < (k == 1 ? unten : 0x80) || folge > (k == 1 ? oben : 0xBF))
                return false;
        }
        i += laenge;
    }
    return true;
}

std::optional<std::string> ausUtf16(std::string_view bytes)
{
    bool klein = true;
    if (bytes.starts_with("\xFF\xFE"))
        klein = true;
    else if (bytes.starts_with("\xFE\xFF"))
        klein = false;
    else
        return std::nullopt;
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const auto einheit = [&](std::size_t i) {
        const auto a = static_cast<std::uint8_t>(bytes[i]), b = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char16_t>(klein ? a | b << 8 : a << 8 | b);
    };
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t e = einheit(i);
        if (e >= 0xDC00 && e <= 0xDFFF)
            return std::nullopt;
        if (e < 0xD800 || e > 0xDBFF) {
            alsUtf8(text, e);
            continue;
        }
        if (i + 2 >= bytes.size())
            return std::nullopt;
        const char16_t zweite = einheit(i + 2);
        if (zweite < 0xDC00 || zweite > 0xDFFF)
            return std::nullopt;
        alsUtf8(text, 0x10000 + ((char32_t(e) - 0xD800) << 10) + (char32_t(zweite) - 0xDC00));
        i += 2;
    }
    return text;
}

std::string ausWindows1252(std::string_view bytes)
{
    static constexpr std::array<char16_t, 32> obereSteuerzeichen{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        alsUtf8(text, b >= 0x80 && b < 0xA0 ? obereSteuerzeichen[b - 0x80] : char32_t{b});
    }
    return text;
}

} // namespace netzplaner
