// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <functional>
#include <utility>
#include <vector>

#include "adressplan/bedarfsmodell.h"

namespace netzplaner {

// A control's value: the net's text, the RFC 3021 box or the environment. The command sets the
// control, so that undo and redo pass the same place as a load does. Commands
// with the same kennung merge while the user goes on typing: a net typed in
// is one step, not one per key.
template <typename Wert>
class WertAendern : public QUndoCommand {
public:
    WertAendern(std::function<void(const Wert&)> setze, Wert alt, Wert neu, const QString& text, int kennung = -1)
        : QUndoCommand(text)
        , setze_(std::move(setze))
        , alt_(std::move(alt))
        , neu_(std::move(neu))
        , kennung_(kennung)
    {
    }
    void redo() override { setze_(neu_); }
    void undo() override { setze_(alt_); }
    int id() const override { return kennung_; }
    bool mergeWith(const QUndoCommand* anderer) override
    {
        neu_ = static_cast<const WertAendern*>(anderer)->neu_;
        // Typed back to where it began: no step at all.
        setObsolete(neu_ == alt_);
        return true;
    }

private:
    std::function<void(const Wert&)> setze_;
    Wert alt_, neu_;
    int kennung_;
};

// One row's name, hosts or fixed net; its children stay.
class KnotenAendern : public QUndoCommand {
public:
    KnotenAendern(Bedarfsmodell* modell, Pfad pfad, Planknoten alt, Planknoten neu, const QString& text,
                  QUndoCommand* schritt = nullptr);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    Pfad pfad_;
    Planknoten alt_, neu_;
};

// Rows inserted together under one parent: new empty ones, pasted or
// imported ones, with their children.
class KnotenEinfuegen : public QUndoCommand {
public:
    KnotenEinfuegen(Bedarfsmodell* modell, Pfad eltern, int zeile, std::vector<Planknoten> neue, const QString& text,
                    QUndoCommand* schritt = nullptr);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    Pfad eltern_;
    int zeile_;
    std::vector<Planknoten> neue_;
};

// Rows removed together, wherever they were: undo puts each back in its place.
class KnotenEntfernen : public QUndoCommand {
public:
    // pfade in the tree's order, none inside another.
    KnotenEntfernen(Bedarfsmodell* modell, std::vector<Pfad> pfade);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    std::vector<Pfad> pfade_;
    std::vector<Planknoten> entfernt_;
};

// A run of rows under von moved under nach before row ziel, counted as before
// the move (as moveRows counts).
class KnotenVerschieben : public QUndoCommand {
public:
    KnotenVerschieben(Bedarfsmodell* modell, Pfad von, int zeile, int anzahl, Pfad nach, int ziel, const QString& text,
                      QUndoCommand* schritt = nullptr);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    Pfad von_, nach_;
    int zeile_, anzahl_, ziel_;
    Bedarfsmodell::Verschoben danach_{};
};

} // namespace netzplaner
