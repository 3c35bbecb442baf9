#pragma once

#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "converter/wandeln.h"
#include "tests/hilfen/modalwaechter.h"

// The controls of an open converter window, found by their objectNames.
struct WandelnSteuerelemente {
    explicit WandelnSteuerelemente(QWidget* fenster)
        : fenster(fenster)
        , Text1(fenster->findChild<QLineEdit*>(QStringLiteral("Text1")))
        , Text2(fenster->findChild<QLineEdit*>(QStringLiteral("Text2")))
        , Option1{nullptr, fenster->findChild<QRadioButton*>(QStringLiteral("Option1(1)")),
                  fenster->findChild<QRadioButton*>(QStringLiteral("Option1(2)")),
                  fenster->findChild<QRadioButton*>(QStringLiteral("Option1(3)"))}
        , leiste(fenster->findChild<QMenuBar*>())
    {
    }

    bool vollstaendig() const { return Text1 && Text2 && Option1[1] && Option1[2] && Option1[3] && leiste; }

    QWidget* fenster;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QRadioButton* Option1[4]; // 1 to 3, as named
    QMenuBar* leiste;
};

// Keys go where the user's keys would go: to the widget that has the focus.
inline void taste(Qt::Key key, Qt::KeyboardModifiers umschalt = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, umschalt);
}

namespace wandelnoeffnen_intern {
inline void imFenster(QWidget* fenster, const std::function<void(WandelnSteuerelemente&)>& pruefe)
{
    QVERIFY(QTest::qWaitForWindowActive(fenster));
    WandelnSteuerelemente w(fenster);
    QVERIFY(w.vollstaendig());
    pruefe(w);
}
} // namespace wandelnoeffnen_intern

// Opens the converter through its public entry point, as the main window does,
// and runs pruefe inside the modal loop. The window is closed afterwards unless
// pruefe closed it, so a check that fails inside never leaves the loop hanging.
inline void oeffneWandeln(QWidget* eltern, const std::function<void(WandelnSteuerelemente&)>& pruefe)
{
    ModalWaechter waechter;
    QPointer<QWidget> fenster;
    bool gezeigt = false;
    waechter.beimNaechsten([&](QWidget* modal) {
        gezeigt = true;
        fenster = modal;
        wandelnoeffnen_intern::imFenster(modal, pruefe);
        if (fenster && fenster->isVisible())
            fenster->close();
    });

    netzplaner::zeigeWandeln(eltern);

    QVERIFY2(gezeigt, "zeigeWandeln returned without showing a modal window");
    QVERIFY2(fenster.isNull(), "the window outlived its closing");
    QVERIFY2(waechter.unerwartete().isEmpty(), qPrintable(waechter.unerwartete().join(QStringLiteral(", "))));
}

inline void oeffneWandeln(const std::function<void(WandelnSteuerelemente&)>& pruefe)
{
    oeffneWandeln(nullptr, pruefe);
}
