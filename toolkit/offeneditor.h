// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

namespace netzplaner {

// Commits the text of the cell editor open in ansicht, as Enter would, and
// closes the editor: every action on a document calls it first, so that
// Ctrl+S saves what the user sees in the cell. False when the model refused
// the text: the editor stays open with it, and the action must not run.
// True when no editor was open.
bool uebernimmOffenenEditor(QAbstractItemView* ansicht);

} // namespace netzplaner
