// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/finde.h"

void keinSteuerelement(const QObject* wurzel, const QString& name)
{
    qFatal("no control named %s in %s", qPrintable(name), qPrintable(wurzel->objectName()));
}
