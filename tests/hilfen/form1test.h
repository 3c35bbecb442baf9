// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "tests/hilfen/finde.h"
#include "tests/hilfen/modalwaechter.h"
#include "ui/form1.h"

// Shared by the main window suites: a fresh, shown and active window per test,
// controls found by their objectNames as a user-facing tool would find them.
class Form1Test : public QObject {
protected:
    std::unique_ptr<netzplaner::Form1> form;
    std::unique_ptr<ModalWaechter> waechter;

    void richteEin();
    void oeffne();
    void schliesse();

    template <typename T = QWidget>
    T* finde(const QString& name) const
    {
        return ::finde<T>(form.get(), name);
    }

    QLineEdit* ip(int i) const;
    QLineEdit* bits() const;
    QRadioButton* netzart(int i) const;
    QRadioButton* anteil(int i) const;
    QString text(const QString& label) const;

    // The four labels of a row, joined: zeile("lblsubnet") gives "255.255.255.0".
    QString zeile(const char* reihe, const QString& trenner = QStringLiteral(".")) const;

    // The four octet fields, joined by dots.
    QString adresse() const;

    // Selects the whole field and types over it, one key at a time.
    void tippeIn(QLineEdit* feld, const QString& tasten);
};
