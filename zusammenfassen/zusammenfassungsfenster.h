// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "toolkit/csvdatei.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace netzplaner {

class Zusammenfassungsmodell;

// Summarise beside the main window: a list of addresses, nets and ranges
// typed or pasted, and at every keystroke the fewest nets that hold exactly
// their addresses, the one net around them all, and what was not understood.
// Closing, by Escape or the frame, only hides it: the list is there again on
// the next opening.
class ZusammenfassungsFenster : public QWidget {
    Q_OBJECT

public:
    explicit ZusammenfassungsFenster(QWidget* hauptfenster);

    // Asks for the CSV file's name; tests put their own in place of the dialog.
    Dateiwahl dateiwahl = frageCsvDatei;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QWidget* baueEingabe();
    QWidget* baueErgebnis();
    void legeGroesseFest();
    void benenneSteuerelemente();
    void fasseZusammen();
    void kopiereNetze();

    QPlainTextEdit* eingabe_ = nullptr;
    Zusammenfassungsmodell* modell_ = nullptr;
    QTableView* ergebnis_ = nullptr;
    QLabel* supernetz_ = nullptr;
    QLabel* meldung_ = nullptr;
    QAction* nurNetze_ = nullptr;
    QAction* alsCsv_ = nullptr;
    QPushButton* netzeKopieren_ = nullptr;
    QPushButton* speichern_ = nullptr;
};

} // namespace netzplaner
