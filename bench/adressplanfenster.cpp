// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan as the window does it: one edit of a Hosts cell through the
// requirements' model (an undo step, the plan made anew, the plan's table
// reset and painted), for 1,000 and 10,000 requirements, and for 10,000 in 100
// groups of which 50 are fixed nets; and opening a plan file of 10,000
// requirements into the window. Medians of RUNS runs, offscreen.
//   bench_adressplanfenster [RUNS]   (default 31)
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstdio>

#include "adressplan/adressplanfenster.h"
#include "bench/mittel.h"
#include "toolkit/erscheinung.h"

namespace {

using namespace netzplaner;

Plandokument planVon(int anzahl)
{
    Plandokument dokument{QStringLiteral("10.0.0.0/8"), false, {}};
    for (int i = 0; i < anzahl; ++i)
        dokument.bedarf.push_back({"Netz " + std::to_string(i + 1), std::uint32_t(1 + (i * 7919) % 500)});
    return dokument;
}

// 100 sites of 100 requirements each; every other site has its /16 already.
Plandokument planInEbenen()
{
    Plandokument dokument{QStringLiteral("10.0.0.0/8"), false, {}};
    for (int g = 0; g < 100; ++g) {
        Planknoten gruppe{"Standort " + std::to_string(g + 1), {}};
        if (g % 2 == 0)
            gruppe.fest = Netzangabe{Adresse((10u << 24) | (std::uint32_t(g) << 16)), 16};
        for (int i = 0; i < 100; ++i)
            gruppe.kinder.push_back({"VLAN " + std::to_string(i + 1), std::uint32_t(1 + ((g * 100 + i) * 7919) % 500)});
        dokument.bedarf.push_back(std::move(gruppe));
    }
    return dokument;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    richteErscheinungEin(app);
    const int laeufe = std::max(1, argc > 1 ? std::atoi(argv[1]) : 31);
    QTemporaryDir ordner;
    for (const int anzahl : {1000, 10000}) {
        const QString pfad = ordner.filePath(QStringLiteral("plan%1.adressplan").arg(anzahl));
        if (speicherePlan(pfad, planVon(anzahl)))
            return 1;
        AdressplanFenster fenster(QStringLiteral("10.0.0.0/8"), nullptr);
        fenster.show();
        const double oeffnen = medianMs(anzahl == 1000 ? 1 : std::max(1, laeufe / 5), [&](int) {
            fenster.oeffne(pfad);
            QApplication::processEvents(); // the paint that follows
        });
        QAbstractItemModel* bedarf = fenster.findChild<QTreeView*>(QStringLiteral("bedarf"))->model();
        const double bearbeiten = medianMs(laeufe, [&](int lauf) {
            bedarf->setData(bedarf->index(anzahl / 2, 1), QString::number(1 + lauf % 300));
            QApplication::processEvents();
        });
        std::printf("window, plan of %6d, one edit painted %7.2f ms%21s %s\n", anzahl, bearbeiten, "",
                    anzahl == 1000 ? "2 ms" : "20 ms");
        if (anzahl == 10000)
            std::printf("window, opening a plan file of 10,000 %7.2f ms\n", oeffnen);
    }
    const QString pfad = ordner.filePath(QStringLiteral("ebenen.adressplan"));
    if (speicherePlan(pfad, planInEbenen()))
        return 1;
    AdressplanFenster fenster(QStringLiteral("10.0.0.0/8"), nullptr);
    fenster.show();
    fenster.oeffne(pfad);
    QApplication::processEvents();
    QAbstractItemModel* bedarf = fenster.findChild<QTreeView*>(QStringLiteral("bedarf"))->model();
    const QModelIndex standort = bedarf->index(51, 0);
    const double bearbeiten = medianMs(laeufe, [&](int lauf) {
        bedarf->setData(bedarf->index(50, 1, standort), QString::number(1 + lauf % 300));
        QApplication::processEvents();
    });
    std::printf("window, 10,000 in 100 groups, 50 fixed, one edit painted %7.2f ms %s\n", bearbeiten, "20 ms");
    // A plan that failed would be measured for nothing.
    std::printf("  (%s)\n", qPrintable(fenster.findChild<QLabel*>(QStringLiteral("lblmeldung"))->text()));
}
