#include "toolkit/ueberschrift.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "toolkit/schnittstelle.h"

namespace netzplaner {
namespace {

const char* const bedeutungsEigenschaft = "netzplaner_ueberschrift";
const char* const wertEigenschaft = "netzplaner_ueberschrift_wert";

class Ueberschrift : public QAccessibleWidget {
public:
    explicit Ueberschrift(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text art) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        QString bedeutung = label->property(bedeutungsEigenschaft).toString();
        if (bedeutung.isEmpty())
            bedeutung = label->text();
        const QString wert = label->property(wertEigenschaft).toString();
        switch (art) {
        case QAccessible::Name:
            return wert.isEmpty() ? bedeutung : bedeutung + QLatin1Char(' ') + wert;
        case QAccessible::Value:
            return wert;
        default:
            return QAccessibleWidget::text(art);
        }
    }
};

QAccessibleInterface* ueberschriftFabrik(const QString&, QObject* objekt)
{
    auto* label = qobject_cast<QLabel*>(objekt);
    if (label && label->property(bedeutungsEigenschaft).isValid())
        return new Ueberschrift(label);
    return nullptr;
}

} // namespace

void bezeichneUeberschrift(QLabel* label, const QString& bedeutung)
{
    label->setProperty(bedeutungsEigenschaft, bedeutung);
    uebernimmSchnittstelle<Ueberschrift>(label, ueberschriftFabrik);
}

void zeigeUeberschriftWert(QLabel* label, const QString& wert)
{
    if (label->property(wertEigenschaft).toString() == wert)
        return;
    label->setProperty(wertEigenschaft, wert);
    QAccessibleEvent ereignis(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

} // namespace netzplaner
