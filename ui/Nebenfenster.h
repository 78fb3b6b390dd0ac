#pragma once

#include "ui/Gastgeber.h"

#include <QImage>
#include <QWidget>

namespace steinfall {

// The instructions and the about window: windows of their own that the window
// manager keeps above the game (they belong to the main window), shown over
// the game area while the game takes no input. Escape, Return, the close
// button and Alt+F4 leave them as their own back button does.
class Nebenfenster : public QWidget {
    Q_OBJECT
public:
    // Centred over the game area and shown; the game is locked until the window is left.
    void Zeigen();

protected:
    Nebenfenster(Gastgeber& haupt, const QString& titel);

    // The window's own way back: its button, with sound.
    virtual void Verlassen() = 0;

    void keyPressEvent(QKeyEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

    Gastgeber& haupt_;
    QImage bild_; // the window's background, as the window draws it
};

} // namespace steinfall
