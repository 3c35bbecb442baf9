// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "calc/adressplan.h"

class QUndoStack;

namespace netzplaner {

// The requirements of the address plan, one row each: "Name" and "Hosts".
// Every change that comes through the model's interface, from the view's
// editor, a key or a test alike, is one step on the undo stack; the commands
// change the rows through the *Roh functions, which push nothing.
class Bedarfsmodell : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Spalte { Name, Hosts, Spaltenzahl };

    Bedarfsmodell(QUndoStack* stapel, QObject* eltern = nullptr);

    const std::vector<Bedarf>& bedarf() const { return bedarf_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

    // A Hosts text that is not a number of hosts is refused: false, the cell
    // keeps its value and abgelehnt() says why.
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;
    bool insertRows(int zeile, int anzahl, const QModelIndex& eltern = {}) override;
    bool removeRows(int zeile, int anzahl, const QModelIndex& eltern = {}) override;
    bool moveRows(const QModelIndex& von, int zeile, int anzahl, const QModelIndex& nach, int ziel) override;

    // Rows pasted or imported, appended as one step.
    void haengeAn(std::vector<Bedarf> neue, const QString& wasGeschah);
    // Rows picked anywhere, removed as one step.
    void entferne(std::vector<int> zeilen);

    // For the commands, and for a document read from a file.
    void setzeRoh(int zeile, const Bedarf& wert);
    void fuegeEinRoh(int zeile, const std::vector<Bedarf>& neue);
    std::vector<Bedarf> entferneRoh(int zeile, int anzahl);
    void verschiebeRoh(int zeile, int anzahl, int ziel);
    void ersetzeRoh(std::vector<Bedarf> alle);

signals:
    void abgelehnt(const QString& grund);

private:
    QUndoStack* stapel_;
    std::vector<Bedarf> bedarf_;
};

} // namespace netzplaner
