#pragma once

#include <QString>

class QLabel;

namespace netzplaner {

// A caption is read together with the value it stands above, in one stop
// ("Netzmaske 255.255.255.0"), so that a listener need not step through the
// value's parts. Without a meaning of its own the caption's text is read.
void bezeichneUeberschrift(QLabel* label, const QString& bedeutung = {});

// The window hands the caption each value it shows. The caption's own text
// never changes, so Qt would never tell a listener that what it reads did:
// this does, whenever the value differs from the last.
void zeigeUeberschriftWert(QLabel* label, const QString& wert);

} // namespace netzplaner
