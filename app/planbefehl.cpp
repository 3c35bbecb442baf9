// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planbefehl.h"

#include <cstdio>
#include <string>

#include "adressplan/plandatei.h"
#include "calc/planausgabe.h"
#include "calc/planbaum.h"

namespace netzplaner {
namespace {

void melde(const QString& programm, const QString& text)
{
    std::fputs(QStringLiteral("%1: %2\n").arg(programm, text).toLocal8Bit().constData(), stderr);
}

} // namespace

int gibPlanAus(const QString& pfad, const QString& format, const QString& programm)
{
    const auto gelesen = oeffnePlan(pfad);
    if (const auto* fehler = std::get_if<QString>(&gelesen)) {
        melde(programm, *fehler);
        return 2;
    }
    const Plandokument& dokument = std::get<Plandokument>(gelesen);
    // As the window plans it: the net as the user typed it, which may be
    // one that it refuses.
    const auto netz = leseNetzangabe(dokument.netz.toStdString());
    if (const auto* fehler = std::get_if<std::string>(&netz)) {
        melde(programm, QString::fromStdString(*fehler));
        return 1;
    }
    const Planbaum plan = plane({std::get<Netzangabe>(netz), dokument.rfc3021, dokument.umgebung, dokument.bedarf});
    if (plan.zeilen.empty()) {
        melde(programm, QString::fromStdString(plan.meldung));
        return 1;
    }
    const auto zeilen = planzeilen(plan);
    const std::string text = format == QLatin1String("netbox") ? planFuerNetbox(zeilen)
                             : format == QLatin1String("csv")  ? planAlsCsv(zeilen)
                                                               : planAlsText(zeilen);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        melde(programm, QStringLiteral("die Standardausgabe lässt sich nicht schreiben"));
        return 2;
    }
    return 0;
}

} // namespace netzplaner
