#include "ui/Brettbild.h"

#include "core/Geometrie.h"

namespace steinfall {

namespace {

constexpr int Maske = 4;

// The stone pictures by item; item 0 is not used.
std::array<QImage, 5> Steinbilder(const Bildsatz& bilder) {
    return {QImage(), bilder.SteinSpieler, bilder.SteinComputer, bilder.SteinHervor,
            bilder.SteinMaske};
}

} // namespace

Brettbild::Brettbild(const Bildsatz& bilder, Masstab masstab)
    : masstab_(masstab), leer_(bilder.Brett), picSpielfeld_(bilder.Brett),
      picStein_(Steinbilder(bilder)), picSpalte_(bilder.SpalteMaske),
      picSteinSich_(bilder.SteinMaske.size(), QImage::Format_RGB32),
      picSteinSich2_(bilder.SteinMaske.size(), QImage::Format_RGB32) {}

void Brettbild::SteineMaskieren() {
    const QImage& maske = picStein_[Maske];
    for (int i = 1; i <= 3; ++i) {
        BitBlt(picStein_[i], 0, 0, maske.width(), maske.height(), maske, 0, 0, Rasterop::SrcPaint);
    }
}

void Brettbild::Leeren() {
    picSpielfeld_ = leer_;
}

double Brettbild::SteinBreite(int spieler) const {
    return picStein_[spieler].width() * masstab_.TwipsProPixelX;
}

double Brettbild::SteinHoehe(int spieler) const {
    return picStein_[spieler].height() * masstab_.TwipsProPixelY;
}

double Brettbild::SteinX(int position, int spieler) const {
    // With the stone picture's own size, as it is painted at this scale.
    return geometrie::SteinLinks(position % geometrie::Spalten, SteinBreite(spieler));
}

double Brettbild::SteinY(int position, int spieler) const {
    return geometrie::SteinOben(position / geometrie::Spalten, SteinHoehe(spieler));
}

void Brettbild::SteinSetzen(int position, int spieler) {
    const double x = SteinX(position, spieler);
    const double y = SteinY(position, spieler);
    const double b = SteinBreite(spieler);
    const double h = SteinHoehe(spieler);
    BitBlt(picSpielfeld_, masstab_, x, y, b, h, picStein_[Maske], 0, 0, Rasterop::MergePaint);
    BitBlt(picSpielfeld_, masstab_, x, y, b, h, picStein_[spieler], 0, 0, Rasterop::SrcAnd);
}

void Brettbild::HintergrundSichern(double x, double y) {
    BitBlt(picSteinSich2_, masstab_, 0, 0, SteinBreite(1), SteinHoehe(1), picSpielfeld_, x, y,
           Rasterop::SrcCopy);
}

void Brettbild::HintergrundZurueck(double x, double y) {
    BitBlt(picSpielfeld_, masstab_, x, y, SteinBreite(1), SteinHoehe(1), picSteinSich2_, 0, 0,
           Rasterop::SrcCopy);
}

void Brettbild::FallbildMalen(double x, double y, int spieler) {
    const double b = SteinBreite(1);
    const double h = SteinHoehe(1);
    // The mask of the frame: black only where the disc is and the column
    // mask (row 0 = board top) shows a hole.
    BitBlt(picSteinSich_, masstab_, 0, 0, b, h, picStein_[Maske], 0, 0, Rasterop::SrcCopy);
    BitBlt(picSteinSich_, masstab_, 0, 0, b, h, picSpalte_, 0, y, Rasterop::MergePaint);
    BitBlt(picSpielfeld_, masstab_, x, y, b, h, picSteinSich_, 0, 0, Rasterop::MergePaint);
    // The stone of the frame: white wherever the board's front hides it.
    BitBlt(picSteinSich_, masstab_, 0, 0, b, h, picStein_[spieler], 0, 0, Rasterop::SrcCopy);
    BitBlt(picSteinSich_, masstab_, 0, 0, b, h, picSpalte_, 0, y, Rasterop::MergePaint);
    BitBlt(picSpielfeld_, masstab_, x, y, b, h, picSteinSich_, 0, 0, Rasterop::SrcAnd);
}

} // namespace steinfall
