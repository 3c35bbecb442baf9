// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/kopierbar.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "toolkit/auswahlaufabruf.h"
#include "toolkit/tabrueckgabe.h"

namespace netzplaner {
namespace {

// Qt's own wording, so the menu reads like the line edits' ("&Kopieren\tStrg+C").
QString menuepunkt(const char* text, QKeySequence::StandardKey taste)
{
    return QCoreApplication::translate("QWidgetTextControl", text) + QLatin1Char('\t')
           + QKeySequence(taste).toString(QKeySequence::NativeText);
}

void zeigeKontextmenue(QLabel* label, const QPoint& wo)
{
    // Qt 6.4 offers no context menu on selectable plain-text labels, only on
    // rich text, which would fold the two lines of the counts into one.
    auto* menue = new QMenu(label);
    menue->setAttribute(Qt::WA_DeleteOnClose);
    QAction* kopieren = menue->addAction(menuepunkt("&Copy", QKeySequence::Copy), label, [label] {
        // The label's own Ctrl+C, so both ways put the same text on the clipboard.
        QKeyEvent strgC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
        QCoreApplication::sendEvent(label, &strgC);
    });
    kopieren->setEnabled(label->hasSelectedText());
    menue->addSeparator();
    menue->addAction(menuepunkt("Select All", QKeySequence::SelectAll), label,
                     [label] { label->setSelection(0, int(label->text().size())); });
    menue->popup(label->mapToGlobal(wo));
}

} // namespace

void macheKopierbar(QWidget* fenster, const std::vector<QLabel*>& ergebnisse)
{
    auto* rueckgabe = new Tabrueckgabe(fenster);
    auto* auswahl = new AuswahlAufAbruf(fenster);
    for (QLabel* label : ergebnisse) {
        auswahl->beobachte(label);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(label, &QWidget::customContextMenuRequested, label,
                         [label](const QPoint& wo) { zeigeKontextmenue(label, wo); });
        rueckgabe->beobachte(label);
    }
}

void kopiereGanzesErgebnisPerTaste(QWidget* fenster, std::function<QString()> ganzesErgebnis)
{
    const QString beschreibung = QStringLiteral("Strg+Umschalt+C kopiert das ganze Ergebnis als Text.");
    auto* kopieren = new QAction(QStringLiteral("Ganzes Ergebnis kopieren"), fenster);
    kopieren->setObjectName(QStringLiteral("ergebniskopieren"));
    kopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    kopieren->setShortcutContext(Qt::WindowShortcut);
    kopieren->setToolTip(beschreibung);
    kopieren->setWhatsThis(beschreibung);
    QObject::connect(kopieren, &QAction::triggered, fenster, [ganzesErgebnis] {
        // Nothing to copy leaves the clipboard as it was.
        if (const QString text = ganzesErgebnis(); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    });
    fenster->addAction(kopieren);
    fenster->setAccessibleDescription(beschreibung);
}

} // namespace netzplaner
