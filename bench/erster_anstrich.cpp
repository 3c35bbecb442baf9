// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into both start-up subjects, the empty window and the program: once
// the first top-level window has been painted, it says so on stdout and ends
// the process. The launcher's clock runs from spawning to that line.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class ErsterAnstrich : public QObject {
protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        auto* widget = qobject_cast<QWidget*>(objekt);
        if (ereignis->type() == QEvent::Paint && widget && widget->isWindow() && !gemeldet_) {
            gemeldet_ = true;
            // The paint event of the window opens the painting of all its
            // children; a zero timer fires once they are painted and flushed.
            QTimer::singleShot(0, [] {
                std::fputs("gezeichnet\n", stdout);
                std::fflush(stdout);
                std::_Exit(0); // the teardown is no part of start-up
            });
        }
        return false;
    }

private:
    bool gemeldet_ = false;
};

void beobachte()
{
    QCoreApplication::instance()->installEventFilter(new ErsterAnstrich);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(beobachte)
