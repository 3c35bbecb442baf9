// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "calc/anzeige.h"
#include "calc/eingaben.h"
#include "calc/klasse.h"

namespace netzplaner {

// The state of one calculation, owned by the main window for its whole life.
// Only ip, klasse and anteil carry meaning from one run to the next: the
// result display consumes subnet, netz and broad as it shows them.
struct Zustand {
    Oktette ip{};
    Oktette subnet{};
    Oktette netz{};
    Oktette broad{};
    Klasse klasse = Klasse::A;
    Adressanteil anteil = Adressanteil::Bit8; // of the last run that had one on
};

class Berechnung {
public:
    // Runs the six steps in their fixed order. A step that fails ends the run;
    // what the earlier steps produced is in the result and in the state.
    Anzeige ausfuehren(const Eingaben& eingaben);

    // The address part the window switches on after an octet has changed.
    Adressanteil klassepruefen() const;

    const Zustand& zustand() const { return zustand_; }

private:
    // The bit count, read once a run and only for a subnet or supernet;
    // nullopt also where its text does not convert.
    using Bits = std::optional<std::uint8_t>;

    // Each step reports whether the run may go on.
    bool deaktiviren(const Eingaben& eingaben, Anzeige& anzeige);
    bool klasseermitteln(const Eingaben& eingaben);
    bool beschriftung(Anzeige& anzeige);
    bool breite(const Eingaben& eingaben, const Bits& bits);
    bool NetzBroadcast(const Eingaben& eingaben);
    bool ausgabe(const Eingaben& eingaben, const Bits& bits, Anzeige& anzeige);

    Zustand zustand_;
};

} // namespace netzplaner
