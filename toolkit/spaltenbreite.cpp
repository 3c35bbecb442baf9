// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/spaltenbreite.h"

#include <QStyle>
#include <QTableView>
#include <cmath>

namespace netzplaner {

int spaltenbreite(const QTableView* tabelle, const QString& muster)
{
    // Fractional: the tightened letter spacing gives fractional advances, which
    // the view rounds up.
    const QFontMetricsF masse(tabelle->font());
    QChar breiteste = u'0';
    for (char16_t z = u'1'; z <= u'9'; ++z)
        if (masse.horizontalAdvance(QChar(z)) > masse.horizontalAdvance(breiteste))
            breiteste = QChar(z);
    const QString text = QString(muster).replace(QLatin1Char('0'), breiteste);
    // The item view's text margins, and the grid line on the right of a cell.
    const int rand = 2 * (tabelle->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabelle) + 1) + 1;
    return int(std::ceil(masse.horizontalAdvance(text))) + rand;
}

} // namespace netzplaner
