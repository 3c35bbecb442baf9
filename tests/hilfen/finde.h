// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>

#include "toolkit/steuerelement.h"

// Controls are found by their objectNames, as a tool outside the program would
// find them. A name that is not there ends the test binary: every later check
// would only report the same missing control again.
[[noreturn]] void keinSteuerelement(const QObject* wurzel, const QString& name);

template <typename T = QWidget>
T* finde(const QObject* wurzel, const QString& name)
{
    T* gefunden = wurzel->findChild<T*>(name);
    if (!gefunden)
        keinSteuerelement(wurzel, name);
    return gefunden;
}

// The members name(ab) .. name(N - 1) of a control array.
template <typename T, std::size_t N>
void findeReihe(const QObject* wurzel, const char* name, std::array<T*, N>& reihe, std::size_t ab = 0)
{
    for (std::size_t i = ab; i < N; ++i)
        reihe[i] = finde<T>(wurzel, netzplaner::indexName(name, int(i)));
}
