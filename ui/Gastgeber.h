#pragma once

class QWidget;

namespace steinfall {

class Fenster;
struct Bildsatz;
struct Masstab;

// What a side window needs of the main window that opens it: the window to
// belong to, the game area to sit over and lock, the pictures and scales, and
// for its picture buttons the shared pressed flag and the sounds. The main
// window offers it; the side windows know nothing else of it.
class Gastgeber {
public:
    virtual ~Gastgeber() = default;

    virtual QWidget& Hauptfenster() = 0;
    virtual QWidget& Spielflaeche() const = 0;
    // While a side window is open, the game takes no input; Freigeben gives
    // it back.
    virtual void Sperren(QWidget* nebenfenster) = 0;
    virtual void Freigeben() = 0;

    virtual const Bildsatz& Bilder() const = 0;
    virtual const Masstab& Massstab() const = 0;
    virtual const Masstab& Bildmassstab() const = 0;
    virtual double Faktor() const = 0;

    virtual bool& KnopfGehalten() = 0;
    virtual Fenster& Dienste() = 0;
};

} // namespace steinfall
