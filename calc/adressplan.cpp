// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/adressplan.h"

#include "calc/planbaum.h"

namespace netzplaner {

Plan plane(const Netzangabe& netz, const std::vector<Bedarf>& bedarf, bool rfc3021)
{
    Planauftrag auftrag{netz, rfc3021, Umgebung::klassisch, {}};
    auftrag.bedarf.reserve(bedarf.size());
    for (const Bedarf& b : bedarf)
        auftrag.bedarf.push_back({b.name, b.hosts, std::nullopt, {}});
    Planbaum baum = plane(auftrag);
    Plan plan{{}, std::move(baum.meldung), !baum.zeilen.empty()};
    plan.zeilen.reserve(baum.zeilen.size());
    for (const Planblock& block : baum.zeilen) {
        const bool frei = block.art == Planart::frei;
        plan.zeilen.push_back({frei ? 0 : std::stoi(block.nr), block.netz, block.praefix,
                               frei ? std::nullopt : std::optional(static_cast<std::uint32_t>(*block.bedarf))});
    }
    return plan;
}

} // namespace netzplaner
