// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

class QRadioButton;
class QAbstractItemView;
class QWidget;
struct WandelnSteuerelemente;

namespace zufall {

struct Eingabe;
class Planverlauf;

// A text as a failure report can show it: control characters and everything
// outside ASCII escaped, long texts shortened.
QString lesbar(const QString& text);

// The index of the one button that is on, -1 if none or several are.
int eingeschaltet(const QRadioButton* const* gruppe, std::size_t anzahl, std::size_t ab = 0);

template <std::size_t N>
int eingeschaltet(const std::array<QRadioButton*, N>& gruppe, std::size_t ab = 0)
{
    return eingeschaltet(gruppe.data(), N, ab);
}

// One line per difference between what a control shows and what it must show.
void vergleiche(QStringList& fehler, const QWidget* w, const QString& ist, const std::string& soll);

// Every row of the table, its cells joined by "|", against the expected rows;
// false when even the count differs.
bool vergleicheZeilen(QStringList& fehler, const QAbstractItemView* tabelle, const std::vector<std::string>& soll);

// ergebnis is the result the converter must be showing: it follows Text1, and
// stays as it was while Text1 is empty.
QStringList pruefeWandeln(const WandelnSteuerelemente& w, QString& ergebnis);

// The open net list's labels and rows against the oracle's for the inputs;
// its current row only where the program, not the user, chose it.
QStringList pruefeNetzliste(const QWidget* liste, const Eingabe& eingabe, bool aktuelleZeile);

// The address plan against the oracle's record of its document: the net, the
// box, every row and cell of both tables, the message and the modified mark.
QStringList pruefeAdressplan(const QWidget* fenster, const Planverlauf& verlauf);

} // namespace zufall
