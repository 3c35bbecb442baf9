// SPDX-License-Identifier: GPL-3.0-or-later
// lesePlan takes any bytes: what it accepts must be a plan whose names are one
// line of text, and written back it must read the same; a refusal is a
// sentence, never a crash, a hang or a plan half read.
#include <QByteArray>
#include <cstdint>
#include <functional>

#include "adressplan/plandatei.h"
#include "fuzz/pruefe.h"

namespace {

using netzplaner::Planknoten;

bool namenSindZeilen(const std::vector<Planknoten>& knoten)
{
    return std::all_of(knoten.begin(), knoten.end(), [](const Planknoten& k) {
        return std::none_of(k.name.begin(), k.name.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })
               && namenSindZeilen(k.kinder);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const auto gelesen = netzplaner::lesePlan(bytes);
    if (const auto* fehler = std::get_if<QString>(&gelesen)) {
        PRUEFE(!fehler->isEmpty());
        return 0;
    }
    const auto& dokument = std::get<netzplaner::Plandokument>(gelesen);
    PRUEFE(namenSindZeilen(dokument.bedarf));
    const auto wieder = netzplaner::lesePlan(netzplaner::schreibePlan(dokument));
    PRUEFE(std::holds_alternative<netzplaner::Plandokument>(wieder));
    PRUEFE(std::get<netzplaner::Plandokument>(wieder) == dokument);
    return 0;
}
