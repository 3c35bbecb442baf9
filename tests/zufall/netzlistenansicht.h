#pragma once

#include <QStringList>
#include <array>

class QLabel;
class QTableView;
class QWidget;

namespace zufall {

struct Eingabe;

// The controls of the open net list, found by their objectNames.
struct Netzlistenansicht {
    explicit Netzlistenansicht(QWidget* liste);

    std::array<QLabel*, 6> kopf{}; // lblcidr .. lbladresstyp
    QTableView* tabelle = nullptr;

    // One line per difference from the oracle's labels and rows for these
    // inputs. Where the row is the user's choice, not the program's, the
    // current row is left alone.
    QStringList pruefe(const Eingabe& eingabe, bool aktuelleZeile) const;
};

} // namespace zufall
