#include "Testfenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

namespace steinfall {
namespace {

using namespace test;

template <typename Fenster>
void Oeffnen(Testfenster& f, const char* knopf, Fenster* (frmHaupt::*fenster)() const) {
    QTest::mouseClick(f.Control<Bildflaeche>(knopf), Qt::LeftButton);
    ASSERT_NE((f.*fenster)(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive((f.*fenster)()));
}

TEST(frmAnleitung, OeffnenZurueckUndWiederVonVorn) {
    Testfenster f;
    const QImage vorher = f.grab().toImage();
    Oeffnen(f, "picButtonAnleitung", &frmHaupt::Anleitung);
    frmAnleitung& a = *f.Anleitung();
    EXPECT_EQ(f.grab().toImage(), vorher) << "disabled, the main window keeps its look";
    EXPECT_EQ(a.windowTitle(), "Anleitung");
    EXPECT_EQ(f.Gespielt, (std::vector<std::string>{"KLICK.WAV", "ANLEITUN.WAV"}));
    EXPECT_TRUE(a.Text().isReadOnly());
    QTest::keyClick(f.windowHandle(), 's');
    EXPECT_TRUE(f.Klaenge().TonAn) << "the disabled main window takes no keys";

    // Read to the end and select something.
    a.Text().verticalScrollBar()->setValue(a.Text().verticalScrollBar()->maximum());
    a.Text().selectAll();

    // Its button holds the flag that all picture buttons share.
    QTest::mousePress(&a.Zurueck().Item(0), Qt::RightButton);
    EXPECT_TRUE(f.KnopfGedrueckt);
    QTest::mouseRelease(&a.Zurueck().Item(0), Qt::RightButton);
    EXPECT_FALSE(a.isVisible());
    EXPECT_TRUE(f.Spielflaeche().isEnabled());
    EXPECT_EQ(f.Gespielt.back(), "KLICK.WAV");

    // The main window takes clicks again; the window is only shown again.
    Oeffnen(f, "picButtonAnleitung", &frmHaupt::Anleitung);
    EXPECT_EQ(f.Anleitung(), &a);
    EXPECT_FALSE(a.Text().textCursor().hasSelection());
    EXPECT_EQ(a.Text().textCursor().position(), 0);
    EXPECT_EQ(a.Text().verticalScrollBar()->value(), 0);
}

// Records the links the about window hands to the system.
class Verweise : public QObject {
    Q_OBJECT
public:
    explicit Verweise(QWidget& fenster) : fenster_(fenster) {
        for (const char* art : {"https", "mailto"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(art), this, "Oeffnen");
        }
    }
    ~Verweise() override {
        for (const char* art : {"https", "mailto"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(art));
        }
    }
    Q_INVOKABLE void Oeffnen(const QUrl& ziel) {
        Geoeffnet.push_back(ziel.toString());
        ZeigerDabei.push_back(fenster_.cursor().shape());
    }

    QStringList Geoeffnet;
    std::vector<Qt::CursorShape> ZeigerDabei;

private:
    QWidget& fenster_;
};

TEST(frmCopyright, OeffnenVerweiseUndOK) {
    Testfenster f;
    Oeffnen(f, "picButtonCopyright", &frmHaupt::Copyright);
    frmCopyright& c = *f.Copyright();
    EXPECT_EQ(c.windowTitle(), "Copyright");
    EXPECT_EQ(f.Gespielt, (std::vector<std::string>{"KLICK.WAV", "TADA.WAV"}));

    // Only the web and mail lines open something, under the hourglass.
    Verweise verweise(c);
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(&c.CR(i), Qt::LeftButton);
    }
    EXPECT_EQ(verweise.Geoeffnet,
              QStringList({c.CR(3).text(), "mailto:" + c.CR(4).text() + "?subject=Steinfall"}));
    EXPECT_EQ(verweise.ZeigerDabei, std::vector<Qt::CursorShape>(2, Qt::BusyCursor));
    EXPECT_EQ(c.cursor().shape(), Qt::ArrowCursor) << "the window's pointer back to default";
    EXPECT_EQ(c.CR(4).cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(&c.OK(), Qt::LeftButton);
    EXPECT_FALSE(c.isVisible());
    EXPECT_TRUE(f.Spielflaeche().isEnabled());
    EXPECT_EQ(f.Gespielt.back(), "KLICK.WAV");
}

} // namespace
} // namespace steinfall

#include "test_nebenfenster.moc"
