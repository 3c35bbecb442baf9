// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/befehle.h"

#include <algorithm>

#include "adressplan/bedarfsmodell.h"

namespace netzplaner {

ZeileAendern::ZeileAendern(Bedarfsmodell* modell, int zeile, Bedarf alt, Bedarf neu, const QString& text)
    : QUndoCommand(text)
    , modell_(modell)
    , zeile_(zeile)
    , alt_(std::move(alt))
    , neu_(std::move(neu))
{
}

void ZeileAendern::redo()
{
    modell_->setzeRoh(zeile_, neu_);
}

void ZeileAendern::undo()
{
    modell_->setzeRoh(zeile_, alt_);
}

ZeilenEinfuegen::ZeilenEinfuegen(Bedarfsmodell* modell, int zeile, std::vector<Bedarf> neue, const QString& text)
    : QUndoCommand(text)
    , modell_(modell)
    , zeile_(zeile)
    , neue_(std::move(neue))
{
}

void ZeilenEinfuegen::redo()
{
    modell_->fuegeEinRoh(zeile_, neue_);
}

void ZeilenEinfuegen::undo()
{
    modell_->entferneRoh(zeile_, static_cast<int>(neue_.size()));
}

ZeilenEntfernen::ZeilenEntfernen(Bedarfsmodell* modell, std::vector<int> zeilen)
    : QUndoCommand(zeilen.size() == 1 ? QStringLiteral("Zeile entfernen") : QStringLiteral("Zeilen entfernen"))
    , modell_(modell)
{
    for (const int zeile : zeilen)
        entfernt_.emplace_back(zeile, modell->bedarf()[static_cast<std::size_t>(zeile)]);
}

void ZeilenEntfernen::redo()
{
    // From the last, so that the rows before keep their numbers; runs of
    // neighbours go in one removal.
    for (auto ende = entfernt_.rbegin(); ende != entfernt_.rend();) {
        auto anfang = ende;
        while (std::next(anfang) != entfernt_.rend() && std::next(anfang)->first == anfang->first - 1)
            ++anfang;
        modell_->entferneRoh(anfang->first, static_cast<int>(std::distance(ende, anfang)) + 1);
        ende = std::next(anfang);
    }
}

void ZeilenEntfernen::undo()
{
    for (auto anfang = entfernt_.begin(); anfang != entfernt_.end();) {
        std::vector<Bedarf> lauf{anfang->second};
        auto ende = std::next(anfang);
        for (; ende != entfernt_.end() && ende->first == std::prev(ende)->first + 1; ++ende)
            lauf.push_back(ende->second);
        modell_->fuegeEinRoh(anfang->first, lauf);
        anfang = ende;
    }
}

ZeilenVerschieben::ZeilenVerschieben(Bedarfsmodell* modell, int zeile, int anzahl, int ziel)
    : QUndoCommand(anzahl == 1 ? QStringLiteral("Zeile verschieben") : QStringLiteral("Zeilen verschieben"))
    , modell_(modell)
    , zeile_(zeile)
    , anzahl_(anzahl)
    , ziel_(ziel)
{
}

void ZeilenVerschieben::redo()
{
    modell_->verschiebeRoh(zeile_, anzahl_, ziel_);
}

void ZeilenVerschieben::undo()
{
    // Where the run landed, moved back before the row that followed it.
    if (ziel_ > zeile_)
        modell_->verschiebeRoh(ziel_ - anzahl_, anzahl_, zeile_);
    else
        modell_->verschiebeRoh(ziel_, anzahl_, zeile_ + anzahl_);
}

} // namespace netzplaner
