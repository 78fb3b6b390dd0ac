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

#include <functional>
#include <tuple>
#include <vector>

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

// Any button presses; off the button the normal look comes back, the edges
// count as on it. Only a press released over the button runs the action.
TEST(Bildknopf, LoestNurAusWennUeberSichLosgelassen) {
    Testfenster f;
    auto* knopf = f.Control<Bildflaeche>("picButtonNeuesSpiel");
    // Item 1 is the other child of the same name.
    QWidget* gedrueckt =
        knopf->parentWidget()->findChildren<Bildflaeche*>("picButtonNeuesSpiel")[1];
    const double b = knopf->width();
    const double h = knopf->height();
    f.SteinSetzen(38, 1); // a new game would clear it
    const auto druck = QEvent::MouseButtonPress;
    const auto zug = QEvent::MouseMove;
    const auto los = QEvent::MouseButtonRelease;
    const std::vector<std::tuple<QEvent::Type, QPointF, Qt::MouseButton, bool>> schritte = {
        {zug, {5, 5}, Qt::LeftButton, false},        {druck, {5, 5}, Qt::RightButton, true},
        {zug, {-0.5, 5}, Qt::RightButton, false},    {zug, {b, h}, Qt::RightButton, true},
        {zug, {5, h + 0.5}, Qt::RightButton, false}, {los, {5, h + 0.5}, Qt::RightButton, false},
        {los, {5, 5}, Qt::LeftButton, false},        {druck, {5, 5}, Qt::MiddleButton, true},
        {zug, {b + 1, 5}, Qt::MiddleButton, false},  {zug, {0, 0}, Qt::MiddleButton, true},
    };
    bool gehalten = false;
    for (const auto& [art, ort, maustaste, sichtbar] : schritte) {
        Maus(knopf, art, ort, maustaste);
        gehalten = art == druck || (gehalten && art == zug);
        EXPECT_EQ(!gedrueckt->isHidden(), sichtbar) << art << " at " << ort.x() << "," << ort.y();
        EXPECT_EQ(f.KnopfGedrueckt, gehalten) << art << " at " << ort.x() << "," << ort.y();
    }
    EXPECT_TRUE(f.Gespielt.empty());
    EXPECT_NE(f.Brett().Bild(), Testbilder().Brett);
    Maus(knopf, los, {0, 0}, Qt::MiddleButton);
    EXPECT_FALSE(f.KnopfGedrueckt);
    EXPECT_TRUE(gedrueckt->isHidden());
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);
}

