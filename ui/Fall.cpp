#include "ui/Fall.h"

#include "ui/Brettbild.h"

#include <cmath>

namespace steinfall {

namespace {

constexpr int Intervall = 40;     // milliseconds per frame
constexpr double Schritt = 450.0; // twips per frame

} // namespace

Fall::Fall(Brettbild& brettbild) : brettbild_(brettbild) {
    timFall_.setInterval(Intervall);
    timFall_.setTimerType(Qt::PreciseTimer);
    connect(&timFall_, &QTimer::timeout, this, &Fall::timFall_Timer);
}

void Fall::FallStarten(int ziel, int spieler) {
    spieler_ = spieler;
    aktuellX_ = brettbild_.SteinX(ziel, spieler);
    aktuellY_ = 0;
    zielY_ = static_cast<int>(std::nearbyint(brettbild_.SteinY(ziel, spieler)));
    faellt_ = true;
    vorherX_ = 0;
    vorherY_ = 0;
    timFall_.start();
}

void Fall::FallAnhalten() {
    timFall_.stop();
    faellt_ = false;
}

void Fall::timFall_Timer() {
    if (vorherX_ != 0 || vorherY_ != 0) {
        brettbild_.HintergrundZurueck(vorherX_, vorherY_);
        vorherX_ = 0;
        vorherY_ = 0;
    }
    brettbild_.HintergrundSichern(aktuellX_, aktuellY_);
    vorherX_ = aktuellX_;
    vorherY_ = aktuellY_;
    brettbild_.FallbildMalen(aktuellX_, aktuellY_, spieler_);
    emit Gemalt();

    aktuellY_ += Schritt;
    if (aktuellY_ >= zielY_) {
        if (timFall_.isActive()) {
            // The last frame sits exactly in the target cell; the extra
            // tick that paints it is also the one that ends the fall.
            aktuellY_ = zielY_;
            timFall_.stop();
            timFall_Timer();
        } else {
            faellt_ = false;
        }
    }
}

} // namespace steinfall
