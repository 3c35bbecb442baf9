// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/planer.h"

#include <algorithm>
#include <array>
#include <bit>

#include "calc/netzzeile.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

constexpr std::uint64_t adressraum = std::uint64_t{1} << 32;

struct Luecke {
    std::uint64_t anfang, ende; // ende excluded
};

std::string blockText(std::uint64_t groesse)
{
    if (groesse > adressraum)
        return "Block von " + anzahlMitWort(groesse, "Adresse", "Adressen");
    return "/" + std::to_string(32 - std::countr_zero(groesse));
}

} // namespace

std::string passtNichtKopf(const Werkzeile& k, const std::string& wo)
{
    const std::string& name = k.quelle->name;
    return "Nr. " + k.nr + (name.empty() ? "" : " „" + name + "“") + " passt nicht in " + wo;
}

Planer::Planer(const Planauftrag& auftrag)
    : auftrag_(auftrag)
    , regeln_(regelnVon(auftrag.umgebung))
{
}

bool Planer::bemesse(const std::vector<Planknoten>& zeilen, const std::string& vorsatz,
                     const std::optional<Netzangabe>& eltern, const std::string& elternText,
                     std::vector<Werkzeile>& knoten)
{
    knoten.reserve(zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        knoten.push_back({&zeilen[i], vorsatz + std::to_string(i + 1)});
        if (!bemesse(knoten.back(), eltern, elternText))
            return false;
    }
    return keineUeberschneidung(knoten);
}

bool Planer::scheitere(const Werkzeile& k, const std::string& warum)
{
    fehler = "Nr. " + k.nr + ": " + warum;
    return false;
}

std::uint64_t Planer::blockgroesse(std::uint32_t hosts) const
{
    // RFC 3021: a link of two needs a /31, one host a /32.
    if (auftrag_.umgebung == Umgebung::klassisch && auftrag_.rfc3021 && hosts <= 2)
        return hosts;
    const std::uint64_t noetig = std::uint64_t{hosts} + std::uint64_t(regeln_.davor + regeln_.danach);
    return std::max(std::bit_ceil(noetig), netzgroesse(regeln_.kleinstesNetz));
}

// As the plan's Hosts cell counts them: Klassisch's /31 and /32 are all hosts.
std::uint64_t Planer::platzFuerHosts(int praefix) const
{
    if (auftrag_.umgebung == Umgebung::klassisch && praefix >= 31)
        return netzgroesse(praefix);
    return netzgroesse(praefix) - std::uint64_t(regeln_.davor + regeln_.danach);
}

bool Planer::bemesse(Werkzeile& k, const std::optional<Netzangabe>& eltern, const std::string& elternText)
{
    const Planknoten& zeile = *k.quelle;
    if (zeile.fest) {
        festeGesehen = true;
        if (!eltern)
            return scheitere(k, "ein festes Netz steht nur oben oder in einer Gruppe mit festem Netz");
        if (!bemesseFest(k, *eltern, elternText))
            return false;
    }
    if (k.gruppe()) {
        const std::string text = "Nr. " + k.nr + (zeile.fest ? " (" + netzText(*zeile.fest) + ")" : "");
        if (!bemesse(zeile.kinder, k.nr + ".", zeile.fest, text, k.kinder))
            return false;
        std::uint64_t summe = 0;
        for (const Werkzeile& kind : k.kinder) {
            summe += kind.groesse;
            k.hosts += kind.hosts;
        }
        if (!zeile.fest)
            k.groesse = summe == 0 ? 0 : std::bit_ceil(summe);
        return true;
    }
    if (!zeile.hosts)
        return true;
    // A value beyond the limit, which leseHosts never gives, is planned as the limit.
    k.hosts = std::clamp<std::uint32_t>(*zeile.hosts, 1, hoechsteHosts);
    ++netze;
    if (zeile.fest)
        return true;
    k.groesse = blockgroesse(static_cast<std::uint32_t>(k.hosts));
    if (k.groesse > netzgroesse(regeln_.groesstesNetz))
        return scheitere(k, "der Bedarf von " + anzahlMitWort(k.hosts, "Host", "Hosts") + " ist größer als ein "
                                + std::string(regeln_.name) + "-Subnetz (/" + std::to_string(regeln_.groesstesNetz)
                                + ")");
    return true;
}

