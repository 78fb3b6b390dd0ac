// What Qt draws itself grows with the game area: the options' indicators,
// the frames around them and the message boxes.

#include "Testfenster.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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

struct Masse {
    QRect Kreis;      // an option's indicator
    int Rahmen;       // the top of a frame's line, under its title
    QSize Symbol;     // the message box's icon
    QPoint SymbolOrt; // ... and its place in the box
};

Masse Messen(double faktor) {
    Testfenster f(std::make_unique<Regelspieler>(), faktor);
    Masse m{};
    auto* option = f.Control<QRadioButton>("optStaerke1");
    option->setText({}); // the indicator alone
    m.Kreis = Gezeichnet(option->grab().toImage());
    m.Rahmen = RahmenOben(f.Control<QGroupBox>("frSpielstaerke")->grab().toImage());
    Antworten(QMessageBox::No, [&](QMessageBox& box) {
        auto* symbol = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        ASSERT_NE(symbol, nullptr);
        const QRect gezeichnet = Gezeichnet(symbol->grab().toImage());
        m.Symbol = gezeichnet.size();
        m.SymbolOrt = symbol->mapTo(&box, gezeichnet.topLeft());
    });
    f.Meldung(f.Spielablauf().Txt().TxtBeenden, f.Spielablauf().Txt().TxtBeendenTitel,
              Symbol::Frage, Knoepfe::JaNein);
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
    ASSERT_FALSE(klein.Symbol.isEmpty());
    gewachsen(klein.Symbol.width(), gross.Symbol.width(), "icon width");
    gewachsen(klein.Symbol.height(), gross.Symbol.height(), "icon height");
    gewachsen(klein.SymbolOrt.x(), gross.SymbolOrt.x(), "icon's margin");
}

} // namespace
} // namespace steinfall
