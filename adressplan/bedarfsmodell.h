// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <memory>
#include <vector>

#include "calc/planbaum.h"

class QUndoCommand;
class QUndoStack;

namespace netzplaner {

// A row's place: its row at every level from the top.
using Pfad = std::vector<int>;

// One requirement row in the model. Rows live on the heap, so that an index's
// pointer stays good while rows around it come and go; the row's children are
// kept here, not in daten.kinder.
struct Bedarfsknoten {
    Planknoten daten;
    Bedarfsknoten* eltern = nullptr;
    std::vector<std::unique_ptr<Bedarfsknoten>> kinder;

    int zeile() const;
};

// The requirements of the address plan as a tree: "Name", "Hosts", "Netz".
// A row with children is a group, whose Hosts cell is not edited. Every
// change that comes through the model's interface, from the view's editor, a
// key or a test alike, is one step on the undo stack; the commands change the
// rows through the *Roh functions, which push nothing.
class Bedarfsmodell : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Spalte { Name, Hosts, Netz, Spaltenzahl };

    Bedarfsmodell(QUndoStack* stapel, QObject* eltern = nullptr);
    ~Bedarfsmodell() override;

    // The rows as the planner and the file take them.
    std::vector<Planknoten> bedarf() const;
    bool leer() const { return wurzel_.kinder.empty(); }

    QModelIndex index(int zeile, int spalte, const QModelIndex& eltern = {}) const override;
    QModelIndex parent(const QModelIndex& kind) const override;
    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

    // A text a cell cannot take is refused: false, the cell keeps its value
    // and abgelehnt() says why. A group's Hosts cell takes nothing.
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;
    bool insertRows(int zeile, int anzahl, const QModelIndex& eltern = {}) override;
    bool removeRows(int zeile, int anzahl, const QModelIndex& eltern = {}) override;
    bool moveRows(const QModelIndex& von, int zeile, int anzahl, const QModelIndex& nach, int ziel) override;

    // Rows pasted or imported, appended at the top level as one step.
    void haengeAn(std::vector<Planknoten> neue, const QString& wasGeschah);
    // Rows picked anywhere, removed as one step; a row inside another picked
    // one goes with it.
    void entferne(const QModelIndexList& zeilen);
    // The row becomes the last child of the row above it; moved out to just
    // after its parent. False when there is no such place.
    bool rueckeEin(const QModelIndex& index);
    bool rueckeAus(const QModelIndex& index);

    Pfad pfadVon(const QModelIndex& index) const;
    QModelIndex indexVon(const Pfad& pfad, int spalte = 0) const;
    const Bedarfsknoten* knotenVon(const QModelIndex& index) const;

    // For the commands, and for a document read from a file.
    void setzeRoh(const Pfad& pfad, const Planknoten& daten);
    void fuegeEinRoh(const Pfad& eltern, int zeile, const std::vector<Planknoten>& neue);
    std::vector<Planknoten> entferneRoh(const Pfad& eltern, int zeile, int anzahl);
    // Where the run's parent, and the run itself, are after the move.
    struct Verschoben {
        Pfad vonEltern, nachEltern;
        int zeile;
    };
    Verschoben verschiebeRoh(const Pfad& von, int zeile, int anzahl, const Pfad& nach, int ziel);
    void ersetzeRoh(std::vector<Planknoten> alle);

signals:
    void abgelehnt(const QString& grund);

private:
    Bedarfsknoten* knoten(const QModelIndex& index) const;
    Bedarfsknoten* knoten(const Pfad& pfad) const;
    Pfad pfad(const Bedarfsknoten* knoten) const;
    QModelIndex indexVon(const Bedarfsknoten* knoten, int spalte = 0) const;
    // A step that gives children to a row with hosts clears them first.
    void wirdGruppe(const QModelIndex& eltern, QUndoCommand* schritt);

    QUndoStack* stapel_;
    mutable Bedarfsknoten wurzel_;
};

} // namespace netzplaner
