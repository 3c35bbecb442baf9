// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace netzplaner {

class Textfeld;

// Selects the box's whole text whenever it takes the focus, by Tab, by the
// program or by a click, so that typing replaces it or Ctrl+C copies it whole.
void waehleGanzBeiFokus(Textfeld* feld);

} // namespace netzplaner
