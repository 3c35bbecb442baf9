// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/schriften.h"

namespace netzplaner {
namespace {

QFont schrift(const QString& familie, qreal punkte, bool fett)
{
    QFont f(familie);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    // At the small sizes the hinted widths the layout was drawn with ran
    // narrower than Liberation Sans does here (113 px against 116 px for the
    // widest counts text); a slightly tighter tracking gives the same fit.
    if (punkte <= 9)
        f.setLetterSpacing(QFont::PercentageSpacing, 96);
    return f;
}

} // namespace

QFont fensterSchrift(qreal punkte, bool fett)
{
    return schrift(QStringLiteral("MS Sans Serif"), punkte, fett);
}

QFont arial(qreal punkte, bool fett)
{
    return schrift(QStringLiteral("Arial"), punkte, fett);
}

} // namespace netzplaner
