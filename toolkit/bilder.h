// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace netzplaner {

// A picture built into the program from toolkit/bilder/: "augen_zu.xpm".
QString bildpfad(const char* datei);

// The open eyes, the icon of every window of the program.
QIcon fenstersymbol();

} // namespace netzplaner
