// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a random run: keys, clicks, mouse moves, pastes and
// context-menu actions, delivered as the window system delivers them.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "tests/hilfen/einfuegeweg.h"
#include "tests/zufall/lauf.h"
#include "tests/zufall/orakel.h"
#include "tests/zufall/pruefung.h"
#include "tests/zufall/tasten.h"
#include "tests/zufall/ziele.h"

namespace zufall {
namespace {

// The window's own: the windows it opens have their own events.
QList<QLineEdit*> felder(QWidget* fenster)
{
    QList<QLineEdit*> eigene = fenster->findChildren<QLineEdit*>();
    eigene.removeIf([fenster](const QLineEdit* feld) { return feld->window() != fenster; });
    return eigene;
}

bool istEinfuegetaste(const Taste& taste)
{
    return QKeySequence::keyBindings(QKeySequence::Paste).contains(QKeySequence(taste.umschalt | taste.key));
}

} // namespace

void Lauf::tippe()
{
    const Taste taste = zufallsTaste(wuerfel_);
    QWidget* fokus = QApplication::focusWidget();
    beginne(QStringLiteral("%1 -> %2").arg(taste.name, name(fokus)));
    if (istEinfuegetaste(taste))
        mitVorhersage(qobject_cast<QLineEdit*>(fokus), QGuiApplication::clipboard()->text(),
                      [&] { drueckeTaste(taste); });
    else
        drueckeTaste(taste);
}

void Lauf::klicke(QWidget* ziel, QPoint wo, bool doppelt)
{
    QWidget* fenster = ziel->window();
    const QPoint punkt = ziel->mapTo(fenster, wo);
    if (doppelt) {
        QTest::mouseDClick(fenster->windowHandle(), Qt::LeftButton, {}, punkt);
        QTest::qWait(doppelklickZeit + 3);
    } else {
        QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {}, punkt);
    }
}

void Lauf::klickeSteuerelement(QWidget* flaeche, const char* wie)
{
    // All controls, hidden ones too: which one is visible may depend on the
    // blink timer, and the choice must depend on the seed alone. The click
    // lands on whatever the window shows at that point.
    // Mostly the fields and buttons a user aims at, else anything.
    QList<QWidget*> alle;
    const int art = wuerfel_.unter(10);
    if (art < 4) {
        for (QLineEdit* feld : flaeche->findChildren<QLineEdit*>())
            alle << feld;
    } else if (art < 6) {
        for (QRadioButton* knopf : flaeche->findChildren<QRadioButton*>())
            alle << knopf;
    } else {
        alle = flaeche->findChildren<QWidget*>();
    }
    QWidget* ziel = alle.at(wuerfel_.unter(int(alle.size())));
    const QPoint wo(wuerfel_.unter(std::max(1, ziel->width())), wuerfel_.unter(std::max(1, ziel->height())));
    const bool doppelt = qstrcmp(wie, "double-click") == 0;
    beginne(QStringLiteral("%1 %2 at %3,%4").arg(QLatin1String(wie), name(ziel)).arg(wo.x()).arg(wo.y()));
    klicke(ziel, wo, doppelt);
}

void Lauf::klickeIrgendwo(QWidget* flaeche)
{
    const QPoint wo(1 + wuerfel_.unter(flaeche->width() - 2), 1 + wuerfel_.unter(flaeche->height() - 2));
    beginne(QStringLiteral("click %1 at %2,%3 (%4)")
                .arg(name(flaeche->window()))
                .arg(wo.x())
                .arg(wo.y())
                .arg(name(flaeche->childAt(wo))));
    klicke(flaeche, wo);
}

void Lauf::bewegeMaus(QWidget* flaeche)
{
    const QPoint wo(1 + wuerfel_.unter(flaeche->width() - 2), 1 + wuerfel_.unter(flaeche->height() - 2));
    beginne(QStringLiteral("move the mouse to %1,%2").arg(wo.x()).arg(wo.y()));
    QWidget* fenster = flaeche->window();
    QTest::mouseMove(fenster->windowHandle(), flaeche->mapTo(fenster, wo));
}

