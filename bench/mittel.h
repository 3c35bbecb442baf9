// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// The median of laeufe timed calls of schritt(lauf), in milliseconds: robust
// against the odd run that the other core's work slows down.
template <typename Schritt>
double medianMs(int laeufe, Schritt schritt)
{
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        const auto anfang = std::chrono::steady_clock::now();
        schritt(i);
        zeiten.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang).count());
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + laeufe / 2, zeiten.end());
    return zeiten[static_cast<std::size_t>(laeufe / 2)];
}
