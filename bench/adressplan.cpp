// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan's own cost, without a window: recomputing a plan after one
// edit of a requirement, as every keystroke in the requirements does, for 1,000
// and 10,000 requirements; the same with every cell of the plan written (what a
// window that showed or copied all rows would add); and opening a plan file of
// 10,000 requirements from disk; and 10,000 requirements in 100 sites beside 50
// nets that exist already. Medians of RUNS runs.
//   bench_adressplan [RUNS]   (default 51)
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <variant>
#include <vector>

#include "adressplan/plandatei.h"
#include "bench/mittel.h"
#include "calc/planbaum.h"

namespace {

using namespace netzplaner;

// A site's mix: mostly small nets, some large, every tenth not planned yet;
// the same on every run.
std::vector<Bedarf> bedarfVon(int anzahl)
{
    std::vector<Bedarf> bedarf;
    std::uint32_t zufall = 12345;
    for (int i = 0; i < anzahl; ++i) {
        zufall = zufall * 1103515245u + 12345u;
        const std::uint32_t hosts = 1 + (zufall >> 8) % ((zufall >> 4) % 8 == 0 ? 2000 : 60);
        bedarf.push_back({"Netz " + std::to_string(i + 1), i % 10 == 9 ? std::nullopt : std::optional(hosts)});
    }
    return bedarf;
}

// 100 sites of 100 requirements each, beside 50 fixed /16s that cut the /8
// into gaps of four /16s.
Planauftrag standorte()
{
    Planauftrag auftrag{{10u << 24, 8}, false, Umgebung::klassisch, {}};
    const std::vector<Bedarf> bedarf = bedarfVon(10000);
    for (int s = 0; s < 100; ++s) {
        Planknoten standort{"Standort " + std::to_string(s + 1), std::nullopt, std::nullopt, {}};
        for (int i = 0; i < 100; ++i) {
            const Bedarf& b = bedarf[std::size_t(s * 100 + i)];
            standort.kinder.push_back({b.name, b.hosts, std::nullopt, {}});
        }
        auftrag.bedarf.push_back(std::move(standort));
    }
    for (std::uint32_t f = 0; f < 50; ++f)
        auftrag.bedarf.push_back(
            {"Bestand " + std::to_string(f + 1), std::nullopt, Netzangabe{(10u << 24) | ((5 * f + 3) << 16), 16}, {}});
    return auftrag;
}

// In the columns of the other benchmarks, which have a floor and a ratio.
void zeige(const std::string& was, double ms, const char* ziel)
{
    std::printf("%-38s %7.2f ms", was.c_str(), ms);
    if (*ziel)
        std::printf("%21s %7s", "", ziel);
    std::printf("\n");
}

// Keeps the work from being optimised away.
volatile std::size_t senke = 0;

} // namespace

int main(int argc, char** argv)
{
    const int laeufe = std::max(1, argc > 1 ? std::atoi(argv[1]) : 51);
    const Netzangabe netz{10u << 24, 8};

    for (const int anzahl : {1000, 10000}) {
        Planauftrag auftrag{netz, false, Umgebung::klassisch, {}};
        for (const Bedarf& b : bedarfVon(anzahl))
            auftrag.bedarf.push_back({b.name, b.hosts});
        const auto bearbeite = [&](int lauf) {
            auftrag.bedarf[std::size_t(anzahl / 2)].hosts = std::uint32_t(1 + lauf % 300);
            return plane(auftrag);
        };
        const std::string tausende = anzahl == 1000 ? "1,000" : "10,000";
        zeige("plan of " + tausende + ", after one edit",
              medianMs(laeufe, [&](int lauf) { senke = senke + bearbeite(lauf).zeilen.size(); }),
              anzahl == 1000 ? "2 ms" : "20 ms");
        zeige("plan of " + tausende + ", every cell written",
              medianMs(laeufe,
                       [&](int lauf) {
                           for (const Planblock& zeile : bearbeite(lauf).zeilen)
                               senke = senke + planzellen(zeile, Umgebung::klassisch)[3].size();
                       }),
              "");
    }

    Planauftrag auftrag = standorte();
    if (const Planbaum probe = plane(auftrag); probe.zeilen.empty()) {
        std::fprintf(stderr, "bench_adressplan: the sites do not fit: %s\n", probe.meldung.c_str());
        return 1;
    }
    const auto bearbeiteStandorte = [&](int lauf) {
        auftrag.bedarf[50].kinder[50].hosts = std::uint32_t(1 + lauf % 300);
        return plane(auftrag);
    };
    zeige("plan of 10,000 in 100 sites, 50 fixed",
          medianMs(laeufe, [&](int lauf) { senke = senke + bearbeiteStandorte(lauf).zeilen.size(); }), "20 ms");
    zeige("the same, every cell written",
          medianMs(laeufe, [&](int lauf) { senke = senke + planzeilen(bearbeiteStandorte(lauf)).size(); }), "");

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.adressplan"));
    Plandokument dokument{QStringLiteral("10.0.0.0/8"), false, {}};
    for (Bedarf& b : bedarfVon(10000))
        dokument.bedarf.push_back({std::move(b.name), b.hosts});
    if (speicherePlan(pfad, dokument)) {
        std::fprintf(stderr, "bench_adressplan: cannot write %s\n", qPrintable(pfad));
        return 1;
    }
    const double oeffnen = medianMs(std::max(1, laeufe / 5), [&](int) {
        const auto gelesen = oeffnePlan(pfad);
        senke = senke + std::holds_alternative<Plandokument>(gelesen);
    });
    zeige("opening a plan file of 10,000", oeffnen, "");
    std::printf("(median of %d runs, of %d for the file of %lld KiB; net 10.0.0.0/8, 1 to 2000 hosts each)\n", laeufe,
                std::max(1, laeufe / 5), QFileInfo(pfad).size() / 1024);
}
