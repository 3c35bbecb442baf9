// SPDX-License-Identifier: GPL-3.0-or-later
// The info message, the links to the maker's web site and the hover colour
// of the copyright label.
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QUrl>

#include "converter/wandeln.h"
#include "ui/form1.h"

namespace netzplaner {

const QString Form1::herstellerAdresse = QStringLiteral("http://www.quendelwerk.example/");
const QString Form1::zweiteAdresse = QStringLiteral("http://netzplaner.quendelwerk.example/");
const QString Form1::infoText = QStringLiteral("Dieses Programm stammt aus Quendelwerk\r\n\r\n") + herstellerAdresse
                                + QStringLiteral("\r\n") + zweiteAdresse;

void Form1::info_Click()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Info"), infoText, QMessageBox::Ok, this);
    box.exec();
}

void Form1::oeffneHerstellerseite()
{
    // Nothing is reported if no browser can take it.
    QDesktopServices::openUrl(QUrl(herstellerAdresse));
}

void Form1::faerbeCopyright(const QColor& farbe)
{
    QPalette farben = label11_->palette();
    farben.setColor(QPalette::WindowText, farbe);
    label11_->setPalette(farben);
}

bool Form1::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const auto typ = ereignis->type();
    if (typ == QEvent::MouseButtonRelease) {
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        auto* widget = qobject_cast<QWidget*>(objekt);
        const bool klick = maus->button() == Qt::LeftButton && widget
                           && widget->rect().contains(maus->position().toPoint());
        if (klick && (objekt == label11_ || objekt == image1_[0] || objekt == image1_[1]))
            oeffneHerstellerseite();
    } else if (typ == QEvent::MouseMove) {
        if (objekt == label11_) {
            faerbeCopyright(Qt::red);
        } else if (objekt == flaeche_) {
            // Moves over other controls bubble up to the client area; only the
            // bare surface counts as the window's own.
            const auto* maus = static_cast<QMouseEvent*>(ereignis);
            if (!flaeche_->childAt(maus->position().toPoint()))
                faerbeCopyright(Qt::black);
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void Form1::change_Click()
{
    // Modal: returns when the converter has been closed.
    zeigeWandeln(this);
}

} // namespace netzplaner
