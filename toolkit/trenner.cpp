// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/trenner.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "toolkit/schnittstelle.h"

namespace netzplaner {
namespace {

const char* const trennerEigenschaft = "netzplaner_trenner";

class Trenner : public QAccessibleWidget {
public:
    explicit Trenner(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Separator)
    {
    }

    // Qt 6.4 has no way to keep a widget from screen readers; "invisible" is
    // what the bridge turns into not showing, and screen readers skip that.
    QAccessible::State state() const override
    {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.invisible = true;
        return zustand;
    }
};

QAccessibleInterface* trennerFabrik(const QString&, QObject* objekt)
{
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (widget && widget->property(trennerEigenschaft).toBool())
        return new Trenner(widget);
    return nullptr;
}

} // namespace

void verbirgTrenner(const std::vector<QWidget*>& trenner)
{
    for (QWidget* widget : trenner) {
        widget->setProperty(trennerEigenschaft, true);
        uebernimmSchnittstelle<Trenner>(widget, trennerFabrik);
    }
}

} // namespace netzplaner
