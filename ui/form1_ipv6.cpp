// SPDX-License-Identifier: GPL-3.0-or-later
#include "ipv6/ipv6fenster.h"
#include "ui/form1.h"

namespace netzplaner {

void Form1::ipv6_Click()
{
    const bool neu = !ipv6_;
    if (neu)
        ipv6_ = new Ipv6Fenster(this);
    zeigeNeben(ipv6_, neu);
}

} // namespace netzplaner
