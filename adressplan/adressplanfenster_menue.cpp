// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menus, their keys and the buttons beside the requirements.
#include <QGridLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

#include "adressplan/adressplanfenster.h"
#include "adressplan/bedarfstabelle.h"

namespace netzplaner {
namespace {

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, QAction* aktion)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    QObject::connect(k, &QPushButton::clicked, aktion, &QAction::trigger);
    return k;
}

QAction* aktion(QWidget* fenster, const char* name, const QString& text, const QKeySequence& taste = {})
{
    auto* a = new QAction(text, fenster);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(taste);
    return a;
}

} // namespace

void AdressplanFenster::baueMenue()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* oeffnen = aktion(this, "oeffnen", QStringLiteral("Ö&ffnen…"), QKeySequence::Open);
    QAction* speichernA = aktion(this, "speichern", QStringLiteral("&Speichern"), QKeySequence::Save);
    QAction* unter = aktion(this, "speichernunter", QStringLiteral("Speichern &unter…"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* importA = aktion(this, "importieren", QStringLiteral("Bedarf aus CSV &importieren…"));
    QAction* exportA = aktion(this, "exportieren", QStringLiteral("Plan als CSV &exportieren…"));
    QAction* netbox = aktion(this, "exportierennetbox", QStringLiteral("Für &NetBox exportieren…"));
    QAction* schliessen = aktion(this, "schliessen", QStringLiteral("Schl&ießen"), QKeySequence::Close);
    datei->addActions({oeffnen, speichernA, unter});
    datei->addSeparator();
    datei->addActions({importA, exportA, netbox});
    datei->addSeparator();
    datei->addAction(schliessen);
    connect(oeffnen, &QAction::triggered, this, &AdressplanFenster::oeffnenFragen);
    connect(speichernA, &QAction::triggered, this, &AdressplanFenster::speichern);
    connect(unter, &QAction::triggered, this, &AdressplanFenster::speichernUnter);
    connect(importA, &QAction::triggered, this, [this] {
        if (uebernimmEditor())
            importieren();
    });
    connect(exportA, &QAction::triggered, this, [this] {
        if (uebernimmEditor())
            exportieren();
    });
    connect(netbox, &QAction::triggered, this, [this] {
        if (uebernimmEditor())
            exportiereFuerNetbox();
    });
    connect(schliessen, &QAction::triggered, this, &QWidget::close);

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("bearbeiten"));
    QAction* rueck = stapel_->createUndoAction(this, QStringLiteral("&Rückgängig"));
    rueck->setObjectName(QStringLiteral("rueckgaengig"));
    rueck->setShortcut(QKeySequence::Undo);
    QAction* wieder = stapel_->createRedoAction(this, QStringLiteral("&Wiederholen"));
    wieder->setObjectName(QStringLiteral("wiederholen"));
    // Ctrl+Y also where the platform's redo lacks it: a key bound twice to
    // one action is ambiguous to Qt and does nothing at all.
    QList<QKeySequence> wiederholen = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!wiederholen.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        wiederholen << QKeySequence(Qt::CTRL | Qt::Key_Y);
    wieder->setShortcuts(wiederholen);
    // A cell being edited is a change to undo like any other: committed first.
    disconnect(rueck, &QAction::triggered, stapel_, &QUndoStack::undo);
    disconnect(wieder, &QAction::triggered, stapel_, &QUndoStack::redo);
    connect(rueck, &QAction::triggered, this, [this] {
        if (uebernimmEditor())
            stapel_->undo();
    });
    connect(wieder, &QAction::triggered, this, [this] {
        if (uebernimmEditor())
            stapel_->redo();
    });
    bearbeiten->addActions({rueck, wieder});
    bearbeiten->addSeparator();

    // The table's own keys act on the table alone: an editor open in a cell
    // keeps Insert, Delete and Ctrl+V for its text.
    const auto tabellenAktion = [this, bearbeiten](const char* name, const QString& text, const QKeySequence& taste) {
        QAction* a = aktion(this, name, text, taste);
        a->setShortcutContext(Qt::WidgetShortcut);
        bedarfTabelle_->addAction(a);
        bearbeiten->addAction(a);
        return a;
    };
    QAction* neu = tabellenAktion("zeilehinzufuegen", QStringLiteral("Zeile &hinzufügen"), Qt::Key_Insert);
    // From the net's field too: a new plan starts with its net and a row.
    neu->setShortcutContext(Qt::WindowShortcut);
    QAction* weg = tabellenAktion("zeilenentfernen", QStringLiteral("Zeilen &entfernen"), Qt::Key_Delete);
    QAction* hoch = tabellenAktion("nachoben", QStringLiteral("Nach &oben"), QKeySequence(Qt::CTRL | Qt::Key_Up));
    QAction* runter = tabellenAktion("nachunten", QStringLiteral("Nach &unten"), QKeySequence(Qt::CTRL | Qt::Key_Down));
    QAction* ein = tabellenAktion("einruecken", QStringLiteral("Ein&rücken"), QKeySequence(Qt::CTRL | Qt::Key_Right));
    QAction* aus = tabellenAktion("ausruecken", QStringLiteral("A&usrücken"), QKeySequence(Qt::CTRL | Qt::Key_Left));
    QAction* einfuegen = tabellenAktion("zeileneinfuegen", QStringLiteral("Zeilen ein&fügen"), QKeySequence::Paste);
    bedarfTabelle_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(neu, &QAction::triggered, this, &AdressplanFenster::zeileHinzufuegen);
    connect(weg, &QAction::triggered, this, &AdressplanFenster::zeilenEntfernen);
    connect(hoch, &QAction::triggered, this, [this] { verschiebe(-1); });
    connect(runter, &QAction::triggered, this, [this] { verschiebe(+1); });
    connect(ein, &QAction::triggered, this, [this] { ruecke(true); });
    connect(aus, &QAction::triggered, this, [this] { ruecke(false); });
    connect(einfuegen, &QAction::triggered, this, &AdressplanFenster::fuegeZeilenEin);

    auto* flaeche = centralWidget();
    knoepfe_->addWidget(knopf(flaeche, "hinzufuegen", QStringLiteral("Zeile &hinzufügen"), neu), 0, 0);
    knoepfe_->addWidget(knopf(flaeche, "entfernen", QStringLiteral("Zeilen &entfernen"), weg), 0, 1);
    knoepfe_->addWidget(knopf(flaeche, "hoch", QStringLiteral("Nach &oben"), hoch), 1, 0);
    knoepfe_->addWidget(knopf(flaeche, "runter", QStringLiteral("Nach &unten"), runter), 1, 1);
    knoepfe_->addWidget(knopf(flaeche, "ein", QStringLiteral("Ein&rücken"), ein), 2, 0);
    knoepfe_->addWidget(knopf(flaeche, "aus", QStringLiteral("Au&srücken"), aus), 2, 1);
}

} // namespace netzplaner
