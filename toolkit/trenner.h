// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QWidget;

namespace netzplaner {

// Lines and dots that only part what the eye sees. A screen reader passes
// over them: they stay in the accessibility tree, as separators that are not
// shown to a listener, so a blind user does not stop at every line and "."
// on the way to the figures. Call it once, after the window has built them.
void verbirgTrenner(const std::vector<QWidget*>& trenner);

} // namespace netzplaner
