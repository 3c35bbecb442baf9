// SPDX-License-Identifier: GPL-3.0-or-later
#include "netzliste/zeilenkopie.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "netzliste/netzlistenmodell.h"

namespace netzplaner {
namespace {

void kopiere(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace

void macheZeilenKopierbar(QTableView* tabelle, const Netzlistenmodell* modell)
{
    auto* kopieren = new QAction(QStringLiteral("Kopieren"), tabelle);
    // The view's own Ctrl+C copies the current cell alone; the action's
    // shortcut comes first.
    kopieren->setShortcut(QKeySequence::Copy);
    kopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(kopieren, &QAction::triggered, tabelle, [tabelle, modell] {
        std::vector<int> zeilen;
        for (const QModelIndex& index : tabelle->selectionModel()->selectedRows())
            zeilen.push_back(index.row());
        // In address order, however the rows were picked.
        std::sort(zeilen.begin(), zeilen.end());
        kopiere(alsText(modell->liste(), zeilen, "\t", "\n"));
    });
    auto* alles = new QAction(QStringLiteral("Alles kopieren"), tabelle);
    QObject::connect(alles, &QAction::triggered, tabelle, [modell] { kopiere(alsText(modell->liste(), "\t", "\n")); });

    const auto folgeAuswahl = [tabelle, kopieren] { kopieren->setEnabled(tabelle->selectionModel()->hasSelection()); };
    QObject::connect(tabelle->selectionModel(), &QItemSelectionModel::selectionChanged, kopieren, folgeAuswahl);
    folgeAuswahl();
    tabelle->addActions({kopieren, alles});
    tabelle->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace netzplaner
