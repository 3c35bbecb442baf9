// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace netzplaner {

// An IPv6 address as one number, the first group in the top 16 bits. g++ and
// clang++ have 128-bit integers built in; __extension__ tells -Wpedantic that
// this one is meant.
__extension__ typedef unsigned __int128 Zahl128;

struct Ipv6Netz {
    Zahl128 adresse = 0; // may hold host bits where it was read from a user's text
    int praefix = 128;   // 0..128

    bool operator==(const Ipv6Netz&) const = default;
};

constexpr Zahl128 ipv6Zahl(unsigned long long hoch, unsigned long long tief)
{
    return Zahl128{hoch} << 64 | tief;
}

// A shift by the full 128 bits is undefined, so /0 is its own case.
constexpr Zahl128 ipv6Maske(int praefix)
{
    return praefix <= 0 ? 0 : ~Zahl128{0} << (128 - praefix);
}

constexpr Ipv6Netz ohneHostbits(const Ipv6Netz& netz)
{
    return {netz.adresse & ipv6Maske(netz.praefix), netz.praefix};
}

constexpr Zahl128 letzteAdresse(const Ipv6Netz& netz)
{
    return netz.adresse | ~ipv6Maske(netz.praefix);
}

// 2^bits - 1 (bits 0..128): the last 0-based index of 2^bits things. Their
// count itself does not fit when bits is 128.
constexpr Zahl128 letzterIndex(int bits)
{
    return bits >= 128 ? ~Zahl128{0} : (Zahl128{1} << bits) - 1;
}

} // namespace netzplaner
