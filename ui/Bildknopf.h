#pragma once

#include "ui/Masstab.h"

#include <QImage>
#include <QObject>
#include <QRect>

#include <array>
#include <functional>

namespace steinfall {

class Bildflaeche;
class Fenster;

// A button drawn as two pictures at one place: item 0 the normal look, item 1
// the pressed look (hidden at start). Any mouse button presses it; it looks
// pressed exactly while the held pointer is over it and acts only when
// released over itself. All picture buttons share one flag, so only one can
// be held at a time.
//
//     Bildknopf knopf(container, bilder, "picButtonNeuesSpiel", ort, masstab,
//                     haupt.KnopfGedrueckt, haupt, [&] { spiel.NeuesSpiel(); });
class Bildknopf : public QObject {
    Q_OBJECT
public:
    Bildknopf(QWidget* eltern, const std::array<QImage, 2>& bilder, const char* name, QRect ort,
              const Masstab& masstab, bool& knopfGedrueckt, Fenster& haupt,
              std::function<void()> aktion);

    Bildflaeche& Item(int index) const { return *items_[index]; }

    // The caption drawn on the pictures, for screen readers.
    void Beschriften(const QString& beschriftung);

    // Any mouse button presses. Positions in twips in the button's own
    // coordinates.
    void MouseDown();
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

private:
    // Item 0's area, its edges included.
    bool Innerhalb(float x, float y) const;

    std::array<Bildflaeche*, 2> items_{};
    Masstab masstab_;
    bool& knopfGedrueckt_;
    Fenster& haupt_;
    std::function<void()> aktion_;
};

} // namespace steinfall
