// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/offeneditor.h"

#include <QAbstractItemView>
#include <QMetaProperty>

namespace netzplaner {

bool uebernimmOffenenEditor(QAbstractItemView* ansicht)
{
    if (!ansicht || !ansicht->model())
        return true;
    // An editor is opened on the current cell, and indexWidget gives it.
    const QModelIndex index = ansicht->currentIndex();
    QWidget* editor = ansicht->indexWidget(index);
    if (!editor)
        return true;
    // What the delegate's setModelData does, but with the model's answer:
    // the delegate's own commit drops a refusal without a word.
    const QByteArray eigenschaft = editor->metaObject()->userProperty().name();
    if (!ansicht->model()->setData(index, editor->property(eigenschaft.constData()), Qt::EditRole)) {
        editor->setFocus();
        return false;
    }
    emit ansicht->itemDelegateForIndex(index)->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

} // namespace netzplaner
