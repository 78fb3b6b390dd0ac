#include "Testfenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPushButton>
#include <QRadioButton>

namespace steinfall {
namespace {

using namespace test;

void Taste(QWidget& fenster, Qt::Key taste, Qt::KeyboardModifiers umschalt = Qt::NoModifier) {
    QTest::keyClick(fenster.windowHandle(), taste, umschalt);
}

QString Fokus() {
    QWidget* control = QApplication::focusWidget();
    return control ? control->objectName() : QString();
}

QImage Ansicht(QWidget* control) {
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Tab walks the controls in reading order, once round; each option group is
// one stop, at its chosen option.
TEST(Bedienung, TabInLesereihenfolgeUndInDieGruppeBeiDerGewaehltenOption) {
    Testfenster f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    // At start a stray Space or Return presses no button.
    EXPECT_FALSE(Fokus().startsWith("picButton")) << Fokus().toStdString();
    QStringList weg;
    for (int i = 0; i < 12; ++i) {
        Taste(f, Qt::Key_Tab);
        if (weg.contains(Fokus())) {
            break;
        }
        weg << Fokus();
    }
    // From the board on, wherever the window put the focus first.
    ASSERT_TRUE(weg.contains("picSpielfeld")) << weg.join(' ').toStdString();
    std::rotate(weg.begin(), weg.begin() + weg.indexOf("picSpielfeld"), weg.end());
    EXPECT_EQ(weg, QStringList({"picSpielfeld", "picButtonNeuesSpiel", "picButtonAnleitung",
                                "picButtonCopyright", "optAnfangSp1", "optStaerke3",
                                "picButtonExit"}));

    // Another strength chosen: Tab and Backtab enter the group there.
    QTest::mouseClick(f.Control<QRadioButton>("optStaerke4"), Qt::LeftButton);
    f.Control<QWidget>("optAnfangSp1")->setFocus();
    Taste(f, Qt::Key_Tab);
    EXPECT_EQ(Fokus(), "optStaerke4");
    Taste(f, Qt::Key_Tab);
    EXPECT_EQ(Fokus(), "picButtonExit");
    Taste(f, Qt::Key_Backtab);
    EXPECT_EQ(Fokus(), "optStaerke4");
}

// Space holds a picture button down, Return presses it briefly: the pressed
// look, the click sound and the action, as with the mouse. The focus mark
// shows only after the keyboard brought the focus.
TEST(Bedienung, BildknopfMitTastenGedruecktUndMarkeNurVonDerTastatur) {
    Testfenster f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto* knopf = f.Control<Bildflaeche>("picButtonNeuesSpiel");
    QWidget* gedrueckt = knopf->findChild<Bildflaeche*>("picButtonNeuesSpiel");
    ASSERT_NE(gedrueckt, nullptr);
    const QImage bild = Testbilder().KnopfNeuesSpiel[0].convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Ansicht(knopf), bild) << "no mark before the keyboard";
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(Ansicht(knopf), bild) << "no mark after a click";
    knopf->setFocus();
    EXPECT_EQ(Ansicht(knopf), bild) << "no mark for a focus the keys did not bring";
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    f.Gespielt.clear();

    f.Control<QWidget>("optAnfangSp1")->setFocus();
    Taste(f, Qt::Key_Backtab);
    Taste(f, Qt::Key_Backtab);
    Taste(f, Qt::Key_Backtab);
    ASSERT_TRUE(knopf->hasFocus());
    EXPECT_NE(Ansicht(knopf), bild) << "the focus mark";

    f.SteinSetzen(38, 1);
    QTest::keyPress(f.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isVisible());
    EXPECT_TRUE(f.Gespielt.empty());
    QTest::keyRelease(f.windowHandle(), Qt::Key_Space);
    EXPECT_FALSE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isHidden());
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett) << "a new game";

    f.SteinSetzen(38, 1);
    Taste(f, Qt::Key_Return);
    EXPECT_TRUE(gedrueckt->isVisible()) << "the pressed look for a moment";
    QTRY_VERIFY(gedrueckt->isHidden());
    EXPECT_EQ(f.Gespielt.size(), 2u);
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);

    // Space let go after the focus has left: no action.
    f.SteinSetzen(38, 1);
    QTest::keyPress(f.windowHandle(), Qt::Key_Space);
    Taste(f, Qt::Key_Tab);
    QTest::keyRelease(f.windowHandle(), Qt::Key_Space);
    EXPECT_FALSE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isHidden());
    EXPECT_EQ(f.Gespielt.size(), 2u);
    EXPECT_NE(f.Brett().Bild(), Testbilder().Brett);
    EXPECT_EQ(Ansicht(knopf), bild) << "the mark leaves with the focus";
}

