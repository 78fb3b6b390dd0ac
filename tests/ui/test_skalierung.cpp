// What Qt draws itself grows with the game area: the options' indicators,
// the frames around them and the message boxes, their lines as well.

#include "Testfenster.h"
#include "ui/frmCopyright.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace steinfall {
namespace {

using namespace test;

// The region of a picture that differs from its top left pixel.
QRect Gezeichnet(const QImage& bild) {
    const QRgb grund = bild.pixel(0, 0);
    QRect region;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) != grund) {
                region |= QRect(x, y, 1, 1);
            }
        }
    }
    return region;
}

// The first row from the top, left of the title, where the frame's line lies.
int RahmenOben(const QImage& bild) {
    const QRgb grund = bild.pixel(0, 0);
    const int x = bild.width() - 4;
    for (int y = 0; y < bild.height(); ++y) {
        if (bild.pixel(x, y) != grund) {
            return y;
        }
    }
    return -1;
}

// How much darker than the surround at `neben` a line is along a row or
// column, summed: the line's width times its contrast, whatever the
// smoothing of its edges.
double Strich(const QImage& bild, QPoint neben, QPoint von, QPoint schritt, int schritte) {
    const int grund = qGray(bild.pixel(neben));
    double summe = 0;
    for (QPoint p = von; schritte-- > 0 && bild.rect().contains(p); p += schritt) {
        summe += std::max(0, grund - qGray(bild.pixel(p))) / 255.0;
    }
    return summe;
}

struct Masse {
    QRect Kreis;       // an option's indicator
    int Rahmen;        // the top of a frame's line, under its title
    double Linie;      // ... the line's strength there
    double Rand;       // an indicator's rim, across its left side
    double Knopf;      // the left edge of a message box's button
    QSize Symbol;      // the message box's icon
    QPoint SymbolOrt;  // ... and its place in the box
    double Trennlinie; // the about window's line between its parts
};

Masse Messen(double faktor) {
    Testfenster f(std::make_unique<Regelspieler>(), faktor);
    Masse m{};
    auto* option = f.Control<QRadioButton>("optStaerke1");
    option->setText({}); // the indicator alone
    const QImage kreis = option->grab().toImage();
    m.Kreis = Gezeichnet(kreis);
    const int mitte = m.Kreis.center().y();
    m.Rand = Strich(kreis, {0, 0}, {0, mitte}, {1, 0}, m.Kreis.left() + m.Kreis.width() / 4);
    const QImage rahmen = f.Control<QGroupBox>("frSpielstaerke")->grab().toImage();
    m.Rahmen = RahmenOben(rahmen);
    const QPoint darueber(rahmen.width() / 2, m.Rahmen - static_cast<int>(2 * faktor));
    m.Linie = Strich(rahmen, darueber, darueber, {0, 1}, static_cast<int>(8 * faktor));
    Antworten(QMessageBox::No, [&](QMessageBox& box) {
        auto* symbol = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        ASSERT_NE(symbol, nullptr);
        const QRect gezeichnet = Gezeichnet(symbol->grab().toImage());
        m.Symbol = gezeichnet.size();
        m.SymbolOrt = symbol->mapTo(&box, gezeichnet.topLeft());
        auto* nein = box.button(QMessageBox::No);
        const QImage knopf = nein->grab().toImage();
        const int hoehe = knopf.height() / 2;
        m.Knopf =
            Strich(knopf, {knopf.width() / 10, hoehe}, {0, hoehe}, {1, 0}, knopf.width() / 10);
    });
    f.Meldung(f.Spielablauf().Txt().TxtBeenden, f.Spielablauf().Txt().TxtBeendenTitel,
              Symbol::Frage, Knoepfe::JaNein);
    frmCopyright info(f);
    const QWidget* lin = info.findChild<QFrame*>(QStringLiteral("linTrennlinie"));
    const int rand = static_cast<int>(4 * faktor);
    const QImage linie =
        lin->parentWidget()->grab(lin->geometry().adjusted(0, -rand, 0, rand)).toImage();
    // Its dark half, down the middle, against the window above it.
    m.Trennlinie =
        Strich(linie, {linie.width() / 2, 0}, {linie.width() / 2, 0}, {0, 1}, linie.height());
    return m;
}

// At 2.25, as on 1920 x 1080, each measure is 2.25 times the designed one,
// give or take the rounding of a pixel at each edge.
TEST(Skalierung, OptionenRahmenUndMeldungenWachsenMitDemSpiel) {
    const double faktor = 2.25;
    const Masse klein = Messen(1);
    const Masse gross = Messen(faktor);
    auto gewachsen = [&](int designed, int gezeichnet, const char* was) {
        EXPECT_NEAR(gezeichnet, designed * faktor, 2.5)
            << was << ": " << designed << " at 1, " << gezeichnet << " at " << faktor;
    };
    ASSERT_FALSE(klein.Kreis.isEmpty());
    gewachsen(klein.Kreis.width(), gross.Kreis.width(), "indicator width");
    gewachsen(klein.Kreis.height(), gross.Kreis.height(), "indicator height");
    gewachsen(klein.Kreis.left(), gross.Kreis.left(), "indicator's margin");
    ASSERT_GT(klein.Rahmen, 0);
    // The title's line height grows with the font, which Qt rounds to whole pixels.
    EXPECT_NEAR(gross.Rahmen, klein.Rahmen * faktor, klein.Rahmen * faktor * 0.25) << "frame";
    // The lines grow too, not only the spaces between them.
    auto dicker = [&](double designed, double gezeichnet, const char* was) {
        EXPECT_NEAR(gezeichnet, designed * faktor, designed * faktor * 0.3)
            << was << ": " << designed << " at 1, " << gezeichnet << " at " << faktor;
    };
    ASSERT_GT(klein.Linie, 0);
    dicker(klein.Linie, gross.Linie, "frame's line");
    ASSERT_GT(klein.Rand, 0);
    dicker(klein.Rand, gross.Rand, "indicator's rim");
    ASSERT_GT(klein.Knopf, 0);
    dicker(klein.Knopf, gross.Knopf, "button's edge");
    ASSERT_GT(klein.Trennlinie, 0);
    dicker(klein.Trennlinie, gross.Trennlinie, "about window's line");
    ASSERT_FALSE(klein.Symbol.isEmpty());
    gewachsen(klein.Symbol.width(), gross.Symbol.width(), "icon width");
    gewachsen(klein.Symbol.height(), gross.Symbol.height(), "icon height");
    gewachsen(klein.SymbolOrt.x(), gross.SymbolOrt.x(), "icon's margin");
}

} // namespace
} // namespace steinfall
