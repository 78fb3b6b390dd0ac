#include "SymbolMasse.h"

#include "zeichnen/Zeichnung.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace steinfall::bilder {

namespace {

// The drawing's coordinates: the icon's edge is this many units long.
constexpr double Kante = 256;
// Rings per shaded band: each ring's colour depends only on its direction
// towards the light, which a linear gradient along that direction gives.
constexpr int FaseRinge = 12;
constexpr int KantenRinge = 10;
constexpr int SteinRinge = 48;
// Gradient stops are dropped where a straight line between their neighbours
// stays this close to them (in 0..1 per channel).
constexpr double StoppGenauigkeit = 1.0 / 255;

QPointF Punkt(double x, double y) {
    return {x * Kante, y * Kante};
}

QColor Farbton(Farbe f, double deckung = 1) {
    const QRgb p = AlsPixel(f);
    QColor c(p);
    c.setAlphaF(static_cast<float>(std::clamp(deckung, 0.0, 1.0)));
    return c;
}

// Colour and opacity run between the stops each on its own, as SVG has it,
// so that the generator writes the stops as they are (it would otherwise
// add one every fiftieth of the way wherever the opacity changes).
void Stoppweise(QGradient& g) {
    g.setInterpolationMode(QGradient::ComponentInterpolation);
}

struct Stopp {
    double t;
    Farbe farbe;
    double deckung;
};

double Abweichung(const Stopp& a, const Stopp& b, const Stopp& m) {
    const double u = (m.t - a.t) / (b.t - a.t);
    const Farbe f = Mischen(a.farbe, b.farbe, u);
    const double d = a.deckung + (b.deckung - a.deckung) * u;
    return std::max({std::abs(f.r - m.farbe.r) * m.deckung, std::abs(f.g - m.farbe.g) * m.deckung,
                     std::abs(f.b - m.farbe.b) * m.deckung, std::abs(d - m.deckung)});
}

// Keeps the first and last stop and each one between that a straight line
// from its kept neighbours would miss.
void Ausduennen(const std::vector<Stopp>& alle, std::size_t a, std::size_t b,
                std::vector<Stopp>& behalten) {
    std::size_t schlechtester = a;
    double groesste = StoppGenauigkeit;
    for (std::size_t i = a + 1; i < b; ++i) {
        const double d = Abweichung(alle[a], alle[b], alle[i]);
        if (d > groesste) {
            groesste = d;
            schlechtester = i;
        }
    }
    if (schlechtester == a) {
        return;
    }
    Ausduennen(alle, a, schlechtester, behalten);
    behalten.push_back(alle[schlechtester]);
    Ausduennen(alle, schlechtester, b, behalten);
}

// A gradient along direction (ux, uy) through `mitte`, from `-laenge` to
// `laenge`, coloured by `farbe(t)` for t = -1..1: on a ring around `mitte`
// of radius `laenge`, t is the cosine of the angle to that direction.
template <typename Funktion>
QLinearGradient Verlauf(QPointF mitte, double ux, double uy, double laenge, Funktion farbe) {
    constexpr int Proben = 257;
    std::vector<Stopp> alle;
    for (int i = 0; i < Proben; ++i) {
        const double t = -1 + 2.0 * i / (Proben - 1);
        const auto [f, deckung] = farbe(t);
        alle.push_back({(t + 1) / 2, f, deckung});
    }
    std::vector<Stopp> behalten{alle.front()};
    Ausduennen(alle, 0, alle.size() - 1, behalten);
    behalten.push_back(alle.back());

    QLinearGradient g(mitte - QPointF(ux, uy) * laenge * Kante,
                      mitte + QPointF(ux, uy) * laenge * Kante);
    Stoppweise(g);
    for (const Stopp& s : behalten) {
        g.setColorAt(s.t, Farbton(s.farbe, s.deckung));
    }
    return g;
}

struct Schattierung {
    Farbe farbe;
    double deckung;
};

QPainterPath Ring(QPointF mitte, double innen, double aussen) {
    QPainterPath pfad;
    pfad.setFillRule(Qt::OddEvenFill);
    pfad.addEllipse(mitte, aussen * Kante, aussen * Kante);
    pfad.addEllipse(mitte, innen * Kante, innen * Kante);
    return pfad;
}

// The board's outline and, inside it, the raised edge lit from the upper
// left: straight along the sides, turning with the outline at the corners.
void BrettMalen(QPainter& maler) {
    const double links = Rand;
    const double breite = 1 - 2 * Rand;
    QPainterPath umriss;
    umriss.addRoundedRect(QRectF(Punkt(links, links), Punkt(links + breite, links + breite)),
                          EckRadius * Kante, EckRadius * Kante);
    QLinearGradient front(Punkt(0, 0), Punkt(0, 1));
    front.setColorAt(0, Farbton(AusHex(SymbolFrontOben)));
    front.setColorAt(1, Farbton(AusHex(SymbolFrontUnten)));
    maler.fillPath(umriss, front);

    // The sides: the outline's normal points straight out, the edge's weight
    // grows towards the outline.
    const double gerade0 = Rand + EckRadius;
    const double gerade1 = 1 - Rand - EckRadius;
    const double innen = KanteBreite;
    struct Seite {
        QRectF flaeche;
        QPointF innenPunkt;
        QPointF aussenPunkt;
        double licht;
    };
    const double a = Rand;
    const double b = 1 - Rand;
    const Seite seiten[] = {
        {{Punkt(gerade0, a), Punkt(gerade1, a + innen)}, Punkt(0, a + innen), Punkt(0, a), -LichtY},
        {{Punkt(gerade0, b - innen), Punkt(gerade1, b)}, Punkt(0, b - innen), Punkt(0, b), LichtY},
        {{Punkt(a, gerade0), Punkt(a + innen, gerade1)}, Punkt(a + innen, 0), Punkt(a, 0), -LichtX},
        {{Punkt(b - innen, gerade0), Punkt(b, gerade1)}, Punkt(b - innen, 0), Punkt(b, 0), LichtX},
    };
    for (const Seite& s : seiten) {
        QLinearGradient g(s.innenPunkt, s.aussenPunkt);
        Stoppweise(g);
        const Farbe farbe = AusHex(KanteFarbe(s.licht));
        g.setColorAt(0, Farbton(farbe, 0));
        g.setColorAt(1, Farbton(farbe, KanteDeckung(s.licht, 1)));
        maler.fillRect(s.flaeche, g);
    }

    // The corners: quarter rings, each lit by the direction of its normal.
    const double ecken[][2] = {
        {gerade0, gerade0}, {gerade1, gerade0}, {gerade0, gerade1}, {gerade1, gerade1}};
    for (const auto& [ex, ey] : ecken) {
        const QPointF mitte = Punkt(ex, ey);
        QPainterPath viertel;
        const double sx = ex < 0.5 ? -1 : 1;
        const double sy = ey < 0.5 ? -1 : 1;
        viertel.addRect(QRectF(mitte, mitte + QPointF(sx, sy) * EckRadius * Kante).normalized());
        for (int i = 0; i < KantenRinge; ++i) {
            const double r0 = EckRadius - KanteBreite + KanteBreite * i / KantenRinge;
            const double r1 = EckRadius - KanteBreite + KanteBreite * (i + 1) / KantenRinge;
            const double t = (i + 0.5) / KantenRinge;
            // Towards the light lies the direction (LichtX, LichtY).
            const QLinearGradient g =
                Verlauf(mitte, LichtX, LichtY, (r0 + r1) / 2, [t](double licht) {
                    return Schattierung{AusHex(KanteFarbe(licht)), KanteDeckung(licht, t)};
                });
            maler.fillPath(Ring(mitte, r0, r1).intersected(viertel), g);
        }
    }
}

// The bevel around a hole, lit at its lower right, which faces the light.
void FaseMalen(QPainter& maler, QPointF mitte) {
    for (int i = 0; i < FaseRinge; ++i) {
        const double r0 = Loch + Fase * i / FaseRinge;
        const double r1 = Loch + Fase * (i + 1) / FaseRinge;
        const double tiefe = 1 - (i + 0.5) / FaseRinge;
        const QLinearGradient g =
            Verlauf(mitte, -LichtX, -LichtY, (r0 + r1) / 2, [tiefe](double licht) {
                return Schattierung{AusHex(FaseFarbe(licht)), FaseDeckung(licht, tiefe)};
            });
        maler.fillPath(Ring(mitte, r0, r1), g);
    }
}

// The board's inside seen through a hole, as the game's board draws it: the
// back wall darkening downwards, in the front's shadow at the upper left.
void InnenraumMalen(QPainter& maler, QPointF mitte) {
    const double massstab = LochRadius / Loch;
    const double randRadius = LochRadius + 0.7;
    QPainterPath loch;
    loch.addEllipse(mitte, Loch * Kante, Loch * Kante);
    const double hoehe = randRadius / massstab * Kante;
    QLinearGradient wand(mitte - QPointF(0, hoehe), mitte + QPointF(0, hoehe));
    wand.setColorAt(0, Farbton(AusHex(0x142C66)));
    wand.setColorAt(1, Farbton(AusHex(0x0E2051)));
    maler.fillPath(loch, wand);

    const double aussen = randRadius + 0.5;
    const double innen = randRadius - 4.5;
    QRadialGradient schatten(mitte + QPointF(3.5, 3.5) / massstab * Kante,
                             aussen / massstab * Kante);
    Stoppweise(schatten);
    const Farbe farbe = AusHex(0x040A1E);
    constexpr int Stufen = 12;
    schatten.setColorAt(0, Farbton(farbe, 0));
    for (int i = 0; i <= Stufen; ++i) {
        const double r = innen + (aussen - innen) * i / Stufen;
        schatten.setColorAt(r / aussen, Farbton(farbe, 1 - Glatt(aussen, innen, r)));
    }
    maler.fillPath(loch, schatten);
}

// A stone as rings from its rim inwards, each covering the middle of the
// one before, so that no seam between them lets the hole shine through.
void SteinMalen(QPainter& maler, QPointF mitte, Farbe grund) {
    const double massstab = SteinRadius / Stein;
    // The stones' light falls from this direction.
    const double lx = -0.45;
    const double ly = -0.54;
    const double ll = std::hypot(lx, ly);
    for (int i = 0; i < SteinRinge; ++i) {
        const double aussen = Stein * (SteinRinge - i) / SteinRinge;
        const double r = Stein * (SteinRinge - i - 0.5) / SteinRinge;
        const QLinearGradient g = Verlauf(mitte, lx / ll, ly / ll, r, [&](double cosinus) {
            const double sinus = std::sqrt(std::max(0.0, 1 - cosinus * cosinus));
            const double dx = r * (cosinus * lx - sinus * ly) / ll;
            const double dy = r * (cosinus * ly + sinus * lx) / ll;
            return Schattierung{SteinSchattiert(dx, dy, grund, false, massstab), 1};
        });
        QPainterPath scheibe;
        scheibe.addEllipse(mitte, aussen * Kante, aussen * Kante);
        maler.fillPath(scheibe, g);
    }
}

} // namespace

void SymbolVektorSchreiben(const QString& datei) {
    QSvgGenerator svg;
    svg.setFileName(datei);
    svg.setSize(QSize(static_cast<int>(Kante), static_cast<int>(Kante)));
    svg.setViewBox(QRectF(0, 0, Kante, Kante));
    svg.setTitle(QStringLiteral("Steinfall"));
    svg.setDescription(QStringLiteral("Steinfall"));
    QPainter maler;
    if (!maler.begin(&svg)) {
        throw std::runtime_error("kann nicht schreiben: " + datei.toStdString());
    }
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    BrettMalen(maler);
    for (int loch = 0; loch < 4; ++loch) {
        const QPointF mitte = Punkt(LochMitten[loch % 2], LochMitten[loch / 2]);
        FaseMalen(maler, mitte);
        InnenraumMalen(maler, mitte);
        if (SymbolStein(loch) != 0) {
            SteinMalen(maler, mitte, AusHex(SymbolStein(loch)));
        }
    }
    if (!maler.end() || !QFile::exists(datei)) {
        throw std::runtime_error("kann nicht schreiben: " + datei.toStdString());
    }
}

} // namespace steinfall::bilder
