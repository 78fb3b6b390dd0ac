#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

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

} // namespace steinfall
