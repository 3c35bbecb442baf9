// The events of a random run: keys, clicks, mouse moves and context-menu
// actions, delivered as the window system delivers them.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "tests/zufall/lauf.h"
#include "tests/zufall/pruefung.h"
#include "tests/zufall/tasten.h"
#include "tests/zufall/ziele.h"

namespace zufall {
namespace {

QList<QLineEdit*> felder(QWidget* fenster)
{
    return fenster->findChildren<QLineEdit*>();
}

} // namespace

void Lauf::tippe()
{
    const Taste taste = zufallsTaste(wuerfel_);
    beginne(QStringLiteral("%1 -> %2").arg(taste.name, name(QApplication::focusWidget())));
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
    // The paste of the line edit's context menu: no key filter sees the text.
    const QList<QLineEdit*> alle = felder(fenster);
    QLineEdit* feld = alle.at(wuerfel_.unter(int(alle.size())));
    const QString text = wuerfel_.text();
    beginne(QStringLiteral("paste \"%1\" into %2").arg(lesbar(text), name(feld)));
    // A disabled field has no context menu, a read-only one no paste entry in
    // it; paste() itself would write into a read-only field.
    if (!feld->isEnabled() || feld->isReadOnly())
        return;
    QGuiApplication::clipboard()->setText(text);
    feld->paste();
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
