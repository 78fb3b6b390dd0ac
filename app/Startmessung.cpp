#include "app/Startmessung.h"

#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace steinfall {

void Startmessung::Beobachten(QObject& fenster) {
    if (qEnvironmentVariableIsSet("STEINFALL_ERSTES_BILD")) {
        fenster.installEventFilter(new Startmessung(&fenster));
    }
}

bool Startmessung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Paint) {
        objekt->removeEventFilter(this);
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