void Lauf::fuegeEin(QWidget* fenster)
{
    const QString text = wuerfel_.promille(500) ? wuerfel_.adresstext() : wuerfel_.text();
    auto weg = Einfuegeweg(wuerfel_.unter(5));
    if (weg == Einfuegeweg::Mittelklick && !QGuiApplication::clipboard()->supportsSelection())
        weg = Einfuegeweg::Kontextmenue; // offscreen has no X11 selection
    // The keys paste into whatever has the focus; the mouse into the field it
    // points at.
    QWidget* ziel = QApplication::focusWidget();
    QPoint wo;
    if (weg == Einfuegeweg::Kontextmenue || weg == Einfuegeweg::Mittelklick || weg == Einfuegeweg::Ablegen) {
        const QList<QLineEdit*> alle = felder(fenster);
        ziel = alle.at(wuerfel_.unter(int(alle.size())));
        wo = QPoint(wuerfel_.unter(ziel->width()), wuerfel_.unter(ziel->height()));
    }
    beginne(QStringLiteral("paste \"%1\" into %2 by %3").arg(lesbar(text), name(ziel), wegName(weg)));
    auto* feld = qobject_cast<QLineEdit*>(ziel);
    mitVorhersage(feld, text, [&] { ::fuegeEin(feld, text, weg, wo); });
}

void Lauf::mitVorhersage(QLineEdit* feld, const QString& text, const std::function<void()>& einfuegen)
{
    if (std::find(haupt_.txtip.begin(), haupt_.txtip.end(), feld) == haupt_.txtip.end()) {
        einfuegen();
        return;
    }
    const QString vorher = haupt_.eingaben();
    const auto artUndBits = [this] {
        return QStringLiteral("Option1(%1), txtbits \"%2\"")
            .arg(eingeschaltet(haupt_.netzart))
            .arg(haupt_.txtbits->text());
    };
    const QString artUndBitsVorher = artUndBits();
    const Einfuegung soll = liesEinfuegung(text.toStdString());
    einfuegen();
    QCoreApplication::processEvents();

    QStringList fehler;
    if (soll.art == Einfuegung::Verweigert) {
        ++einfuegungenVerweigert_;
        if (haupt_.eingaben() != vorher)
            fehler << QStringLiteral("a refused paste changed the inputs, they were ") + vorher;
    } else if (soll.art == Einfuegung::Adresse) {
        ++adressenEingefuegt_;
        for (std::size_t i = 0; i < 4; ++i)
            vergleiche(fehler, haupt_.txtip[i], haupt_.txtip[i]->text(), std::to_string(soll.oktette[i]));
        const int art = eingeschaltet(haupt_.netzart), teil = eingeschaltet(haupt_.anteil);
        if (soll.praefix < 0) {
            // The net kind and the bit count stay; the part follows the class,
            // which the usual checks see to.
            if (artUndBits() != artUndBitsVorher)
                fehler << QStringLiteral("a paste without a prefix changed %1 to %2")
                              .arg(artUndBitsVorher, artUndBits());
        } else {
            const Praefixoptionen o = optionenFuer(soll.praefix, soll.oktette[0]);
            if (art != o.netzart || teil != o.anteil)
                fehler << QStringLiteral("prefix %1: Option1(%2) and Option2(%3) are on, expected Option1(%4) and "
                                         "Option2(%5)")
                              .arg(soll.praefix)
                              .arg(art)
                              .arg(teil)
                              .arg(o.netzart)
                              .arg(o.anteil);
            if (o.netzart != 0)
                vergleiche(fehler, haupt_.txtbits, haupt_.txtbits->text(), std::to_string(o.bits));
            oktettBearbeitet_ = false; // the part was chosen for the prefix, not left to the class
        }
        if (QApplication::focusWidget() != feld)
            fehler << QStringLiteral("the focus went from %1 to %2").arg(name(feld), name(QApplication::focusWidget()));
    }
    if (!fehler.isEmpty())
        scheitere(fehler, haupt_.eingaben());
}

void Lauf::waehleAlles(QWidget* fenster)
{
    const QList<QLineEdit*> alle = felder(fenster);
    QLineEdit* feld = alle.at(wuerfel_.unter(int(alle.size())));
    beginne(QStringLiteral("select all of %1 from its context menu").arg(name(feld)));
    if (feld->isEnabled())
        feld->selectAll();
}

void Lauf::klickeMenue(QWidget* fenster, const char* aktion)
{
    auto* leiste = fenster->findChild<QMenuBar*>();
    QAction* eintrag = fenster->findChild<QAction*>(QLatin1String(aktion));
    beginne(QStringLiteral("click %1 on the menu bar").arg(eintrag->text()));
    klicke(leiste, leiste->actionGeometry(eintrag).center());
}

} // namespace zufall
