#include "app/Startmessung.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace steinfall {

void Startmessung::Beobachten(QObject& fenster) {
    if (qEnvironmentVariableIsSet("STEINFALL_ERSTES_BILD")) {
        // The first paint of any of its controls: where the game area covers
        // the whole screen, the window itself is never painted.
        QCoreApplication::instance()->installEventFilter(new Startmessung(&fenster));
    }
}

bool Startmessung::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto* control = qobject_cast<QWidget*>(objekt);
    if (ereignis->type() == QEvent::Paint && control && control->window() == parent()) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Stamped once the whole window has been painted and flushed.
        QTimer::singleShot(0, this, [] {
            const std::chrono::duration<double> jetzt =
                std::chrono::system_clock::now().time_since_epoch();
            std::fprintf(stderr, "erstes Bild %.6f\n", jetzt.count());
            std::fflush(stderr);
        });
    }
    return false;
}

} // namespace steinfall
