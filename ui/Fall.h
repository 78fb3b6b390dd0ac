#pragma once

#include "core/Zahl16.h"

#include <QObject>
#include <QTimer>

namespace steinfall {

class Brettbild;

// The falling animation of one stone, driven by the timer timFall: a frame
// every 40 ms, 450 twips lower each time, the last frame exactly in the
// target cell. Faellt() is true from FallStarten until one tick after that
// last frame, or until FallAnhalten.
class Fall : public QObject {
    Q_OBJECT
public:
    explicit Fall(Brettbild& brettbild);

    void FallStarten(int ziel, int spieler);
    void FallAnhalten();
    bool Faellt() const { return faellt_; }

    // One tick of timFall; public so that tests can step the fall.
    void timFall_Timer();
    // The timer itself, for tests of its pace.
    const QTimer& timFall() const { return timFall_; }

signals:
    // A frame has been painted into the board picture.
    void Gemalt();

private:
    Brettbild& brettbild_;
    QTimer timFall_;
    int spieler_ = 1;
    double aktuellX_ = 0;
    double aktuellY_ = 0;
    // Where the last frame was painted; both 0: nothing to restore.
    double vorherX_ = 0;
    double vorherY_ = 0;
    Zahl16 zielY_ = 0;
    bool faellt_ = false;
};

} // namespace steinfall