// Tab walks the controls in reading order, once round, from the board where
// a stray Space or Return presses no button. Each option group is one stop,
// at its chosen option.
TEST(Bedienung, TabInLesereihenfolgeUndInDieGruppeBeiDerGewaehltenOption) {
    Testfenster f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QStringList weg{Fokus()};
    for (int i = 0; i < 7; ++i) {
        Taste(f, Qt::Key_Tab);
        weg << Fokus();
    }
    EXPECT_EQ(weg, QStringList({"picSpielfeld", "picButtonNeuesSpiel", "picButtonAnleitung",
                                "picButtonCopyright", "optAnfangSp1", "optStaerke3",
                                "picButtonExit", "picSpielfeld"}));

    QTest::mouseClick(f.Control<QRadioButton>("optStaerke4"), Qt::LeftButton);
    f.Control<QWidget>("optAnfangSp1")->setFocus();
    Taste(f, Qt::Key_Tab);
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
    knopf->setFocus();
    EXPECT_EQ(Ansicht(knopf), bild) << "no mark for a focus the keys did not bring";
    f.Control<QWidget>("optAnfangSp1")->setFocus();
    for (int i = 0; i < 3; ++i) {
        Taste(f, Qt::Key_Backtab);
    }
    ASSERT_TRUE(knopf->hasFocus());
    EXPECT_NE(Ansicht(knopf), bild) << "the focus mark";

    f.SteinSetzen(38, 1);
    QTest::keyPress(f.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(gedrueckt->isVisible());
    EXPECT_TRUE(f.Gespielt.empty());
    QTest::keyRelease(f.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(gedrueckt->isHidden());
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett) << "a new game";

    f.SteinSetzen(38, 1);
    Taste(f, Qt::Key_Return);
    EXPECT_TRUE(gedrueckt->isVisible()) << "the pressed look for a moment";
    ASSERT_TRUE(QTest::qWaitFor([&] { return gedrueckt->isHidden(); }));
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
// their own buttons do. They belong to the main window, open over the game's
// middle and stay enabled while the game is locked; the main window's close
// asks nothing meanwhile.
TEST(Bedienung, NebenfensterMitTastenUndSchliessenVerlassen) {
    Testfenster f;
    for (const char* name : {"picButtonAnleitung", "picButtonCopyright"}) {
        for (int weg = 0; weg < 3; ++weg) {
            QTest::mouseClick(f.Control<Bildflaeche>(name), Qt::LeftButton);
            QWidget* fenster = f.Anleitung() && f.Anleitung()->isVisible()
                                   ? static_cast<QWidget*>(f.Anleitung())
                                   : f.Copyright();
            ASSERT_TRUE(fenster && QTest::qWaitForWindowActive(fenster));
            EXPECT_EQ(fenster->windowHandle()->transientParent(), f.windowHandle());
            EXPECT_TRUE(fenster->isEnabled());
            EXPECT_FALSE(f.Spielflaeche().isEnabled());
            EXPECT_EQ(fenster->frameGeometry().center(),
                      f.Spielflaeche().mapToGlobal(f.Spielflaeche().rect().center()));
            f.Gespielt.clear();
            if (weg < 2) {
                Taste(*fenster, weg == 0 ? Qt::Key_Escape : Qt::Key_Return);
            } else {
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
                fenster->close();
            }
            EXPECT_FALSE(fenster->isVisible()) << name << " " << weg;
            EXPECT_TRUE(f.Spielflaeche().isEnabled());
            EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
        }
    }
}

// "Beenden" and the main window's close ask the same question; No keeps the
// game. Yes during a move ends the program there and then, its sound stopped.
TEST(Bedienung, BeendenUndSchliessenFragen) {
    Testfenster f;
    f.SteinSetzen(38, 1);
    const QImage mitStein = f.Brett().Bild();
    auto* beenden = f.Control<Bildflaeche>("picButtonExit");
    for (const bool knopf : {true, false}) {
        f.Gespielt.clear();
        Antworten(QMessageBox::No, [&](QMessageBox& box) {
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            EXPECT_EQ(box.text().toStdString(), f.Spielablauf().Txt().TxtBeenden);
            EXPECT_EQ(box.windowTitle().toStdString(), f.Spielablauf().Txt().TxtBeendenTitel);
        });
        knopf ? QTest::mouseClick(beenden, Qt::LeftButton) : void(f.close());
        EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(f.Beendet);
        EXPECT_EQ(f.Brett().Bild(), mitStein);
    }

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

// The desktop's shortcuts press their picture button for a moment: the
// pressed look, then its sound and action. A held one presses once. While a
// side window is open they do nothing, whichever window gets them.
TEST(Bedienung, KurzbefehleDrueckenIhrenKnopf) {
    Testfenster f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto gedrueckt = [&](const char* name) {
        return f.Control<Bildflaeche>(name)->findChild<Bildflaeche*>(name);
    };
    Abwimmeln nein;
    const QStringList& fragen = nein.Fragen;

    f.SteinSetzen(38, 1);
    Taste(f, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(gedrueckt("picButtonNeuesSpiel")->isVisible());
    EXPECT_TRUE(f.Gespielt.empty()) << "the sound comes with the release";
    ASSERT_TRUE(QTest::qWaitFor([&] { return gedrueckt("picButtonNeuesSpiel")->isHidden(); }));
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett) << "a new game";
    // The key still held: X repeats it as release and press.
    for (const bool druck : {false, true}) {
        QTest::simulateEvent(f.windowHandle(), druck, Qt::Key_N, Qt::ControlModifier, {}, true);
    }
    EXPECT_FALSE(f.KnopfGedrueckt) << "a held shortcut presses once";

    Taste(f, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fragen.isEmpty(); }));
    EXPECT_EQ(fragen.size(), 1);
    EXPECT_EQ(fragen[0].toStdString(),
              f.Spielablauf().Txt().TxtBeendenTitel + ": " + f.Spielablauf().Txt().TxtBeenden);
    EXPECT_FALSE(f.Beendet);

    using Seitenfenster = std::function<QWidget*()>;
    const std::vector<std::tuple<Qt::KeyboardModifier, Seitenfenster, const char*>> hilfe = {
        {Qt::NoModifier, [&] { return f.Anleitung(); }, "ANLEITUN.WAV"},
        {Qt::ShiftModifier, [&] { return f.Copyright(); }, "TADA.WAV"}};
    for (const auto& [umschalt, oeffnen, klang] : hilfe) {
        f.Gespielt.clear();
        Taste(f, Qt::Key_F1, umschalt);
        ASSERT_TRUE(QTest::qWaitFor([&] { return oeffnen() && oeffnen()->isVisible(); }));
        QWidget* fenster = oeffnen();
        EXPECT_EQ(f.Gespielt, (std::vector<std::string>{"KLICK.WAV", klang}));
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
        for (QWidget* ziel : {static_cast<QWidget*>(&f), fenster}) {
            for (const auto& [t, u] : {std::pair{Qt::Key_N, Qt::ControlModifier},
                                       {Qt::Key_Q, Qt::ControlModifier},
                                       {Qt::Key_F1, Qt::NoModifier},
                                       {Qt::Key_F1, Qt::ShiftModifier}}) {
                Taste(*ziel, t, u);
                EXPECT_FALSE(f.KnopfGedrueckt) << t << " " << u << " with a side window open";
            }
        }
        EXPECT_EQ(f.Gespielt.size(), 2u);
        EXPECT_EQ(fragen.size(), 1);
        EXPECT_TRUE(fenster->isVisible());
        Taste(*fenster, Qt::Key_Escape);
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_TRUE(f.Spielflaeche().isEnabled());
    }
    EXPECT_EQ(f.Anleitung()->isVisible() || f.Copyright()->isVisible(), false);
}

TEST(Zugang, JedesControlMitRolleUndNamen) {
    Testfenster f;
    frmAnleitung a(f);
    frmCopyright c(f);
    auto* text = a.findChild<QPlainTextEdit*>("txtAnleitung");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(text)
                    ->text(QAccessible::Value)
                    .contains("Viel Spaß beim Knobeln"));

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

} // namespace
} // namespace steinfall
