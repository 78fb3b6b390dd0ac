#include "Testfenster.h"
#include "ui/Bildflaeche.h"

#include <QMouseEvent>

namespace steinfall {
namespace {

using namespace test;

// A mouse event straight to a button item, as while the item holds the mouse:
// positions outside its area arrive too.
void Maus(QWidget* item, QEvent::Type art, QPointF ort, Qt::MouseButton knopf) {
    const Qt::MouseButtons gehalten = art == QEvent::MouseButtonRelease ? Qt::NoButton : knopf;
    QMouseEvent ereignis(art, ort, item->mapToGlobal(ort),
                         art == QEvent::MouseMove ? Qt::NoButton : knopf, gehalten, Qt::NoModifier);
    QCoreApplication::sendEvent(item, &ereignis);
}

QWidget* Gedrueckt(QWidget* item0) {
    // Item 1 is the other child of the same name.
    return item0->parentWidget()->findChildren<Bildflaeche*>(item0->objectName()).at(1);
}

TEST(Bildknopf, LoestNurAusWennUeberSichLosgelassen) {
    Testfenster f;
    auto* knopf = f.Control<Bildflaeche>("picButtonNeuesSpiel");
    QWidget* gedrueckt = Gedrueckt(knopf);
    const double b = knopf->width();
    const double h = knopf->height();
    f.SteinSetzen(38, 1); // a new game would clear it
    const QImage mitStein = f.Brett().Bild();
    EXPECT_FALSE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isHidden());

    // Moving without a press shows nothing.
    Maus(knopf, QEvent::MouseMove, {5, 5}, Qt::LeftButton);
    EXPECT_TRUE(gedrueckt->isHidden());

    // Any button presses; off the button the normal look comes back, the
    // edges count as on it.
    Maus(knopf, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
    EXPECT_TRUE(f.KnopfGedrueckt);
    EXPECT_FALSE(gedrueckt->isHidden());
    Maus(knopf, QEvent::MouseMove, {-0.5, 5}, Qt::RightButton);
    EXPECT_TRUE(gedrueckt->isHidden());
    Maus(knopf, QEvent::MouseMove, {b, h}, Qt::RightButton);
    EXPECT_FALSE(gedrueckt->isHidden());
    Maus(knopf, QEvent::MouseMove, {5, h + 0.5}, Qt::RightButton);
    EXPECT_TRUE(gedrueckt->isHidden());
    Maus(knopf, QEvent::MouseButtonRelease, {5, h + 0.5}, Qt::RightButton);
    EXPECT_FALSE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isHidden());
    EXPECT_TRUE(f.Gespielt.empty());
    EXPECT_EQ(f.Brett().Bild(), mitStein) << "released off the button: no new game";

    // A release without a press does nothing either.
    Maus(knopf, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton);
    EXPECT_TRUE(f.Gespielt.empty());

    // Off and back on: the action runs.
    Maus(knopf, QEvent::MouseButtonPress, {5, 5}, Qt::MiddleButton);
    Maus(knopf, QEvent::MouseMove, {b + 1, 5}, Qt::MiddleButton);
    Maus(knopf, QEvent::MouseMove, {0, 0}, Qt::MiddleButton);
    EXPECT_FALSE(gedrueckt->isHidden());
    Maus(knopf, QEvent::MouseButtonRelease, {0, 0}, Qt::MiddleButton);
    EXPECT_FALSE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isHidden());
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);
}

TEST(Bildknopf, BeendenFragtUndNeinLaesstDasSpiel) {
    Testfenster f;
    f.SteinSetzen(38, 1);
    const QImage mitStein = f.Brett().Bild();
    Antworten(QMessageBox::No, [&](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.text().toStdString(), f.Spielablauf().Txt().TxtBeenden);
        EXPECT_EQ(box.windowTitle().toStdString(), f.Spielablauf().Txt().TxtBeendenTitel);
    });
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonExit"), Qt::LeftButton);
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Brett().Bild(), mitStein);

    Antworten(QMessageBox::Yes);
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonExit"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible()) << "Yes ends the program";
}

} // namespace
} // namespace steinfall
