// SPDX-License-Identifier: GPL-3.0-or-later
// The net list in a random run: opened three ways, used with keys and clicks,
// closed with Escape or its frame, and held against the oracle after every
// event while it is open.
#include <QAction>
#include <QTableView>
#include <QTest>
#include <array>

#include "tests/zufall/lauf.h"
#include "tests/zufall/pruefung.h"
#include "tests/zufall/tasten.h"
#include "tests/zufall/ziele.h"

namespace zufall {

QWidget* Lauf::netzliste() const
{
    for (QWidget* liste : form_->findChildren<QWidget*>(QStringLiteral("netzliste"), Qt::FindDirectChildrenOnly))
        if (liste->isVisible())
            return liste;
    return nullptr;
}

bool Lauf::netzlistenereignis()
{
    QWidget* liste = netzliste();
    const int wahl = wuerfel_.unter(1000);
    QWidget* ziel = wahl < (liste ? 3 : 8) || !liste || wahl >= 120 ? form_ : liste;
    // The user goes to the window first, as a click on it would make it active.
    if (!aktiv(ziel)) {
        ziel->activateWindow();
        if (!bereit(ziel))
            scheitere({name(ziel) + QStringLiteral(" does not become active")}, haupt_.eingaben());
    }
    if (wahl < (liste ? 3 : 8)) {
        const char* wege[] = {"menu action liste", "Alt+N", nullptr};
        if (wege[wahl % 3])
            beginne(QLatin1String(wege[wahl % 3]));
        if (wahl % 3 == 0)
            form_->findChild<QAction*>(QStringLiteral("liste"))->trigger();
        else if (wahl % 3 == 1)
            QTest::keyClick(form_, Qt::Key_N, Qt::AltModifier);
        else
            klickeMenue(form_, "liste");
        if (!netzliste() || !bereit(netzliste()))
            scheitere({QStringLiteral("the net list is not open and active")}, haupt_.eingaben());
        netzlisteGeoeffnet_ += !liste;
        if (!liste)
            navigiertBei_.reset(); // a new list: the program chose its row
        return true;
    }
    if (ziel == form_)
        return false;

    ++netzlistenEreignisse_;
    static const std::array<Taste, 5> tasten = {{
        {Qt::Key_Escape, QStringLiteral("\x1b"), Qt::NoModifier, QStringLiteral("Escape")},
        {Qt::Key_Down, {}, Qt::NoModifier, QStringLiteral("Down")},
        {Qt::Key_PageDown, {}, Qt::NoModifier, QStringLiteral("PageDown")},
        {Qt::Key_Up, {}, Qt::ShiftModifier, QStringLiteral("Shift+Up")},
        {Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier, QStringLiteral("Ctrl+C")},
    }};
    if (wahl < 10) {
        beginne(QStringLiteral("close the net list by its frame"));
        liste->close();
    } else if (wahl < 70) {
        const Taste& taste = tasten[std::size_t(wahl < 16 ? 0 : 1 + wahl % 4)];
        beginne(taste.name + QStringLiteral(" -> netzliste"));
        drueckeTaste(taste);
    } else {
        QWidget* flaeche = liste->findChild<QTableView*>(QStringLiteral("tabelle"))->viewport();
        const QPoint wo(wuerfel_.unter(flaeche->width()), wuerfel_.unter(flaeche->height()));
        beginne(QStringLiteral("click the net list's table at %1,%2").arg(wo.x()).arg(wo.y()));
        QTest::mouseClick(liste->windowHandle(), Qt::LeftButton, {}, flaeche->mapTo(liste, wo));
    }
    navigiertBei_ = wahlVon(haupt_.eingabe());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a closed list goes, as in the program
    return true;
}

QStringList Lauf::pruefeNetzliste()
{
    const auto alle = form_->findChildren<QWidget*>(QStringLiteral("netzliste"), Qt::FindDirectChildrenOnly);
    if (std::count_if(alle.begin(), alle.end(), [](const QWidget* w) { return w->isVisible(); }) > 1)
        return {QStringLiteral("more than one net list is open")};
    const QWidget* liste = netzliste();
    if (!liste)
        return {};
    const Eingabe eingabe = haupt_.eingabe();
    const bool vomProgramm = !navigiertBei_ || !(*navigiertBei_ == wahlVon(eingabe));
    if (vomProgramm)
        navigiertBei_.reset();
    return zufall::pruefeNetzliste(liste, eingabe, vomProgramm);
}

} // namespace zufall
