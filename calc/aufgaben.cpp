// SPDX-License-Identifier: GPL-3.0-or-later
// The task generator: every number of a task is drawn from a generator seeded
// by series, kind and task number, and every answer is worked out by the
// program's own calculations.
#include <algorithm>
#include <bit>
#include <random>

#include "calc/aufgabe.h"
#include "calc/aufgabenweg.h"
#include "calc/netzangabe.h"
#include "calc/netzzeile.h"
#include "calc/text.h"
#include "calc/zusammenfassung.h"

namespace netzplaner {
namespace {

// std::seed_seq and std::mt19937 are defined bit for bit by the standard, the
// distributions are not: numbers are mapped to lo..hi here as
// lo + x % (hi - lo + 1) from one 32-bit draw x, so every library gives the
// same task. The bias of the modulo is below 2^-20 for every range used.
class Wuerfel {
public:
    Wuerfel(std::uint32_t serie, Aufgabenart art, std::uint32_t nummer)
    {
        std::seed_seq saat{serie, static_cast<std::uint32_t>(art), nummer};
        zufall_.seed(saat);
    }
    std::uint32_t zahl(std::uint32_t lo, std::uint32_t hi) { return lo + zufall_() % (hi - lo + 1); }

private:
    std::mt19937 zufall_;
};

// A private range as courses use them, and the smallest prefix a task's net
// takes in it: 10.0.0.0/8, 172.16.0.0/12, 192.168.0.0/16.
struct Bereich {
    Adresse netz;
    int praefix;
};

Bereich privat(Wuerfel& w)
{
    static constexpr std::array<Bereich, 3> bereiche{{{0x0A000000u, 8}, {0xAC100000u, 12}, {0xC0A80000u, 16}}};
    return bereiche[w.zahl(0, 2)];
}

// A net of prefix p inside the range, any of them.
Adresse netzIn(Wuerfel& w, const Bereich& bereich, int praefix)
{
    return (bereich.netz | w.zahl(0, ~maske(bereich.praefix))) & maske(praefix);
}

Antwortfeld adressfeld(std::string frage, Adresse adresse)
{
    return {std::move(frage), Antwortform::Adresse, adresse, 0, 0, adressText(adresse)};
}

Antwortfeld maskenfeld(int praefix)
{
    return {
        "Maske", Antwortform::Maske, 0, praefix, 0, adressText(maske(praefix)) + " (/" + std::to_string(praefix) + ")"};
}

Antwortfeld anzahlfeld(std::string frage, std::uint64_t anzahl)
{
    return {std::move(frage), Antwortform::Anzahl, 0, 0, anzahl, mitTausenderpunkten(anzahl)};
}

Antwortfeld netzfeld(std::string frage, Adresse netz, int praefix)
{
    return {std::move(frage), Antwortform::Netz, netz, praefix, 0, cidrText(netz, praefix)};
}

std::uint64_t hosts(int praefix)
{
    return netzgroesse(praefix) - 2;
}

// A host of a /12../30 net: neither its network address nor its broadcast.
Aufgabe netzaufgabe(Wuerfel& w)
{
    const Bereich bereich = privat(w);
    const int p = static_cast<int>(w.zahl(std::max(12u, std::uint32_t(bereich.praefix + 8)), 30));
    const Adresse netz = netzIn(w, bereich, p);
    const Adresse host = netz + w.zahl(1, std::uint32_t(netzgroesse(p) - 2));
    const Adresse broadcast = netz | ~maske(p);
    return {Aufgabenart::Netz,
            "Gegeben ist der Host " + cidrText(host, p) + ".",
            {adressfeld("Netzadresse", netz), adressfeld("Broadcast", broadcast), adressfeld("Erster Host", netz + 1),
             adressfeld("Letzter Host", broadcast - 1), anzahlfeld("Hosts", hosts(p))},
            wegNetz(host, p)};
}

// Between 3 and 4094 hosts: from a small office to a large campus net.
Aufgabe maskenaufgabe(Wuerfel& w)
{
    const std::uint32_t bits = w.zahl(3, 12);
    const std::uint32_t n = w.zahl((1u << (bits - 1)) - 1, (1u << bits) - 2);
    const int p = plane({{0, 0}, false, Umgebung::klassisch, {{"", n}}}).zeilen.front().praefix;
    return {Aufgabenart::Maske,
            "Ein Netz soll mindestens " + mitTausenderpunkten(n) + " Hosts aufnehmen.",
            {maskenfeld(p)},
            wegMaske(n, p)};
}

Aufgabe teilnetzaufgabe(Wuerfel& w)
{
    const Bereich bereich = privat(w);
    const int p = static_cast<int>(w.zahl(std::uint32_t(bereich.praefix + 8), 26));
    const Adresse netz = netzIn(w, bereich, p);
    const std::uint32_t n = w.zahl(2, std::min(16u, 1u << (30 - p)));
    int q = p;
    while (netzgroesse(p) / netzgroesse(q) < n)
        ++q;
    const std::uint32_t k = w.zahl(1, n);
    const Adresse teilnetz = netz + static_cast<Adresse>((k - 1) * netzgroesse(q));
    const std::string kte = std::to_string(k) + ". Teilnetz";
    return {Aufgabenart::Teilnetze,
            "Das Netz " + cidrText(netz, p) + " wird in " + std::to_string(n) + " gleich große Teilnetze geteilt.",
            {maskenfeld(q), anzahlfeld("Hosts je Teilnetz", hosts(q)), adressfeld(kte, teilnetz),
             adressfeld("Broadcast des " + kte + "es", teilnetz | ~maske(q))},
            wegTeilnetze(netz, p, n, q, k)};
}

// 3 to 5 requirements that always fit: each block is at most the net's size
// divided by their number. Host counts differ, and the plan gets them largest
// first, so that blocks of equal size go in the order of their hosts: "größte
// zuerst" then means one plan, whether a learner reads it by block or by hosts.
Aufgabe vlsmaufgabe(Wuerfel& w)
{
    const Bereich bereich = privat(w);
    const int p = static_cast<int>(w.zahl(std::max(22u, std::uint32_t(bereich.praefix + 8)), 24));
    const Netzangabe netz{netzIn(w, bereich, p), p};
    const std::uint32_t anzahl = w.zahl(3, 5);
    std::vector<Bedarf> bedarf;
    std::string text = "Teilen Sie " + netzText(netz) + " auf (größte zuerst, lückenlos ab der Netzadresse): ";
    while (bedarf.size() < anzahl) {
        const auto h = w.zahl(2, static_cast<std::uint32_t>(netzgroesse(p) / (2 * anzahl)) - 2);
        if (std::any_of(bedarf.begin(), bedarf.end(), [h](const Bedarf& b) { return b.hosts == h; }))
            continue;
        bedarf.push_back({std::string(1, char('A' + bedarf.size())), h});
        text += (bedarf.size() > 1 ? ", " : "") + bedarf.back().name + " " + std::to_string(h) + " Hosts";
    }
    std::vector<Bedarf> geordnet = bedarf;
    std::stable_sort(geordnet.begin(), geordnet.end(),
                     [](const Bedarf& a, const Bedarf& b) { return a.hosts > b.hosts; });
    Planauftrag auftrag{netz, false, Umgebung::klassisch, {}};
    for (const Bedarf& b : geordnet)
        auftrag.bedarf.push_back({b.name, b.hosts});
    const Planbaum plan = plane(auftrag);
    std::vector<Antwortfeld> felder(anzahl);
    for (const Planblock& zeile : plan.zeilen)
        if (zeile.art != Planart::frei)
            felder[std::size_t(zeile.name[0] - 'A')] = netzfeld(zeile.name, zeile.netz, zeile.praefix);
    return {Aufgabenart::Vlsm, text, std::move(felder), wegVlsm(plan)};
}

// Two to four nets of one prefix among 2, 4 or 8 neighbours.
Aufgabe zusammenfassaufgabe(Wuerfel& w)
{
    const Bereich bereich = privat(w);
    const int q = static_cast<int>(w.zahl(std::uint32_t(bereich.praefix + 8), 27));
    const std::uint32_t nachbarn = 1u << w.zahl(1, 3);
    const Adresse anfang = netzIn(w, bereich, q) & maske(q - std::countr_zero(nachbarn));
    // A partial Fisher-Yates shuffle by hand: std::shuffle's order is the library's.
    std::vector<std::uint32_t> stellen(nachbarn);
    for (std::uint32_t i = 0; i < nachbarn; ++i)
        stellen[i] = i;
    const std::uint32_t anzahl = w.zahl(2, std::min(4u, nachbarn));
    for (std::uint32_t i = 0; i < anzahl; ++i)
        std::swap(stellen[i], stellen[w.zahl(i, nachbarn - 1)]);
    stellen.resize(anzahl);
    std::sort(stellen.begin(), stellen.end());
    std::vector<Adresse> netze;
    std::string text = "Fassen Sie zusammen: ";
    for (const std::uint32_t stelle : stellen) {
        netze.push_back(anfang + static_cast<Adresse>(stelle * netzgroesse(q)));
        text += (netze.size() > 1 ? ", " : "") + cidrText(netze.back(), q);
    }
    const Block summe = umfassendesNetz(netze.front(), netze.back() | ~maske(q));
    return {Aufgabenart::Zusammenfassen,
            text,
            {netzfeld("Zusammenfassung", summe.netz, summe.praefix)},
            wegZusammenfassen(netze, q, summe.netz, summe.praefix)};
}

} // namespace

const std::array<std::string_view, 6>& aufgabenartNamen()
{
    static constexpr std::array<std::string_view, 6> namen{"netz", "maske",          "teilnetze",
                                                           "vlsm", "zusammenfassen", "gemischt"};
    return namen;
}

std::string_view aufgabenartName(Aufgabenart art)
{
    return aufgabenartNamen()[static_cast<std::size_t>(art)];
}

std::optional<Aufgabenart> aufgabenartVon(std::string_view name)
{
    const auto& namen = aufgabenartNamen();
    const auto stelle = std::find(namen.begin(), namen.end(), name);
    if (stelle == namen.end())
        return std::nullopt;
    return static_cast<Aufgabenart>(stelle - namen.begin());
}

Aufgabe erzeugeAufgabe(std::uint32_t serie, Aufgabenart art, std::uint32_t nummer)
{
    Wuerfel w(serie, art, nummer);
    if (art == Aufgabenart::Gemischt)
        art = static_cast<Aufgabenart>(w.zahl(0, 4));
    switch (art) {
    case Aufgabenart::Netz:
        return netzaufgabe(w);
    case Aufgabenart::Maske:
        return maskenaufgabe(w);
    case Aufgabenart::Teilnetze:
        return teilnetzaufgabe(w);
    case Aufgabenart::Vlsm:
        return vlsmaufgabe(w);
    case Aufgabenart::Zusammenfassen:
    case Aufgabenart::Gemischt:
        break;
    }
    return zusammenfassaufgabe(w);
}

} // namespace netzplaner
