#include "ui/schriften.h"

namespace netzplaner {
namespace {

QFont schrift(const QString& familie, qreal punkte, bool fett)
{
    QFont f(familie);
    f.setPointSizeF(punkte);
    f.setBold(fett);
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
