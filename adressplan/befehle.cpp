// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/befehle.h"

namespace netzplaner {

KnotenAendern::KnotenAendern(Bedarfsmodell* modell, Pfad pfad, Planknoten alt, Planknoten neu, const QString& text,
                             QUndoCommand* schritt)
    : QUndoCommand(text, schritt)
    , modell_(modell)
    , pfad_(std::move(pfad))
    , alt_(std::move(alt))
    , neu_(std::move(neu))
{
}

void KnotenAendern::redo()
{
    modell_->setzeRoh(pfad_, neu_);
}

void KnotenAendern::undo()
{
    modell_->setzeRoh(pfad_, alt_);
}

KnotenEinfuegen::KnotenEinfuegen(Bedarfsmodell* modell, Pfad eltern, int zeile, std::vector<Planknoten> neue,
                                 const QString& text, QUndoCommand* schritt)
    : QUndoCommand(text, schritt)
    , modell_(modell)
    , eltern_(std::move(eltern))
    , zeile_(zeile)
    , neue_(std::move(neue))
{
}

void KnotenEinfuegen::redo()
{
    modell_->fuegeEinRoh(eltern_, zeile_, neue_);
}

void KnotenEinfuegen::undo()
{
    modell_->entferneRoh(eltern_, zeile_, static_cast<int>(neue_.size()));
}

KnotenEntfernen::KnotenEntfernen(Bedarfsmodell* modell, std::vector<Pfad> pfade)
    : QUndoCommand(pfade.size() == 1 ? QStringLiteral("Zeile entfernen") : QStringLiteral("Zeilen entfernen"))
    , modell_(modell)
    , pfade_(std::move(pfade))
{
}

void KnotenEntfernen::redo()
{
    // From the last, so that the rows before keep their places.
    std::vector<Planknoten> entfernt(pfade_.size());
    for (std::size_t i = pfade_.size(); i-- > 0;) {
        Pfad eltern = pfade_[i];
        const int zeile = eltern.back();
        eltern.pop_back();
        entfernt[i] = std::move(modell_->entferneRoh(eltern, zeile, 1).front());
    }
    entfernt_ = std::move(entfernt);
}

void KnotenEntfernen::undo()
{
    for (std::size_t i = 0; i < pfade_.size(); ++i) {
        Pfad eltern = pfade_[i];
        const int zeile = eltern.back();
        eltern.pop_back();
        modell_->fuegeEinRoh(eltern, zeile, {entfernt_[i]});
    }
}

KnotenVerschieben::KnotenVerschieben(Bedarfsmodell* modell, Pfad von, int zeile, int anzahl, Pfad nach, int ziel,
                                     const QString& text, QUndoCommand* schritt)
    : QUndoCommand(text, schritt)
    , modell_(modell)
    , von_(std::move(von))
    , nach_(std::move(nach))
    , zeile_(zeile)
    , anzahl_(anzahl)
    , ziel_(ziel)
{
}

void KnotenVerschieben::redo()
{
    danach_ = modell_->verschiebeRoh(von_, zeile_, anzahl_, nach_, ziel_);
}

void KnotenVerschieben::undo()
{
    // Back under the parent the run came from; within one parent, before
    // the row that followed it.
    const bool gleich = danach_.vonEltern == danach_.nachEltern;
    const int ziel = gleich && danach_.zeile < zeile_ ? zeile_ + anzahl_ : zeile_;
    modell_->verschiebeRoh(danach_.nachEltern, danach_.zeile, anzahl_, danach_.vonEltern, ziel);
}

} // namespace netzplaner
