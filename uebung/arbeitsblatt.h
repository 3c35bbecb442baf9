// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "calc/aufgabe.h"

namespace netzplaner {

constexpr std::uint32_t aufgabenJeBlatt = 10;

// Tasks erste .. erste + 9 of a series and kind as a PDF for the class: the
// tasks with lines to answer on, then the solutions on a page of their own,
// each headed by series, kind and task numbers. Written through QSaveFile;
// on failure the German reason, else an empty text.
QString schreibeArbeitsblatt(const QString& pfad, std::uint32_t serie, Aufgabenart art, std::uint32_t erste);

} // namespace netzplaner
