#pragma once

#include "ui/Masstab.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <optional>

class QPainter;

namespace steinfall {

// A picture area: shows an image owned elsewhere at its top-left corner and
// reports the mouse with the button and shift codes the game uses
// (buttons: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt).
class Bildflaeche : public QWidget {
    Q_OBJECT
public:
    Bildflaeche(QWidget* eltern, const QImage* bild);

signals:
    void MouseDown(int knopf, int umschalt, QPointF pixel);
    void MouseMove(int knopf, int umschalt, QPointF pixel);
    void MouseUp(int knopf, int umschalt, QPointF pixel);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    const QImage* bild_;
};

// Paints the part `bereich` of a widget of size `groesse` from `bild`, which
// is composed at the widget's logical size or at a whole multiple of it (see
// Bildfaktor). At the logical size the pixels are copied as they are;
// otherwise the picture covers the widget, at a fractional device pixel ratio
// smoothly scaled down.
void BildZeigen(QPainter& maler, QSize groesse, const QImage& bild, const QRect& bereich);

// Whether a picture of `bildGroesse` is drawn for the device pixels that an
// area of `groesse` covers at device pixel ratio `verhaeltnis`, to a pixel of
// rounding.
bool EinsZuEins(QSize groesse, double verhaeltnis, QSize bildGroesse);

// Sets up `maler`, which paints the part `bereich` of `flaeche`, to paint in
// the pixels of a picture of `bildGroesse` that covers it: drawn for the
// device pixels the widget covers, they are copied one to one (and it
// returns true); otherwise (a built set shown at another scale) scaled
// smoothly.
bool InBildpixeln(QPainter& maler, const QWidget& flaeche, QSize bildGroesse, const QRect& bereich);

// A picture area whose picture is tiles, painted when shown (see
// KachelnMalen): its colour until the tiles are laid. Pixel for pixel the
// same as laying the tiles on a picture of `bildGroesse`, without keeping one
// (0.55 MB for the options panel at 1920x1080).
class Kachelflaeche : public Bildflaeche {
public:
    Kachelflaeche(QWidget* eltern, QSize bildGroesse, QColor farbe);

    // Lays `kachel` over the whole picture, at the pictures' scale `m`.
    void KachelnLegen(const Masstab& m, const QImage& kachel);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QSize bildGroesse_;
    QColor farbe_;
    std::optional<Masstab> masstab_;
    QImage kachel_;
    QImage gelegt_; // the laid picture, where it is shown scaled
};

} // namespace steinfall
