// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ueberschrift.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "toolkit/schnittstelle.h"

namespace netzplaner {
namespace {

const char* const ueberschriftEigenschaft = "netzplaner_ueberschrift";

// What the caption reads, kept with the label and gone with it.
class Ueberschriftdaten : public QObject {
public:
    Ueberschriftdaten(QLabel* label, std::function<QString()> wert, const QString& bedeutung)
        : QObject(label)
        , wert(std::move(wert))
        , bedeutung(bedeutung)
    {
    }

    std::function<QString()> wert;
    QString bedeutung;
    QString zuletzt; // the value a listener was last told of
};

Ueberschriftdaten* datenVon(const QLabel* label)
{
    return static_cast<Ueberschriftdaten*>(label->property(ueberschriftEigenschaft).value<QObject*>());
}

class Ueberschrift : public QAccessibleWidget {
public:
    explicit Ueberschrift(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text art) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        const Ueberschriftdaten* daten = datenVon(label);
        const QString bedeutung = daten->bedeutung.isEmpty() ? label->text() : daten->bedeutung;
        const QString wert = daten->wert();
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
    if (label && datenVon(label))
        return new Ueberschrift(label);
    return nullptr;
}

} // namespace

void bezeichneUeberschrift(QLabel* label, std::function<QString()> wert, const QString& bedeutung)
{
    auto* daten = new Ueberschriftdaten(label, std::move(wert), bedeutung);
    daten->zuletzt = daten->wert();
    label->setProperty(ueberschriftEigenschaft, QVariant::fromValue<QObject*>(daten));
    uebernimmSchnittstelle<Ueberschrift>(label, ueberschriftFabrik);
}

void meldeUeberschrift(QLabel* label)
{
    if (!QAccessible::isActive())
        return;
    Ueberschriftdaten* daten = datenVon(label);
    if (!daten)
        return; // not named yet
    const QString wert = daten->wert();
    if (wert == daten->zuletzt)
        return;
    daten->zuletzt = wert;
    QAccessibleEvent ereignis(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

} // namespace netzplaner
