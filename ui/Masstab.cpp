#include "ui/Masstab.h"

#include <QScreen>

#include <algorithm>

namespace steinfall {

Masstab Masstab::VomBildschirm(const QScreen& bildschirm) {
    return {1440.0 / bildschirm.logicalDotsPerInchX(), 1440.0 / bildschirm.logicalDotsPerInchY()};
}

double Masstab::Fuellfaktor(QSize flaeche) {
    const double breite = geometrie::Spielbereich.Breite / geometrie::TwipsJePixelEntwurf;
    const double hoehe = geometrie::Spielbereich.Hoehe / geometrie::TwipsJePixelEntwurf;
    return std::min(flaeche.width() / breite, flaeche.height() / hoehe);
}

} // namespace steinfall
