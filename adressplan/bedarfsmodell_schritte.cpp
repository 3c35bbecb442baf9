// SPDX-License-Identifier: GPL-3.0-or-later
// The user's changes to the requirements: each is checked here and pushed as
// one step onto the undo stack.
#include <QUndoStack>
#include <algorithm>

#include "adressplan/bedarfsmodell.h"
#include "adressplan/befehle.h"
#include "adressplan/plandatei.h"

namespace netzplaner {
namespace {

// The row's own cells, without its children.
Planknoten ohneKinder(const Planknoten& daten)
{
    return {daten.name, daten.hosts, daten.fest, {}};
}

// Levels from the row down, the row's own counted.
int hoehe(const Bedarfsknoten& k)
{
    int tiefste = 0;
    for (const auto& kind : k.kinder)
        tiefste = std::max(tiefste, hoehe(*kind));
    return tiefste + 1;
}

} // namespace

bool Bedarfsmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || rolle != Qt::EditRole)
        return false;
    const Bedarfsknoten* k = knoten(index);
    const Planknoten alt = ohneKinder(k->daten);
    Planknoten neu = alt;
    const QByteArray text = wert.toString().toUtf8();
    const std::string_view ansicht(text.constData(), std::size_t(text.size()));
    const auto ablehnen = [&](const std::string& grund) {
        const Pfad p = pfad(k);
        QStringList nr;
        for (const int z : p)
            nr << QString::number(z + 1);
        emit abgelehnt(QStringLiteral("Zeile %1: %2").arg(nr.join(u'.'), QString::fromStdString(grund)));
        return false;
    };
    QString was;
    switch (index.column()) {
    case Name:
        if (const auto fehler = namensFehler(ansicht))
            return ablehnen(*fehler);
        neu.name = std::string(ansicht);
        was = QStringLiteral("Name ändern");
        break;
    case Hosts: {
        // A group's block follows from its children.
        if (!k->kinder.empty())
            return false;
        const auto hosts = leseHosts(ansicht);
        if (!hosts)
            return ablehnen(hostsFehler());
        neu.hosts = *hosts;
        was = QStringLiteral("Hosts ändern");
        break;
    }
    default:
        if (wert.toString().trimmed().isEmpty()) {
            neu.fest.reset();
        } else {
            auto netz = leseNetzangabe(ansicht);
            if (const auto* fehler = std::get_if<std::string>(&netz))
                return ablehnen("Netz „" + std::string(ansicht) + "“: " + *fehler);
            neu.fest = std::get<Netzangabe>(netz);
        }
        was = QStringLiteral("Netz festlegen");
    }
    // Accepted but unchanged, as when an editor is left as it was: no step.
    if (neu != alt)
        stapel_->push(new KnotenAendern(this, pfad(k), alt, neu, was));
    return true;
}

void Bedarfsmodell::wirdGruppe(const QModelIndex& eltern, QUndoCommand* schritt)
{
    const Bedarfsknoten* e = knoten(eltern);
    if (e == &wurzel_ || !e->kinder.empty() || !e->daten.hosts)
        return;
    Planknoten ohneHosts = ohneKinder(e->daten);
    ohneHosts.hosts.reset();
    new KnotenAendern(this, pfad(e), ohneKinder(e->daten), ohneHosts, {}, schritt);
}

bool Bedarfsmodell::insertRows(int zeile, int anzahl, const QModelIndex& eltern)
{
    if (zeile < 0 || zeile > rowCount(eltern) || anzahl < 1 || (eltern.isValid() && eltern.column() != 0))
        return false;
    auto* schritt = new QUndoCommand(anzahl == 1 ? QStringLiteral("Zeile hinzufügen")
                                                 : QStringLiteral("Zeilen hinzufügen"));
    wirdGruppe(eltern, schritt);
    new KnotenEinfuegen(this, pfadVon(eltern), zeile, std::vector<Planknoten>(static_cast<std::size_t>(anzahl)), {},
                        schritt);
    stapel_->push(schritt);
    return true;
}

