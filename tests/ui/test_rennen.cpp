#include "Testfenster.h"
#include "ui/Bildflaeche.h"

#include <QRadioButton>

namespace steinfall {
namespace {

using namespace test;

// The fall's timer runs on while the starting-side question waits; the user
// answers Yes only after the stone has reached its cell.
TEST(frmHaupt, FallEndetHinterDerFrageUndMaltNichtsInsNeueSpiel) {
    Testfenster f;
    Antworten(QMessageBox::No);
    QTest::mouseClick(f.Control<QRadioButton>("optAnfangSp2"), Qt::LeftButton);
    f.Gespielt.clear();

    QTimer jaNachDemFall;
    jaNachDemFall.setInterval(10);
    QObject::connect(&jaNachDemFall, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && !f.Faellt()) {
            jaNachDemFall.stop();
            box->button(QMessageBox::Yes)->click();
        }
    });
    f.BeimFallStart = [&] {
        f.BeimFallStart = nullptr;
        jaNachDemFall.start();
        QTest::mouseClick(f.Control<QRadioButton>("optAnfangSp1"), Qt::LeftButton);
    };
    QTest::mouseClick(f.Control<Bildflaeche>("picSpielfeld"), Qt::LeftButton, {}, QPoint(220, 50));

    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"WAHL.WAV"});
    EXPECT_EQ(f.Spielablauf().Stand().Brett, Spielbrett{});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);
}

} // namespace
} // namespace steinfall
