// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <functional>
#include <utility>
#include <vector>

#include "calc/adressplan.h"

namespace netzplaner {

class Bedarfsmodell;

// A control's value: the net's text or the RFC 3021 box. The command sets the
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

// One row's new name or hosts.
class ZeileAendern : public QUndoCommand {
public:
    ZeileAendern(Bedarfsmodell* modell, int zeile, Bedarf alt, Bedarf neu, const QString& text);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    int zeile_;
    Bedarf alt_, neu_;
};

// Rows inserted together: new empty ones, pasted or imported ones.
class ZeilenEinfuegen : public QUndoCommand {
public:
    ZeilenEinfuegen(Bedarfsmodell* modell, int zeile, std::vector<Bedarf> neue, const QString& text);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    int zeile_;
    std::vector<Bedarf> neue_;
};

// Rows removed together, wherever they were: undo puts each back in its place.
class ZeilenEntfernen : public QUndoCommand {
public:
    // zeilen ascending, without repeats.
    ZeilenEntfernen(Bedarfsmodell* modell, std::vector<int> zeilen);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    std::vector<std::pair<int, Bedarf>> entfernt_;
};

// A run of rows moved before row ziel, counted as before the move.
class ZeilenVerschieben : public QUndoCommand {
public:
    ZeilenVerschieben(Bedarfsmodell* modell, int zeile, int anzahl, int ziel);
    void redo() override;
    void undo() override;

private:
    Bedarfsmodell* modell_;
    int zeile_, anzahl_, ziel_;
};

} // namespace netzplaner
