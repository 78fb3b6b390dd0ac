#include "Testfenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

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
    EXPECT_EQ(weg,
              QStringList({"picSpielfeld", "picButtonNeuesSpiel", "picButtonAnleitung",
                           "picButtonCopyright", "optAnfangSp1", "optStaerke3", "picButtonExit"}));

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

TEST(Zugang, JedesControlMitRolleUndNamen) {
    Testfenster f;
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonAnleitung"), Qt::LeftButton);
    frmAnleitung& a = *f.Anleitung();
    auto* text = a.findChild<QPlainTextEdit*>("txtAnleitung");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(text)
                    ->text(QAccessible::Value)
                    .contains("Viel Spaß beim Knobeln"));
    a.Zurueck().MouseDown();
    a.Zurueck().MouseUp(1, 1);
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonCopyright"), Qt::LeftButton);
    frmCopyright& c = *f.Copyright();

    const std::vector<std::tuple<QWidget*, QAccessible::Role, QString>> controls = {
        {f.Control<QWidget>("picButtonNeuesSpiel"), QAccessible::Button, "Neues Spiel"},
        {f.Control<QWidget>("picButtonAnleitung"), QAccessible::Button, "Anleitung"},
        {f.Control<QWidget>("picButtonCopyright"), QAccessible::Button, "Info"},
        {f.Control<QWidget>("picButtonExit"), QAccessible::Button, "Beenden"},
        {f.Control<QWidget>("frAnfang"), QAccessible::Grouping, "Wer beginnt ?"},
        {f.Control<QWidget>("optAnfangSp2"), QAccessible::RadioButton, "Computer"},
        {f.Control<QWidget>("frSpielstaerke"), QAccessible::Grouping, "Spielstärke :"},
        {f.Control<QWidget>("optStaerke1"), QAccessible::RadioButton, "Anfänger"},
        {f.Control<QWidget>("lblStatus"), QAccessible::StatusBar,
         "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen."},
        {f.Control<QWidget>("picSpielfeld"), QAccessible::Graphic, "Spielbrett"},
        {&a.Zurueck().Item(0), QAccessible::Button, "Zurück"},
        {text, QAccessible::EditableText, "Anleitung"},
        {&c.CR(0), QAccessible::StaticText, "Morvell Software"},
        {&c.CR(3), QAccessible::Link, c.CR(3).text()},
        {&c.CR(4), QAccessible::Link, c.CR(4).text()},
        {c.findChild<QLabel*>("lblReg"), QAccessible::StaticText, "FREEWARE"},
        {&c.OK(), QAccessible::Button, "OK"},
    };
    for (const auto& [control, rolle, name] : controls) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(control);
        EXPECT_EQ(zugang->role(), rolle) << name.toStdString();
        EXPECT_EQ(zugang->text(QAccessible::Name), name);
    }
}

TEST(Zugang, BrettNenntDieStellung) {
    Testfenster f;
    auto* brett = f.Control<Bildflaeche>("picSpielfeld");
    auto stellung = [&] {
        return QAccessible::queryAccessibleInterface(brett)->text(QAccessible::Description);
    };
    EXPECT_EQ(stellung(), "Spalte 1: leer; Spalte 2: leer; Spalte 3: leer; Spalte 4: leer; "
                          "Spalte 5: leer; Spalte 6: leer; Spalte 7: leer");
    // Column 4: the human's stone at its bottom, the computer's answer somewhere.
    QTest::mouseClick(brett, Qt::LeftButton, {}, QPoint(220, 50));
    EXPECT_TRUE(stellung().contains("Spalte 4: Spieler")) << stellung().toStdString();
    EXPECT_EQ(stellung().count("Spieler"), 1);
    EXPECT_EQ(stellung().count("Computer"), 1);
}

} // namespace
} // namespace steinfall
