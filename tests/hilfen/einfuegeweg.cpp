// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/einfuegeweg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

namespace {

// The menu's "Einfügen": named "edit-paste" by later Qt versions and by the
// program's own fields, else known by Qt's translated caption.
QAction* einfuegeEintrag(const QMenu& menue)
{
    const QString text = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* eintrag : menue.actions())
        if (eintrag->objectName() == QLatin1String("edit-paste") || eintrag->text().section(u'\t', 0, 0) == text)
            return eintrag;
    return nullptr;
}

// Right-click, then the paste entry of the menu that opens; a menu without
// one, or with it disabled (an empty clipboard), is left by Escape.
void perKontextmenue(QLineEdit* feld, QPoint wo)
{
    QWidget* fenster = feld->window();
    QTest::mouseClick(fenster->windowHandle(), Qt::RightButton, {}, feld->mapTo(fenster, wo));
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menue)
        return;
    QAction* eintrag = einfuegeEintrag(*menue);
    if (eintrag && eintrag->isEnabled())
        QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(eintrag).center());
    if (QApplication::activePopupWidget() == menue)
        QTest::keyClick(menue, Qt::Key_Escape);
    // A window system hands the focus back to the window when the menu has
    // closed; offscreen leaves it with no window.
    QCoreApplication::processEvents();
    if (!QGuiApplication::focusWindow()) {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
    }
}

} // namespace

QString wegName(Einfuegeweg weg)
{
    switch (weg) {
    case Einfuegeweg::StrgV:
        return QStringLiteral("Ctrl+V");
    case Einfuegeweg::UmschaltEinfg:
        return QStringLiteral("Shift+Insert");
    case Einfuegeweg::Kontextmenue:
        return QStringLiteral("context menu");
    case Einfuegeweg::Mittelklick:
        return QStringLiteral("middle click");
    case Einfuegeweg::Ablegen:
        return QStringLiteral("drag and drop");
    }
    return QString();
}

bool fuegeEin(QLineEdit* feld, const QString& text, Einfuegeweg weg, QPoint wo)
{
    QClipboard* ablage = QGuiApplication::clipboard();
    if (feld && wo.x() < 0)
        wo = feld->rect().center();
    switch (weg) {
    case Einfuegeweg::StrgV:
        ablage->setText(text);
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_V, Qt::ControlModifier);
        return true;
    case Einfuegeweg::UmschaltEinfg:
        ablage->setText(text);
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Insert, Qt::ShiftModifier);
        return true;
    case Einfuegeweg::Kontextmenue:
        ablage->setText(text);
        perKontextmenue(feld, wo);
        return true;
    case Einfuegeweg::Mittelklick:
        if (!ablage->supportsSelection())
            return false;
        ablage->setText(text, QClipboard::Selection);
        QTest::mouseClick(feld->window()->windowHandle(), Qt::MiddleButton, {}, feld->mapTo(feld->window(), wo));
        return true;
    case Einfuegeweg::Ablegen:
        legeAb(feld, text, wo);
        return true;
    }
    return false;
}

bool legeAb(QLineEdit* feld, const QString& text, QPoint wo)
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != feld->window())
        return false;
    QMimeData daten;
    daten.setText(text);
    const Qt::DropActions wie = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent hinein(wo, wie, &daten, Qt::LeftButton, Qt::ShiftModifier); // Shift: move
    QApplication::sendEvent(feld, &hinein);
    if (!hinein.isAccepted())
        return false;
    QDragMoveEvent ueber(wo, wie, &daten, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(feld, &ueber);
    QDropEvent ab(wo, wie, &daten, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(feld, &ab);
    return ab.isAccepted() && ab.dropAction() == Qt::MoveAction;
}

void zieheHinueber(QWidget* quelle, QPoint auswahl, QWidget* ziel, QPoint wo)
{
    QWindow* von = quelle->window()->windowHandle();
    QWindow* nach = ziel->window()->windowHandle();
    const QPoint start = quelle->mapTo(quelle->window(), auswahl);
    const QPoint ende = ziel->mapTo(ziel->window(), wo);
    QTest::mousePress(von, Qt::LeftButton, {}, start);
    // The drag runs a loop of its own until the button is let go: the way
    // over the field and the release come from inside it.
    QTimer::singleShot(0, nach, [nach, ende] {
        QTest::mouseMove(nach, ende);
        QTest::mouseMove(nach, ende + QPoint(1, 0));
        QTest::mouseRelease(nach, Qt::LeftButton, {}, ende + QPoint(1, 0));
    });
    QTest::mouseMove(von, start + QPoint(QApplication::startDragDistance() + 2, 0));
}
