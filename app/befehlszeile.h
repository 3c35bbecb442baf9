// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace netzplaner {

// What the command line asks for at start.
struct Aufruf {
    // The plan file to open in the address plan; none without an argument.
    std::optional<QString> plandatei;
    // Set when the program ends at once with this code: a wrong call, told
    // on stderr.
    std::optional<int> ende;
};

// The arguments as the system passed them, Qt's own options among them.
QStringList rohargumente(int argc, char* argv[]);

// Answers --help and --version on stdout and returns 0, before the
// application connects to a display, so that both work over ssh and in
// scripts; otherwise nothing. Qt's own options are still among the
// arguments here and are passed over.
std::optional<int> beantworteAuskunft(const QStringList& argumente);

// Reads the arguments that Qt has left after taking its own options.
Aufruf liesAufruf(const QStringList& argumente);

} // namespace netzplaner
