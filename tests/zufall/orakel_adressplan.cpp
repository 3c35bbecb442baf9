// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan worked out by hand: a block by doubling until the hosts
// fit, placement by adding sizes, the free rest by taking at each address the
// largest block it is aligned to that still fits.
#include "tests/zufall/orakel_adressplan.h"

#include <algorithm>

#include "calc/planbaum.h"
#include "tests/zufall/orakel.h"

namespace zufall {
namespace {

constexpr std::uint64_t adressraum = std::uint64_t{1} << 32;

std::string planzeile(std::uint64_t netz, std::uint64_t groesse, const std::string& nr, const std::string& name,
                      std::optional<std::uint32_t> bedarf)
{
    int q = 32;
    while ((std::uint64_t{1} << (32 - q)) < groesse)
        --q;
    const Hosts h = hostsVon(std::uint32_t(netz), q);
    std::string auslastung;
    if (bedarf) { // 100 * bedarf / hosts, half up
        const std::uint64_t hundert = 100 * std::uint64_t{*bedarf};
        auslastung = std::to_string(hundert / h.anzahl + (2 * (hundert % h.anzahl) >= h.anzahl)) + " %";
    }
    return nr + '|' + name + '|' + (bedarf ? std::to_string(*bedarf) : "") + '|' + punktiert(std::uint32_t(netz))
           + '/' + std::to_string(q) + '|' + punktiert(maskeVon(q)) + '|' + punktiert(h.erster) + '|'
           + punktiert(h.letzter) + '|'
           + (q >= 31 ? "entf\xC3\xA4llt" : punktiert(std::uint32_t(netz) | ~maskeVon(q))) + '|'
           + std::to_string(h.anzahl) + '|' + auslastung;
}

void sammlePfade(const std::vector<Planbedarf>& zeilen, Planpfad& pfad, std::vector<Planpfad>& alle)
{
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        pfad.push_back(int(i));
        alle.push_back(pfad);
        sammlePfade(zeilen[i].kinder, pfad, alle);
        pfad.pop_back();
    }
}

int hoehe(const Planbedarf& zeile)
{
    int tiefste = 0;
    for (const Planbedarf& kind : zeile.kinder)
        tiefste = std::max(tiefste, hoehe(kind));
    return tiefste + 1;
}

std::vector<Planbedarf>& geschwister(Planstand& stand, const Planpfad& pfad)
{
    std::vector<Planbedarf>* ebene = &stand.bedarf;
    for (std::size_t i = 0; i + 1 < pfad.size(); ++i)
        ebene = &(*ebene)[std::size_t(pfad[i])].kinder;
    return *ebene;
}

bool mitEbenen(const Planstand& stand)
{
    return stand.umgebung != "klassisch"
           || std::any_of(stand.bedarf.begin(), stand.bedarf.end(),
                          [](const Planbedarf& b) { return !b.kinder.empty() || !b.fest.empty(); });
}

netzplaner::Planknoten alsKnoten(const Planbedarf& b)
{
    netzplaner::Planknoten k{b.name, b.hosts};
    if (!b.fest.empty())
        k.fest = std::get<netzplaner::Netzangabe>(netzplaner::leseNetzangabe(b.fest));
    for (const Planbedarf& kind : b.kinder)
        k.kinder.push_back(alsKnoten(kind));
    return k;
}

} // namespace

std::vector<Planpfad> allePfade(const Planstand& stand)
{
    std::vector<Planpfad> alle;
    Planpfad pfad;
    sammlePfade(stand.bedarf, pfad, alle);
    return alle;
}

Planbedarf& zeileBei(Planstand& stand, const Planpfad& pfad)
{
    return geschwister(stand, pfad)[std::size_t(pfad.back())];
}

std::string nrVon(const Planpfad& pfad)
{
    std::string nr;
    for (const int z : pfad)
        nr += (nr.empty() ? "" : ".") + std::to_string(z + 1);
    return nr;
}

std::vector<std::string> bedarfszeilen(const Planstand& stand)
{
    std::vector<std::string> zeilen;
    Planstand kopie = stand;
    for (const Planpfad& pfad : allePfade(stand)) {
        const Planbedarf& b = zeileBei(kopie, pfad);
        zeilen.push_back(b.name + '|' + (b.hosts ? std::to_string(*b.hosts) : std::string()) + '|' + b.fest);
    }
    return zeilen;
}

bool rueckeEin(Planstand& stand, const Planpfad& pfad)
{
    auto& ebene = geschwister(stand, pfad);
    const auto zeile = std::size_t(pfad.back());
    if (zeile == 0 || int(pfad.size()) + hoehe(ebene[zeile]) > 8)
        return false;
    Planbedarf& oben = ebene[zeile - 1];
    if (oben.kinder.empty())
        oben.hosts.reset(); // a group's block follows from its children
    oben.kinder.push_back(std::move(ebene[zeile]));
    ebene.erase(ebene.begin() + std::ptrdiff_t(zeile));
    return true;
}

bool rueckeAus(Planstand& stand, const Planpfad& pfad)
{
    if (pfad.size() < 2)
        return false;
    const Planpfad eltern(pfad.begin(), pfad.end() - 1);
    auto& kinder = geschwister(stand, pfad);
    Planbedarf zeile = std::move(kinder[std::size_t(pfad.back())]);
    kinder.erase(kinder.begin() + pfad.back());
    auto& oben = geschwister(stand, eltern);
    oben.insert(oben.begin() + eltern.back() + 1, std::move(zeile));
    return true;
}