bool Planer::bemesseFest(Werkzeile& k, const Netzangabe& eltern, const std::string& elternText)
{
    const Netzangabe& netz = *k.quelle->fest;
    // Rows that did not come through leseNetzangabe may carry host bits.
    if (netz.praefix < 0 || netz.praefix > 32)
        return scheitere(k, "die Präfixlänge muss eine Zahl von 0 bis 32 sein");
    if (netz.praefix < eltern.praefix || ((netz.netz ^ eltern.netz) & maske(eltern.praefix)) != 0)
        return scheitere(k, netzText(netz) + " liegt nicht in " + elternText);
    k.netz = netz.netz & maske(netz.praefix);
    k.groesse = netzgroesse(netz.praefix);
    if (k.gruppe())
        return true;
    if (!k.quelle->hosts)
        ++netze;
    const std::string cloud = std::string(regeln_.name) + "-Subnetz";
    if (auftrag_.umgebung != Umgebung::klassisch && netz.praefix > regeln_.kleinstesNetz)
        return scheitere(k, netzText(netz) + " ist kleiner als das kleinste " + cloud + " (/"
                                + std::to_string(regeln_.kleinstesNetz) + ")");
    if (auftrag_.umgebung != Umgebung::klassisch && netz.praefix < regeln_.groesstesNetz)
        return scheitere(k, netzText(netz) + " ist größer als ein " + cloud + " (/"
                                + std::to_string(regeln_.groesstesNetz) + ")");
    const std::uint64_t platz = platzFuerHosts(netz.praefix);
    if (k.quelle->hosts && *k.quelle->hosts > platz)
        return scheitere(k, netzText(netz) + " hat Platz für " + anzahlMitWort(platz, "Host", "Hosts") + ", nicht für "
                                + mitTausenderpunkten(*k.quelle->hosts));
    return true;
}

bool Planer::keineUeberschneidung(const std::vector<Werkzeile>& knoten)
{
    std::vector<const Werkzeile*> feste;
    for (const Werkzeile& k : knoten)
        if (k.quelle->fest)
            feste.push_back(&k);
    std::sort(feste.begin(), feste.end(), [](const Werkzeile* a, const Werkzeile* b) { return a->netz < b->netz; });
    // Sorted by start, any overlap shows between neighbours.
    for (std::size_t i = 1; i < feste.size(); ++i) {
        if (feste[i - 1]->netz + feste[i - 1]->groesse <= feste[i]->netz)
            continue;
        const bool erstesZuerst = feste[i - 1]->quelle < feste[i]->quelle;
        const Werkzeile& spaeter = erstesZuerst ? *feste[i] : *feste[i - 1];
        const Werkzeile& frueher = erstesZuerst ? *feste[i - 1] : *feste[i];
        return scheitere(spaeter, netzText(*spaeter.quelle->fest) + " überschneidet sich mit Nr. " + frueher.nr + " ("
                                      + netzText(*frueher.quelle->fest) + ")");
    }
    return true;
}

bool Planer::platziere(std::vector<Werkzeile>& knoten, std::uint64_t anfang, std::uint64_t groesse,
                       const std::string& elternText)
{
    // Sizes are powers of two up to 2^33: one bucket per size keeps the row
    // order among equals without a sort.
    std::array<std::vector<Werkzeile*>, 34> nachGroesse;
    std::vector<Werkzeile*> feste;
    for (Werkzeile& k : knoten)
        if (k.quelle->fest)
            feste.push_back(&k);
        else if (k.groesse > 0)
            nachGroesse[std::size_t(std::countr_zero(k.groesse))].push_back(&k);
    std::sort(feste.begin(), feste.end(), [](const Werkzeile* a, const Werkzeile* b) { return a->netz < b->netz; });
    std::vector<Luecke> luecken;
    std::uint64_t zeiger = anfang;
    for (const Werkzeile* k : feste) {
        if (k->netz > zeiger)
            luecken.push_back({zeiger, k->netz});
        zeiger = k->netz + k->groesse;
    }
    if (zeiger < anfang + groesse)
        luecken.push_back({zeiger, anfang + groesse});

    // Largest first; blocks of one size fill the lowest aligned places in
    // turn, so each size takes one walk over the gaps.
    for (std::size_t stufe = nachGroesse.size(); stufe-- > 0;) {
        const std::vector<Werkzeile*>& gleiche = nachGroesse[stufe];
        if (gleiche.empty())
            continue;
        const std::uint64_t s = std::uint64_t{1} << stufe;
        std::size_t i = 0;
        std::vector<Luecke> rest;
        rest.reserve(luecken.size() + 2);
        for (const Luecke& l : luecken) {
            std::uint64_t platz = (l.anfang + s - 1) & ~(s - 1);
            if (i == gleiche.size() || platz + s > l.ende) {
                rest.push_back(l);
                continue;
            }
            if (platz > l.anfang)
                rest.push_back({l.anfang, platz});
            for (; i < gleiche.size() && platz + s <= l.ende; platz += s)
                gleiche[i++]->netz = platz;
            if (platz < l.ende)
                rest.push_back({platz, l.ende});
        }
        if (i < gleiche.size()) {
            ohnePlatz = gleiche[i];
            fehler = passtNichtKopf(*gleiche[i], elternText) + ": kein freier " + blockText(s) + " mehr";
            return false;
        }
        luecken = std::move(rest);
    }
    for (Werkzeile& k : knoten)
        if (k.gruppe() && k.groesse > 0
            && !platziere(k.kinder, k.netz, k.groesse,
                          "Nr. " + k.nr + " ("
                              + cidrText(static_cast<Adresse>(k.netz), 32 - std::countr_zero(k.groesse)) + ")"))
            return false;
    return true;
}

} // namespace netzplaner
