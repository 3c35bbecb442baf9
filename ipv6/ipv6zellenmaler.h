// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace netzplaner {

// Paints the subnet table's cells as the style would, for less: a keystroke
// rewrites every cell in view, and the style asks the model for ten roles per
// cell and lays its text out three times (for its size, its eliding and its
// drawing). A plain cell here asks for its text and alignment, measures the
// text once and draws it once, where the style would put it and in its colour.
// Selected and current cells, a few at any time, are left to the style with
// its highlight and focus frame. The table's model gives no fonts, colours,
// icons or check boxes, which this painter would leave out.
class Ipv6Zellenmaler : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace netzplaner
