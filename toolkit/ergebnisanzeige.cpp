// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ergebnisanzeige.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "toolkit/schnittstelle.h"

namespace netzplaner {
namespace {

const char* const bedeutungsEigenschaft = "netzplaner_bedeutung";

class Ergebnisanzeige : public QAccessibleWidget {
public:
    explicit Ergebnisanzeige(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text art) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        // Multi-line results (the counts) are one sentence to a listener.
        const QString wert = label->text().simplified();
        const QString bedeutung = label->property(bedeutungsEigenschaft).toString();
        switch (art) {
        case QAccessible::Name:
            return wert.isEmpty() ? bedeutung : bedeutung + QStringLiteral(": ") + wert;
        case QAccessible::Value:
            return wert;
        case QAccessible::Description:
            return bedeutung;
        default:
            return QAccessibleWidget::text(art);
        }
    }
};

QAccessibleInterface* ergebnisFabrik(const QString&, QObject* objekt)
{
    auto* label = qobject_cast<QLabel*>(objekt);
    if (label && label->property(bedeutungsEigenschaft).isValid())
        return new Ergebnisanzeige(label);
    return nullptr;
}

} // namespace

void bezeichneErgebnis(QLabel* label, const QString& bedeutung)
{
    // Kept out of accessibleName on purpose: QLabel announces a new text to
    // screen readers only while that is empty.
    label->setProperty(bedeutungsEigenschaft, bedeutung);
    uebernimmSchnittstelle<Ergebnisanzeige>(label, ergebnisFabrik);
}

} // namespace netzplaner
