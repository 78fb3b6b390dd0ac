#pragma once

#include <QObject>

#include <functional>

namespace steinfall {

// Waits for the first paint of the window: then runs what can wait until the
// player sees the game, and for start-up measurements (with
// STEINFALL_ERSTES_BILD set) writes "erstes Bild <seconds since the epoch>"
// to stderr.
class Startmessung : public QObject {
public:
    Startmessung(QObject& fenster, std::function<void()> danach);

    static void Beobachten(QObject& fenster, std::function<void()> danach = {});

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::function<void()> danach_;
};

} // namespace steinfall
