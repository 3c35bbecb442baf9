#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "tests/hilfen/modalwaechter.h"
#include "toolkit/erscheinung.h"
#include "ui/form1.h"

// Shared by the main window suites: a fresh, shown and active window per test,
// controls found by their objectNames as a user-facing tool would find them.
class Form1Test : public QObject {
protected:
    std::unique_ptr<netzplaner::Form1> form;
    std::unique_ptr<ModalWaechter> waechter;

    void richteEin()
    {
        netzplaner::richteErscheinungEin(*qApp);
    }

    void oeffne()
    {
        waechter = std::make_unique<ModalWaechter>();
        form = std::make_unique<netzplaner::Form1>();
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void schliesse()
    {
        form.reset();
        const QStringList unerwartet = waechter->unerwartete();
        waechter.reset();
        QVERIFY2(unerwartet.isEmpty(), qPrintable(QStringLiteral("unexpected dialogs: ") + unerwartet.join(", ")));
    }

    template <typename T = QWidget>
    T* finde(const QString& name) const
    {
        T* w = form->findChild<T*>(name);
        if (!w)
            qFatal("no control named %s", qPrintable(name));
        return w;
    }

    QLineEdit* ip(int i) const { return finde<QLineEdit>(QStringLiteral("txtip(%1)").arg(i)); }
    QLineEdit* bits() const { return finde<QLineEdit>(QStringLiteral("txtbits")); }
    QRadioButton* netzart(int i) const { return finde<QRadioButton>(QStringLiteral("Option1(%1)").arg(i)); }
    QRadioButton* anteil(int i) const { return finde<QRadioButton>(QStringLiteral("Option2(%1)").arg(i)); }
    QString text(const QString& label) const { return finde<QLabel>(label)->text(); }

    // The four labels of a row, joined: zeile("lblsubnet") gives "255.255.255.0".
    QString zeile(const QString& array, const QString& trenner = QStringLiteral(".")) const
    {
        QStringList teile;
        for (int i = 0; i < 4; ++i)
            teile << text(QStringLiteral("%1(%2)").arg(array).arg(i));
        return teile.join(trenner);
    }

    QString adresse() const
    {
        return QStringList{ip(0)->text(), ip(1)->text(), ip(2)->text(), ip(3)->text()}.join(QLatin1Char('.'));
    }

    // Selects the whole field and types over it, one key at a time.
    void tippeIn(QLineEdit* feld, const QString& tasten)
    {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, tasten);
    }
};
