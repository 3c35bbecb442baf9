// SPDX-License-Identifier: GPL-3.0-or-later
#include "ipv6/ipv6zellenmaler.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace netzplaner {
namespace {

// One unwrapped line in the given width: shaped once, and its width tells
// whether it fits.
QTextLine legeAus(QTextLayout& satz, const QTextOption& art, int breite)
{
    satz.setTextOption(art);
    satz.beginLayout();
    QTextLine zeile = satz.createLine();
    zeile.setLineWidth(breite);
    satz.endLayout();
    return zeile;
}

} // namespace

void Ipv6Zellenmaler::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
        QStyledItemDelegate::paint(maler, option, index);
        return;
    }
    const QWidget* widget = option.widget;
    const QStyle* stil = widget ? widget->style() : QApplication::style();
    // Whatever the style lays beneath an unselected cell.
    stil->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, maler, widget);

    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QVariant gewuenscht = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment ausrichtung = QStyle::visualAlignment(
        option.direction, gewuenscht.isValid() ? Qt::Alignment(gewuenscht.toInt()) : option.displayAlignment);

    // The style's text margins; a text too wide for them loses its end (or
    // whichever part the view's elide mode names) to "…".
    const int rand = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect feld = option.rect.adjusted(rand, 0, -rand, 0);
    QTextOption art(ausrichtung);
    art.setWrapMode(QTextOption::ManualWrap);
    art.setTextDirection(option.direction);
    QTextLayout satz(text, option.font);
    satz.setCacheEnabled(true); // or the glyphs would be shaped again to draw them
    QTextLine zeile = legeAus(satz, art, feld.width());
    if (zeile.naturalTextWidth() > feld.width()) {
        satz.setText(option.fontMetrics.elidedText(text, option.textElideMode, feld.width()));
        zeile = legeAus(satz, art, feld.width());
    }
    // The style centres the line's height, rounded up, in whole pixels.
    const QSize hoehe(feld.width(), int(std::ceil(zeile.height())));
    const QPoint oben = QStyle::alignedRect(option.direction, ausrichtung, hoehe, feld).topLeft();

    QPalette::ColorGroup gruppe = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (gruppe == QPalette::Normal && !(option.state & QStyle::State_Active))
        gruppe = QPalette::Inactive;
    const QPen vorher = maler->pen();
    maler->setPen(option.palette.color(gruppe, QPalette::Text));
    zeile.draw(maler, QPointF(feld.x(), oben.y()));
    maler->setPen(vorher);
}

} // namespace netzplaner
