// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/wandelnsteuerelemente.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

#include "tests/hilfen/finde.h"

WandelnSteuerelemente::WandelnSteuerelemente(QWidget* fenster)
    : fenster(fenster)
    , Text1(finde<QLineEdit>(fenster, QStringLiteral("Text1")))
    , Text2(finde<QLineEdit>(fenster, QStringLiteral("Text2")))
    , leiste(fenster->findChild<QMenuBar*>())
{
    findeReihe(fenster, "Option1", Option1, 1);
}
