// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace netzplaner {

// What the command line asks for at start.
struct Aufruf {
    enum class Art { fenster, zusammenfassen, plan };
    Art art = Art::fenster;
    // The plan file to open in the address plan, or to print with --plan.
    std::optional<QString> plandatei;
    // --zusammenfassen: the lists to read, "-" for standard input.
    QStringList dateien;
    // --plan: "text", "csv" or "netbox".
    QString format = QStringLiteral("text");
    // Set when the program ends at once with this code: --help and
    // --version (0) or a wrong call (2, told on stderr).
    std::optional<int> ende;
};

// The arguments as the system passed them, Qt's own options among them.
QStringList rohargumente(int argc, char* argv[]);

// Reads the arguments before any application exists, so that help, version,
// a wrong call and the commands that need no window never look for a
// display. Answers --help and --version on stdout and tells a wrong call on
// stderr itself. Qt's own options (-platform, -style, …) are passed over:
// the window's application takes them.
Aufruf liesAufruf(const QStringList& argumente);

} // namespace netzplaner
