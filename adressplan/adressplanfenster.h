// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include "adressplan/dateidialog.h"
#include "adressplan/plandatei.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTreeView;
class QUndoStack;

namespace netzplaner {

class Bedarfsmodell;
class Bedarfstabelle;
class Planmodell;

// "Zeile 1 wurde als Kopfzeile gelesen, …", after an import or a paste.
QString kopfzeilenHinweis(std::size_t zeile);

// The address plan: a net, the named host requirements it is divided among,
// and the plan that divides it, made anew at every change. The plan is a
// document: it is saved to and opened from *.adressplan files, every change is
// one undoable step, and unsaved changes are never dropped without asking.
class AdressplanFenster : public QMainWindow {
    Q_OBJECT

public:
    // netz: the text txtnetz starts with, the main window's net.
    AdressplanFenster(const QString& netz, QWidget* hauptfenster);
    ~AdressplanFenster() override;

    // Opens a plan file in place of the plan shown; whoever calls it has asked
    // about unsaved changes (darfVerwerfen). A refused file leaves the window
    // as it was and says why.
    bool oeffne(const QString& pfad);
    // True when nothing unsaved would be lost: no changes since the last save,
    // or the user saved them or let them go when asked. False: keep running.
    bool darfVerwerfen();

    Plandokument dokument() const;

    // Asks for the files to open and save; tests put their own in place of
    // the dialogs.
    Dateidialog dateiwahl;

signals:
    // A planned net to show in the main window, as "a.b.c.d/q".
    void zeigeNetz(const QString& cidr);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Layout and actions (adressplanfenster.cpp).
    void baueFlaeche();
    void baueMenue();
    void benenneSteuerelemente();
    void legeSpaltenFest();

    // Changes (adressplanfenster_bearbeiten.cpp).
    void setzeNetz(const QString& text);
    void setzeRfc3021(bool an);
    void setzeUmgebung(Umgebung umgebung);
    void neuPlanen();
    // lblmeldung: a note on what the user just did (a refused cell, a header
    // line), then the plan's own line, which must stay in sight.
    void melde(const QString& hinweis);
    void zeigeMeldung();
    void zeileHinzufuegen();
    void zeilenEntfernen();
    void verschiebe(int richtung);
    void ruecke(bool ein);
    void fuegeZeilenEin();
    void zeigeGeplantesNetz(const QModelIndex& index);

    // The document (adressplanfenster_datei.cpp).
    // Commits a cell being edited, as every action on the document does
    // first; false when the cell refused its text and the action must wait.
    bool uebernimmEditor();
    bool speichern();
    bool speichernUnter();
    void oeffnenFragen();
    void importieren();
    void exportieren();
    void exportiereFuerNetbox();
    // Asks where, suggesting the plan's name with endung, and writes it whole.
    void schreibeExport(const QString& endung, const QByteArray& inhalt);
    void uebernimm(const Plandokument& dokument, const QString& pfad);
    void schreibeTitel();

    QUndoStack* stapel_ = nullptr;
    Bedarfsmodell* bedarf_ = nullptr;
    Planmodell* plan_ = nullptr;
    QLineEdit* txtnetz_ = nullptr;
    Bedarfstabelle* bedarfTabelle_ = nullptr;
    QCheckBox* rfc3021_ = nullptr;
    QComboBox* umgebung_ = nullptr;
    QTreeView* planTabelle_ = nullptr;
    QLabel* lblmeldung_ = nullptr;
    QGridLayout* knoepfe_ = nullptr;
    QString netzText_; // as the last step left it
    Umgebung umgebungWert_ = Umgebung::klassisch;
    QString planMeldung_;
    QString hinweis_;
    QString datei_; // empty until saved or opened
};

} // namespace netzplaner
