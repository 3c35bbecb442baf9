// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace netzplaner {

// Centres a top-level window on its screen, frame included, before it is
// first shown. Call it once the window has its final size.
void zentriereAufBildschirm(QWidget* fenster);

} // namespace netzplaner
