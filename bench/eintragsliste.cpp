// SPDX-License-Identifier: GPL-3.0-or-later
// Writes N entries of a blocklist as firewalls get them, the same for the same
// N on every machine: half single addresses (/32), 40 % /24 nets, the rest nets
// of /20 to /28, at random across the address space, unsorted, and one in ten
// a repeat of an earlier line.
//   bench_eintragsliste N > liste.txt
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("Aufruf: bench_eintragsliste ANZAHL\n", stderr);
        return 2;
    }
    const std::uint64_t anzahl = std::strtoull(argv[1], nullptr, 10);
    std::mt19937_64 zufall(20261209);
    std::uniform_int_distribution<std::uint32_t> adresse;
    std::uniform_int_distribution<int> hundert(0, 99);
    std::uniform_int_distribution<int> praefix(20, 28);
    std::vector<std::uint32_t> frueher; // nets of earlier lines, to repeat
    std::vector<int> frueherPraefix;
    std::string puffer;
    for (std::uint64_t i = 0; i < anzahl; ++i) {
        std::uint32_t netz = 0;
        int p = 32;
        if (!frueher.empty() && hundert(zufall) < 10) {
            const std::size_t welche = std::uniform_int_distribution<std::size_t>(0, frueher.size() - 1)(zufall);
            netz = frueher[welche];
            p = frueherPraefix[welche];
        } else {
            const int art = hundert(zufall);
            p = art < 50 ? 32 : art < 90 ? 24 : praefix(zufall);
            netz = adresse(zufall) & (p == 0 ? 0u : ~std::uint32_t{0} << (32 - p));
            // Enough earlier lines to repeat from, without holding all of them.
            if (frueher.size() < 65536) {
                frueher.push_back(netz);
                frueherPraefix.push_back(p);
            } else {
                const std::size_t platz = i % 65536;
                frueher[platz] = netz;
                frueherPraefix[platz] = p;
            }
        }
        char zeile[32];
        const int laenge = p == 32 ? std::snprintf(zeile, sizeof zeile, "%u.%u.%u.%u\n", netz >> 24, (netz >> 16) & 255,
                                                   (netz >> 8) & 255, netz & 255)
                                   : std::snprintf(zeile, sizeof zeile, "%u.%u.%u.%u/%d\n", netz >> 24,
                                                   (netz >> 16) & 255, (netz >> 8) & 255, netz & 255, p);
        puffer.append(zeile, static_cast<std::size_t>(laenge));
        if (puffer.size() > (1u << 20)) {
            std::fwrite(puffer.data(), 1, puffer.size(), stdout);
            puffer.clear();
        }
    }
    std::fwrite(puffer.data(), 1, puffer.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
