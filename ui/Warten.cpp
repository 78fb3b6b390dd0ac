#include "ui/Warten.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace steinfall {

using namespace std::chrono_literals;

namespace {

constexpr auto Mindestdauer = std::chrono::duration<double>(0.0111);
constexpr auto KurzeFrist = 10ms;

class Systemuhr : public Warteuhr {
public:
    Zeitpunkt Jetzt() override { return std::chrono::steady_clock::now(); }

    void Schlafen(Dauer dauer) override {
        const auto ganzeMs = std::chrono::duration_cast<std::chrono::milliseconds>(dauer);
        if (ganzeMs < 1ms) {
            // Below the timer's resolution: the last fraction is slept.
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(dauer);
            return;
        }
        QEventLoop schleife;
        QTimer wecker;
        wecker.setSingleShot(true);
        wecker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
        wecker.start(ganzeMs);
        schleife.exec();
    }
};

} // namespace

void Warten() {
    Systemuhr uhr;
    Warten(uhr);
}

void Warten(Warteuhr& uhr) {
    // An absolute deadline on a monotonic clock: no drift over a series of
    // waits, and no surprise at midnight.
    const auto ende = uhr.Jetzt() + std::chrono::duration_cast<Warteuhr::Dauer>(Mindestdauer);
    for (auto rest = ende - uhr.Jetzt(); rest > Warteuhr::Dauer::zero();
         rest = ende - uhr.Jetzt()) {
        uhr.Schlafen(rest);
    }
}

void AufEreignisWarten() {
    QTimer wecker;
    wecker.setSingleShot(true);
    wecker.start(KurzeFrist);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace steinfall
