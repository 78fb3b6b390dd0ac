#include "app/Startmessung.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace steinfall {

Startmessung::Startmessung(QObject& fenster, std::function<void()> danach)
    : QObject(&fenster), danach_(std::move(danach)) {}

void Startmessung::Beobachten(QObject& fenster, std::function<void()> danach) {
    // The first paint of any of its controls: where the game area covers the
    // whole screen, the window itself is never painted.
    QCoreApplication::instance()->installEventFilter(new Startmessung(fenster, std::move(danach)));
}

bool Startmessung::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto* control = qobject_cast<QWidget*>(objekt);
    if (ereignis->type() == QEvent::Paint && control && control->window() == parent()) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Once the whole window has been painted and flushed.
        QTimer::singleShot(0, this, [this] {
            if (qEnvironmentVariableIsSet("STEINFALL_ERSTES_BILD")) {
                const std::chrono::duration<double> jetzt =
                    std::chrono::system_clock::now().time_since_epoch();
                std::fprintf(stderr, "erstes Bild %.6f\n", jetzt.count());
                std::fflush(stderr);
            }
            if (danach_) {
                danach_();
            }
        });
    }
    return false;
}

} // namespace steinfall
