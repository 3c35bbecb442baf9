// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "calc/netzangabe.h"
#include "calc/planbaum.h"

namespace netzplaner {

// What a *.adressplan file holds: the net as the user typed it, the check box,
// the environment and the requirement rows, in levels.
struct Plandokument {
    QString netz;
    bool rfc3021 = false;
    std::vector<Planknoten> bedarf;
    Umgebung umgebung = Umgebung::klassisch;

    bool operator==(const Plandokument&) const = default;
};

// Deeper levels and more rows than these are refused: no site is planned so,
// and the planner's depth-first walk stays shallow.
constexpr int hoechsteEbenen = 8;
constexpr int hoechsteEintraege = 100000;

// A plan with a group, a fixed net or an environment other than Klassisch
// needs file format 2; any other is written as format 1, which older
// versions of the program open.
bool brauchtVersion2(const Plandokument& dokument);

// The whole file's bytes, UTF-8 JSON, format 1 or 2. Unknown keys are passed over, so that a
// later version can add some; anything else that is not as written refuses
// the whole file with a German sentence naming the fault.
std::variant<Plandokument, QString> lesePlan(const QByteArray& inhalt);
// UTF-8 JSON, indented.
QByteArray schreibePlan(const Plandokument& dokument);

// Reads and checks a file; a refusal names it first: "„/pfad/x.adressplan“: …".
std::variant<Plandokument, QString> oeffnePlan(const QString& pfad);
// Writes the whole file or leaves the old one as it was; the German reason if
// it failed.
std::optional<QString> speicherePlan(const QString& pfad, const Plandokument& dokument);

} // namespace netzplaner
