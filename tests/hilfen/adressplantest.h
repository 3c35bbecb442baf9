// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QTreeView>
#include <QTemporaryDir>

#include "adressplan/adressplanfenster.h"
#include "tests/hilfen/form1test.h"

// Shared by the address plan's window suites: the main window's fixture, the
// plan it opens with its file dialogs answered by datei, and the keys a user
// types into it.
class AdressplanTest : public Form1Test {
protected:
    netzplaner::AdressplanFenster* plan()
    {
        form->findChild<QAction*>(QStringLiteral("plan"))->trigger();
        auto* fenster = form->findChild<netzplaner::AdressplanFenster*>(QStringLiteral("adressplan"));
        fenster->dateiwahl = [this](QWidget*, netzplaner::Dateiart, const QString&) { return datei; };
        QApplication::setActiveWindow(fenster);
        if (!QTest::qWaitForWindowActive(fenster))
            qWarning("the address plan did not become active");
        return fenster;
    }
    template <typename T = QWidget>
    T* im(const char* name) { return ::finde<T>(plan(), QLatin1String(name)); }
    QString netz() { return im<QLineEdit>("txtnetz")->text(); }
    // The plan's rows depth-first, cells joined by "|", rows by "\n".
    QString zeilen()
    {
        QStringList z;
        sammle(*im<QTreeView>("plan")->model(), {}, z);
        return z.join(u'\n');
    }
    static void sammle(const QAbstractItemModel& m, const QModelIndex& eltern, QStringList& z)
    {
        for (int r = 0; r < m.rowCount(eltern); ++r) {
            QStringList c;
            for (int s = 0; s < m.columnCount(); ++s)
                c << m.index(r, s, eltern).data().toString();
            z << c.join(u'|');
            sammle(m, m.index(r, 0, eltern), z);
        }
    }
    // A new row after the current one, its name and hosts typed in.
    void neueZeile(const QString& name, const QString& hosts)
    {
        QTest::keyClick(im("bedarf"), Qt::Key_Insert);
        tippe(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to Hosts, which is edited then
        tippe(hosts);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits on Enter a moment later
    }
    // Umlauts too, which QTest::keyClicks takes for ASCII only.
    static void tippe(const QString& text)
    {
        for (const QChar z : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(z), {});
    }
    void taste(QKeyCombination t) { QTest::keyClick(plan()->windowHandle(), t.key(), t.keyboardModifiers()); }

    QTemporaryDir ordner;
    QString datei;
};
