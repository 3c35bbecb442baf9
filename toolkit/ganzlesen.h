// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <variant>

namespace netzplaner {

// Larger files are refused unread: no plan or requirement list of a site comes
// near it, and /dev/zero must not fill the memory with the user's work open.
constexpr qint64 hoechsteDateigroesse = 10 * 1024 * 1024;

enum class Lesequelle {
    nurDateien, // regular files only: what a window opens
    auchStroeme // named pipes too, read to their end: what a script hands the command line
};

// Opens pfad for reading. Folders and devices are refused, and with nurDateien
// pipes too, at once and without waiting for a writer. A refusal is a German
// sentence that names the file: "„/pfad“: Das ist ein Ordner".
std::variant<std::unique_ptr<QFile>, QString> oeffneZumLesen(const QString& pfad, Lesequelle quelle);

// A regular file's whole content, at most hoechsteDateigroesse bytes.
std::variant<QByteArray, QString> leseGanz(const QString& pfad);

} // namespace netzplaner
