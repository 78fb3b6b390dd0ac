#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace steinfall {

// The game area's background: its tile repeated from the top-left corner and
// the logo on it where the logo's mask is black, put there by the mask's and
// the logo's raster operations. Painted when shown rather than kept as one
// picture of the whole area, which at a large scale would cost tens of
// megabytes (25 MB at 4.5x). Pixel for pixel the same as tiling the area and
// painting the logo with its mask.
class Spielbereich : public QWidget {
public:
    // `kachel` and `logo` at the pictures' resolution, `logo` white outside its
    // shape; `logoOrt` in those pixels; `bildGroesse` the whole area in them.
    Spielbereich(QWidget* eltern, const QImage& kachel, const QImage& logo, const QImage& logoMaske,
                 QPoint logoOrt, QSize bildGroesse);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QPixmap kachel_;
    QImage logo_;
    QImage logoMaske_;
    QImage freigestellt_; // the logo cut out, made only where it is scaled
    QPoint logoOrt_;
    QSize bildGroesse_;
};

} // namespace steinfall
