// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/wandelnoeffnen.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "converter/wandeln.h"
#include "tests/hilfen/modalwaechter.h"

void taste(Qt::Key key, Qt::KeyboardModifiers umschalt)
{
    QTest::keyClick(QApplication::focusWidget(), key, umschalt);
}

void oeffneWandeln(QWidget* eltern, const std::function<void(WandelnSteuerelemente&)>& pruefe)
{
    ModalWaechter waechter;
    QPointer<QWidget> fenster;
    bool gezeigt = false;
    waechter.pruefeUndSchliesse([&](QWidget* modal) {
        gezeigt = true;
        fenster = modal;
        QVERIFY(QTest::qWaitForWindowActive(modal));
        WandelnSteuerelemente w(modal);
        pruefe(w);
    });

    netzplaner::zeigeWandeln(eltern);

    QVERIFY2(gezeigt, "zeigeWandeln returned without showing a modal window");
    QVERIFY2(fenster.isNull(), "the window outlived its closing");
    QVERIFY2(waechter.unerwartete().isEmpty(), qPrintable(waechter.unerwartete().join(QStringLiteral(", "))));
}

void oeffneWandeln(const std::function<void(WandelnSteuerelemente&)>& pruefe)
{
    oeffneWandeln(nullptr, pruefe);
}
