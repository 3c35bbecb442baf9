// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/tabellenkopie.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSet>
#include <algorithm>
#include <numeric>

#include "calc/tabellenfeld.h"

namespace netzplaner {
namespace {

// Only a field that starts like a formula is looked at more closely.
bool brauchtFormelschutz(const QString& feld)
{
    if (feld.isEmpty() || feld.front().unicode() > 0x7F
        || formelzeichen.find(char(feld.front().unicode())) == std::string_view::npos)
        return false;
    return netzplaner::brauchtFormelschutz(feld.toStdString());
}

void haengeFeldAn(QString& text, const QString& gezeigt, QStringView trenner)
{
    const QString feld = brauchtFormelschutz(gezeigt) ? QLatin1Char('\'') + gezeigt : gezeigt;
    const bool quoten = feld.contains(trenner) || feld.contains(u'"') || feld.contains(u'\n') || feld.contains(u'\r');
    if (!quoten) {
        text += feld;
        return;
    }
    text += u'"';
    text += QString(feld).replace(u'"', QStringLiteral("\"\""));
    text += u'"';
}

template <typename Feld>
void haengeZeileAn(QString& text, int spalten, const Feld& feld, QStringView trenner, QStringView zeilenende)
{
    for (int spalte = 0; spalte < spalten; ++spalte) {
        if (spalte > 0)
            text += trenner;
        haengeFeldAn(text, feld(spalte), trenner);
    }
    text += zeilenende;
}

// Rows depth-first, those that wollen() takes, at most höchstens.
template <typename Wahl>
void sammle(const QAbstractItemModel& modell, const QModelIndex& eltern, const Wahl& wollen, int hoechstens,
            std::vector<QModelIndex>& zeilen)
{
    for (int z = 0; z < modell.rowCount(eltern) && int(zeilen.size()) < hoechstens; ++z) {
        const QModelIndex index = modell.index(z, 0, eltern);
        if (wollen(index))
            zeilen.push_back(index);
        sammle(modell, index, wollen, hoechstens, zeilen);
    }
}

} // namespace

QString tabellenText(const QAbstractItemModel& modell, const std::vector<QModelIndex>& zeilen, QStringView trenner,
                     QStringView zeilenende)
{
    const int spalten = modell.columnCount();
    QString text;
    haengeZeileAn(
        text, spalten, [&](int s) { return modell.headerData(s, Qt::Horizontal).toString(); }, trenner, zeilenende);
    for (const QModelIndex& zeile : zeilen)
        haengeZeileAn(
            text, spalten, [&](int s) { return zeile.siblingAtColumn(s).data().toString(); }, trenner, zeilenende);
    return text;
}

QString tabellenText(const QAbstractItemModel& modell, const std::vector<int>& zeilen, QStringView trenner,
                     QStringView zeilenende)
{
    const int spalten = modell.columnCount();
    QString text;
    haengeZeileAn(
        text, spalten, [&](int s) { return modell.headerData(s, Qt::Horizontal).toString(); }, trenner, zeilenende);
    for (const int zeile : zeilen)
        if (zeile >= 0 && zeile < modell.rowCount())
            haengeZeileAn(
                text, spalten, [&](int s) { return modell.index(zeile, s).data().toString(); }, trenner, zeilenende);
    return text;
}

std::vector<int> ersteZeilen(const QAbstractItemModel& modell, int hoechstens)
{
    std::vector<int> zeilen(static_cast<std::size_t>(std::clamp(modell.rowCount(), 0, hoechstens)));
    std::iota(zeilen.begin(), zeilen.end(), 0);
    return zeilen;
}

void macheZeilenKopierbar(QAbstractItemView* tabelle, int hoechstensZeilen)
{
    const auto kopiere = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    auto* kopieren = new QAction(QStringLiteral("Kopieren"), tabelle);
    // The view's own Ctrl+C copies the current cell alone; the action's
    // shortcut comes first.
    kopieren->setShortcut(QKeySequence::Copy);
    kopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(kopieren, &QAction::triggered, tabelle, [tabelle, kopiere] {
        QSet<QModelIndex> gewaehlt;
        for (const QModelIndex& index : tabelle->selectionModel()->selectedRows())
            gewaehlt.insert(index);
        // In the table's order, however the rows were picked.
        std::vector<QModelIndex> zeilen;
        sammle(
            *tabelle->model(), {}, [&](const QModelIndex& i) { return gewaehlt.contains(i); }, INT_MAX, zeilen);
        kopiere(tabellenText(*tabelle->model(), zeilen, u"\t", u"\n"));
    });
    auto* alles = new QAction(QStringLiteral("Alles kopieren"), tabelle);
    QObject::connect(alles, &QAction::triggered, tabelle, [tabelle, kopiere, hoechstensZeilen] {
        std::vector<QModelIndex> zeilen;
        sammle(
            *tabelle->model(), {}, [](const QModelIndex&) { return true; }, hoechstensZeilen, zeilen);
        kopiere(tabellenText(*tabelle->model(), zeilen, u"\t", u"\n"));
    });
    const auto folgeAuswahl = [tabelle, kopieren] { kopieren->setEnabled(tabelle->selectionModel()->hasSelection()); };
    QObject::connect(tabelle->selectionModel(), &QItemSelectionModel::selectionChanged, kopieren, folgeAuswahl);
    // A model reset clears the selection without a selectionChanged.
    QObject::connect(tabelle->model(), &QAbstractItemModel::modelReset, kopieren, folgeAuswahl);
    folgeAuswahl();
    tabelle->addActions({kopieren, alles});
    tabelle->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace netzplaner
