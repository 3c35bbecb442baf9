#include "tests/zufall/netzlistenansicht.h"

#include <QLabel>
#include <QTableView>

#include "tests/hilfen/finde.h"
#include "tests/zufall/orakel.h"
#include "tests/zufall/pruefung.h"

namespace zufall {

Netzlistenansicht::Netzlistenansicht(QWidget* liste)
{
    const char* namen[] = {"lblcidr", "lblmaske", "lblwildcard", "lblhostbereich", "lblhosts", "lbladresstyp"};
    for (std::size_t i = 0; i < kopf.size(); ++i)
        kopf[i] = finde<QLabel>(liste, QLatin1String(namen[i]));
    tabelle = finde<QTableView>(liste, QStringLiteral("tabelle"));
}

QStringList Netzlistenansicht::pruefe(const Eingabe& eingabe, bool aktuelleZeile) const
{
    const Netzlistenerwartung soll = erwarteNetzliste(eingabe);
    QStringList fehler;
    for (std::size_t i = 0; i < kopf.size(); ++i)
        vergleiche(fehler, kopf[i], kopf[i]->text(), soll.kopf[i]);
    const QAbstractItemModel* modell = tabelle->model();
    if (modell->rowCount() != int(soll.zeilen.size()))
        return fehler << QStringLiteral("tabelle has %1 rows, expected %2")
                             .arg(modell->rowCount()).arg(soll.zeilen.size());
    for (int zeile = 0; zeile < modell->rowCount() && fehler.size() < 5; ++zeile)
        for (int spalte = 0; spalte < 6; ++spalte) {
            const QString ist = modell->index(zeile, spalte).data().toString();
            const QString erwartet = QString::fromStdString(soll.zeilen[std::size_t(zeile)][std::size_t(spalte)]);
            if (ist != erwartet)
                fehler << QStringLiteral("tabelle row %1 column %2 shows \"%3\", expected \"%4\"")
                              .arg(zeile).arg(spalte).arg(lesbar(ist), lesbar(erwartet));
        }
    if (!aktuelleZeile)
        return fehler;
    const QModelIndex aktuell = tabelle->currentIndex();
    if (aktuell.row() != soll.aktuell)
        fehler << QStringLiteral("the current row is %1, expected %2").arg(aktuell.row()).arg(soll.aktuell);
    else if (!tabelle->selectionModel()->isRowSelected(aktuell.row()))
        fehler << QStringLiteral("the current row %1 is not marked").arg(aktuell.row());
    else if (!tabelle->viewport()->rect().contains(tabelle->visualRect(aktuell.siblingAtColumn(0))))
        fehler << QStringLiteral("the current row %1 is out of view").arg(aktuell.row());
    return fehler;
}

} // namespace zufall
