#pragma once

#include "ui/Bilder.h"
#include "ui/Masstab.h"
#include "ui/Rasterop.h"

#include <QImage>

#include <array>

namespace steinfall {

// The board picture `picSpielfeld` and the hidden pictures its stones are
// painted from. Stones are not widgets: they are painted into the board's
// bitmap with raster operations. Positions are in twips.
//
//     Brettbild brett(bilder, masstab);
//     brett.SteineMaskieren();   // once, when the window loads
//     brett.SteinSetzen(38, 1);  // the human's stone, bottom row, column 3
class Brettbild {
public:
    Brettbild(const Bildsatz& bilder, Masstab masstab);

    // The bitmap of picSpielfeld as it is shown.
    const QImage& Bild() const { return picSpielfeld_; }

    // ORs the mask into the stone pictures 1 to 3: white around each disc.
    void SteineMaskieren();

    // Back to the empty board.
    void Leeren();

    // Picture `spieler` (1 human, 2 computer, 3 highlight) into cell
    // `position` (0..41): the disc takes the stone's colours, the board
    // around it stays.
    void SteinSetzen(int position, int spieler);

    // Top-left corner of a cell's stone of picture `spieler`, in twips.
    double SteinX(int position, int spieler) const;
    double SteinY(int position, int spieler) const;
    double SteinBreite(int spieler) const;
    double SteinHoehe(int spieler) const;

    // The frames of a falling stone: the board under a frame is saved in
    // picSteinSich2 before it is painted and copied back before the next.
    void HintergrundSichern(double x, double y);
    void HintergrundZurueck(double x, double y);
    // Stone `spieler` at (x, y), visible only where the board's holes are.
    void FallbildMalen(double x, double y, int spieler);

private:
    Masstab masstab_;
    QImage leer_;
    QImage picSpielfeld_;
    std::array<QImage, 5> picStein_; // items 1..4, item 4 the mask
    QImage picSpalte_;
    QImage picSteinSich_;
    QImage picSteinSich2_;
};

} // namespace steinfall
