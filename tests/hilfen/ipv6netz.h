// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <string>

#include "calc/ipv6lesen.h"

// What the IPv6 suites share: calc's texts as QString, and test nets that
// must read.
inline QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

inline netzplaner::Ipv6Netz gelesen(const QByteArray& text)
{
    const auto lesung = netzplaner::leseIpv6(text.toStdString());
    if (!lesung.netz)
        qFatal("unreadable test net %s: %s", text.constData(), lesung.fehler.c_str());
    return *lesung.netz;
}
