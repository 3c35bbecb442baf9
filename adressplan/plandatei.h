// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "calc/adressplan.h"

namespace netzplaner {

// What a *.adressplan file holds: the net as the user typed it, the check box
// and the requirement rows.
struct Plandokument {
    QString netz;
    bool rfc3021 = false;
    std::vector<Bedarf> bedarf;

    bool operator==(const Plandokument&) const = default;
};

// The whole file's bytes, UTF-8 JSON. Unknown keys are passed over, so that a
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
