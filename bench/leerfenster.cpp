// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up and memory: an empty Qt Widgets window with a menu
// bar of the same items, and a client area of the program's size, so that
// both paint and keep the same number of pixels.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    QMenu* prog = fenster.menuBar()->addMenu(QStringLiteral("&Programm"));
    prog->addAction(QStringLiteral("&Info"));
    prog->addAction(QStringLiteral("&Ende"));
    fenster.menuBar()->addAction(QStringLiteral("&Wandeln"));
    fenster.menuBar()->addAction(QStringLiteral("&Netzliste"));
    auto* flaeche = new QWidget(&fenster);
    flaeche->setFixedSize(338, 364); // 5070 x 5460 twips at 96 dpi
    fenster.setCentralWidget(flaeche);
    fenster.show();
    return app.exec();
}