// Screen readers find one button per picture button, without its pressed
// twin, and can press it.
TEST(Bedienung, BildknopfBietetDruckenAn) {
    Testfenster f;
    auto* knopf = f.Control<Bildflaeche>("picButtonCopyright");
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(knopf);
    ASSERT_NE(zugang->actionInterface(), nullptr);
    EXPECT_TRUE(zugang->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(zugang->childCount(), 0);
    EXPECT_TRUE(zugang->state().focusable);
    QAccessibleInterface* flaeche = zugang->parent();
    for (int i = 0; i < flaeche->childCount(); ++i) {
        EXPECT_FALSE(flaeche->child(i)->object()->objectName() == "picButtonCopyright" &&
                     flaeche->child(i) != zugang)
            << "the pressed look is no control of its own";
    }
    zugang->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_NE(f.Copyright(), nullptr);
    EXPECT_TRUE(f.Copyright()->isVisible());
    EXPECT_EQ(f.Gespielt, (std::vector<std::string>{"KLICK.WAV", "TADA.WAV"}));
}

// Escape, Return and the window manager's close leave both side windows as
// their own buttons do. They belong to the main window and stay enabled
// while the game is locked.
TEST(Bedienung, NebenfensterMitTastenUndSchliessenVerlassen) {
    Testfenster f;
    auto oeffnen = [&](const char* name) -> QWidget* {
        f.Gespielt.clear();
        QTest::mouseClick(f.Control<Bildflaeche>(name), Qt::LeftButton);
        QWidget* fenster = f.Anleitung() && f.Anleitung()->isVisible()
                               ? static_cast<QWidget*>(f.Anleitung())
                           : f.Copyright() && f.Copyright()->isVisible() ? f.Copyright()
                                                                         : nullptr;
        EXPECT_NE(fenster, nullptr);
        if (fenster) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(fenster));
            EXPECT_EQ(fenster->windowHandle()->transientParent(), f.windowHandle());
            EXPECT_TRUE(fenster->isEnabled());
            EXPECT_FALSE(f.Spielflaeche().isEnabled());
            EXPECT_EQ(fenster->frameGeometry().center(),
                      f.Spielflaeche().mapToGlobal(f.Spielflaeche().rect().center()));
        }
        return fenster;
    };
    auto verlassen = [&](QWidget* fenster, const std::function<void()>& weg) {
        ASSERT_NE(fenster, nullptr);
        f.Gespielt.clear();
        weg();
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_TRUE(f.Spielflaeche().isEnabled());
        EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    };
    for (const char* name : {"picButtonAnleitung", "picButtonCopyright"}) {
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_Return}) {
            QWidget* fenster = oeffnen(name);
            verlassen(fenster, [&] { Taste(*fenster, taste); });
        }
        QWidget* fenster = oeffnen(name);
        // The main window's close asks nothing while a side window is open.
        bool gefragt = false;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gefragt = true;
                box->button(QMessageBox::No)->click();
            }
        });
        f.close();
        EXPECT_FALSE(gefragt);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_TRUE(f.isVisible());
        verlassen(fenster, [&] { fenster->close(); });
    }
}

// The main window's close asks the quit question as "Beenden" does; Yes
// during a move ends the program there and then, its sound stopped.
TEST(Bedienung, SchliessenFragtWieBeenden) {
    Testfenster f;
    Antworten(QMessageBox::No, [&](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.text().toStdString(), f.Spielablauf().Txt().TxtBeenden);
        EXPECT_EQ(box.windowTitle().toStdString(), f.Spielablauf().Txt().TxtBeendenTitel);
    });
    f.close();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.Beendet);
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});

    f.BeimFallStart = [&] {
        f.BeimFallStart = nullptr;
        Antworten(QMessageBox::Yes);
        f.close();
        EXPECT_TRUE(f.Beendet) << "Yes ends the program while the stone falls";
        EXPECT_FALSE(f.isVisible());
    };
    QTest::mouseClick(f.Control<Bildflaeche>("picSpielfeld"), Qt::LeftButton, {}, QPoint(220, 50));
    EXPECT_TRUE(f.Beendet);
}

} // namespace
} // namespace steinfall
