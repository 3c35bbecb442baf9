// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QLabel;

namespace netzplaner {

// A caption is read together with the value it stands above, in one stop
// ("Netzmaske 255.255.255.0"), so that a listener need not step through the
// value's parts. Without a meaning of its own the caption's text is read. The
// value is asked for when a screen reader reads the caption, so a window that
// nobody listens to pays nothing for it.
void bezeichneUeberschrift(QLabel* label, std::function<QString()> wert, const QString& bedeutung = {});

// The window calls this whenever the value may have changed. The caption's own
// text never changes, so Qt would never tell a listener that what it reads
// did: this does, while a screen reader listens, when the value differs from
// what it last heard.
void meldeUeberschrift(QLabel* label);

} // namespace netzplaner