std::optional<std::string> liesFestesNetz(const std::string& text)
{
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return std::string();
    const Einfuegung netz = liesEinfuegung(text);
    if (netz.art != Einfuegung::Adresse || netz.praefix < 0)
        return std::nullopt;
    const auto& o = netz.oktette;
    return punktiert((o[0] << 24 | o[1] << 16 | o[2] << 8 | o[3]) & maskeVon(netz.praefix)) + '/'
           + std::to_string(netz.praefix);
}

std::optional<std::optional<std::uint32_t>> liesHosts(const std::string& text)
{
    const std::size_t anfang = text.find_first_not_of(" \t\r\n");
    if (anfang == std::string::npos)
        return std::optional<std::optional<std::uint32_t>>(std::in_place);
    std::uint64_t wert = 0;
    for (const char c : text.substr(anfang, text.find_last_not_of(" \t\r\n") - anfang + 1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        wert = std::min<std::uint64_t>(wert * 10 + std::uint64_t(c - '0'), adressraum);
    }
    if (wert < 1 || wert > 2147483646)
        return std::nullopt;
    return std::optional<std::uint32_t>(std::uint32_t(wert));
}

Planerwartung erwartePlan(const Planstand& stand)
{
    Planerwartung soll;
    const Einfuegung netz = liesEinfuegung(stand.netz);
    if (netz.art != Einfuegung::Adresse || netz.praefix < 0)
        return soll;
    if (mitEbenen(stand)) {
        netzplaner::Planauftrag auftrag{std::get<netzplaner::Netzangabe>(netzplaner::leseNetzangabe(stand.netz)),
                                        stand.rfc3021,
                                        *netzplaner::umgebungZuSchluessel(stand.umgebung),
                                        {}};
        for (const Planbedarf& b : stand.bedarf)
            auftrag.bedarf.push_back(alsKnoten(b));
        const netzplaner::Planbaum plan = netzplaner::plane(auftrag);
        for (const auto& zeile : netzplaner::planzeilen(plan)) {
            std::string text;
            for (const std::string& zelle : zeile.zellen)
                text += (&zelle == &zeile.zellen.front() ? "" : "|") + zelle;
            soll.zeilen.push_back(text);
        }
        soll.meldung = plan.meldung;
        return soll;
    }
    const auto& o = netz.oktette;
    const std::uint64_t groesse = adressraum >> netz.praefix;
    const std::uint64_t anfang = std::uint64_t{o[0] << 24 | o[1] << 16 | o[2] << 8 | o[3]} / groesse * groesse;

    struct Block {
        std::uint64_t groesse;
        std::size_t zeile;
    };
    std::vector<Block> bloecke;
    std::uint64_t summe = 0;
    for (std::size_t i = 0; i < stand.bedarf.size(); ++i) {
        const auto& hosts = stand.bedarf[i].hosts;
        if (!hosts)
            continue;
        std::uint64_t block = 4;
        if (stand.rfc3021 && *hosts <= 2)
            block = *hosts;
        while (block > 2 && block - 2 < *hosts)
            block *= 2;
        bloecke.push_back({block, i});
        summe += block;
    }
    if (summe > groesse) {
        int p = 32;
        while (p > 0 && (std::uint64_t{1} << (32 - p)) < summe)
            --p;
        soll.meldung = summe > adressraum ? "nicht einmal in den ganzen IPv4-Adressraum"
                                          : "braucht mindestens ein /" + std::to_string(p);
        return soll;
    }
    std::stable_sort(bloecke.begin(), bloecke.end(), [](const Block& a, const Block& b) { return a.groesse > b.groesse; });
    std::uint64_t adresse = anfang;
    for (const Block& b : bloecke) {
        const Planbedarf& zeile = stand.bedarf[b.zeile];
        soll.zeilen.push_back(planzeile(adresse, b.groesse, std::to_string(b.zeile + 1), zeile.name, zeile.hosts));
        adresse += b.groesse;
    }
    while (adresse < anfang + groesse) {
        std::uint64_t block = adresse == 0 ? adressraum : adresse & (~adresse + 1);
        while (adresse + block > anfang + groesse)
            block /= 2;
        soll.zeilen.push_back(planzeile(adresse, block, "", "frei", std::nullopt));
        adresse += block;
    }
    return soll;
}

Planverlauf::Planverlauf(Planstand start)
    : staende_{std::move(start)}
    , netzschritt_{false}
{
}

void Planverlauf::nimmAuf(const Planstand& neu, bool netz)
{
    nurAnfang = false;
    staende_.resize(index_ + 1); // a new step drops what could be redone
    netzschritt_.resize(index_ + 1);
    staende_.push_back(neu);
    netzschritt_.push_back(netz);
    ++index_;
    abgelehnt.clear();
}

void Planverlauf::aendere(const Planstand& neu)
{
    nimmAuf(neu, false);
}

void Planverlauf::tippeNetz(const std::string& text)
{
    if (text == stand().netz)
        return;
    Planstand neu = stand();
    neu.netz = text;
    if (!netzschritt_[index_]) {
        nimmAuf(neu, true);
        return;
    }
    staende_.resize(index_ + 1);
    netzschritt_.resize(index_ + 1);
    staende_[index_] = neu;
    abgelehnt.clear();
    if (neu == staende_[index_ - 1]) {
        staende_.pop_back();
        netzschritt_.pop_back();
        --index_;
    }
}

void Planverlauf::rueckgaengig()
{
    if (index_ > 0) {
        --index_;
        abgelehnt.clear();
    }
}

void Planverlauf::wiederholen()
{
    if (index_ + 1 < staende_.size()) {
        ++index_;
        abgelehnt.clear();
    }
}

} // namespace zufall