bool Bedarfsmodell::removeRows(int zeile, int anzahl, const QModelIndex& eltern)
{
    if (zeile < 0 || anzahl < 1 || zeile + anzahl > rowCount(eltern))
        return false;
    std::vector<Pfad> pfade;
    for (int z = zeile; z < zeile + anzahl; ++z)
        pfade.push_back(pfadVon(index(z, 0, eltern)));
    stapel_->push(new KnotenEntfernen(this, std::move(pfade)));
    return true;
}

bool Bedarfsmodell::moveRows(const QModelIndex& von, int zeile, int anzahl, const QModelIndex& nach, int ziel)
{
    if (zeile < 0 || anzahl < 1 || zeile + anzahl > rowCount(von) || ziel < 0 || ziel > rowCount(nach))
        return false;
    const Bedarfsknoten* quelle = knoten(von);
    // Before its own first row or right after its own last, a run stays.
    if (knoten(nach) == quelle && ziel >= zeile && ziel <= zeile + anzahl)
        return false;
    // Nor may a row go into itself.
    for (const Bedarfsknoten* k = knoten(nach); k; k = k->eltern)
        if (k->eltern == quelle && k->zeile() >= zeile && k->zeile() < zeile + anzahl)
            return false;
    auto* schritt = new QUndoCommand(anzahl == 1 ? QStringLiteral("Zeile verschieben")
                                                 : QStringLiteral("Zeilen verschieben"));
    wirdGruppe(nach, schritt);
    new KnotenVerschieben(this, pfadVon(von), zeile, anzahl, pfadVon(nach), ziel, {}, schritt);
    stapel_->push(schritt);
    return true;
}

bool Bedarfsmodell::rueckeEin(const QModelIndex& index)
{
    if (!index.isValid() || index.row() == 0)
        return false;
    const QModelIndex oben = index.sibling(index.row() - 1, 0);
    // A file with more levels would not open again.
    if (static_cast<int>(pfadVon(index).size()) + hoehe(*knoten(index)) > hoechsteEbenen)
        return false;
    auto* schritt = new QUndoCommand(QStringLiteral("Einrücken"));
    wirdGruppe(oben, schritt);
    new KnotenVerschieben(this, pfadVon(index.parent()), index.row(), 1, pfadVon(oben), rowCount(oben), {}, schritt);
    stapel_->push(schritt);
    return true;
}

bool Bedarfsmodell::rueckeAus(const QModelIndex& index)
{
    if (!index.isValid() || !index.parent().isValid())
        return false;
    const QModelIndex eltern = index.parent();
    stapel_->push(new KnotenVerschieben(this, pfadVon(eltern), index.row(), 1, pfadVon(eltern.parent()),
                                        eltern.row() + 1, QStringLiteral("Ausrücken")));
    return true;
}

void Bedarfsmodell::haengeAn(std::vector<Planknoten> neue, const QString& wasGeschah)
{
    if (!neue.empty())
        stapel_->push(new KnotenEinfuegen(this, {}, rowCount(), std::move(neue), wasGeschah));
}

void Bedarfsmodell::entferne(const QModelIndexList& zeilen)
{
    std::vector<Pfad> pfade;
    for (const QModelIndex& z : zeilen) {
        if (!z.isValid() || z.model() != this)
            continue;
        pfade.push_back(pfadVon(z));
    }
    std::sort(pfade.begin(), pfade.end());
    pfade.erase(std::unique(pfade.begin(), pfade.end()), pfade.end());
    // A row inside one removed goes with it.
    std::vector<Pfad> aussen;
    for (const Pfad& p : pfade)
        if (aussen.empty() || p.size() <= aussen.back().size()
            || !std::equal(aussen.back().begin(), aussen.back().end(), p.begin()))
            aussen.push_back(p);
    if (!aussen.empty())
        stapel_->push(new KnotenEntfernen(this, std::move(aussen)));
}

} // namespace netzplaner
