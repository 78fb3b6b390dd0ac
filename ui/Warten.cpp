#include "ui/Warten.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace steinfall {

using namespace std::chrono_literals;
using Uhr = std::chrono::steady_clock;

namespace {

constexpr auto Mindestdauer = std::chrono::duration<double>(0.0111);
constexpr auto KurzeFrist = 10ms;

} // namespace

void Warten() {
    // An absolute deadline on a monotonic clock: no drift over a series of
    // waits, and no surprise at midnight.
    const auto ende = Uhr::now() + std::chrono::duration_cast<Uhr::duration>(Mindestdauer);
    QEventLoop schleife;
    QTimer wecker;
    wecker.setSingleShot(true);
    wecker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);

    for (auto rest = ende - Uhr::now(); rest > Uhr::duration::zero(); rest = ende - Uhr::now()) {
        const auto ganzeMs = std::chrono::duration_cast<std::chrono::milliseconds>(rest);
        if (ganzeMs >= 1ms) {
            wecker.start(ganzeMs);
            schleife.exec();
            wecker.stop();
        } else {
            // Below the timer's resolution: the last fraction is slept.
            QCoreApplication::processEvents();
            std::this_thread::sleep_until(ende);
        }
    }
}

void AufEreignisWarten() {
    QTimer wecker;
    wecker.setSingleShot(true);
    wecker.start(KurzeFrist);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace steinfall
