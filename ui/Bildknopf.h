#pragma once

#include "ui/Masstab.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QTimer>

#include <array>
#include <functional>

class QKeyEvent;

namespace steinfall {

class Bildflaeche;
class Fenster;

// A button drawn as two pictures at one place: item 0 the normal look, item 1
// the pressed look (hidden at start). Any mouse button presses it; it looks
// pressed exactly while the held pointer is over it and acts only when
// released over itself. All picture buttons share one flag, so only one can
// be held at a time. The handlers take no item index, mouse button or shift
// state: they are not looked at.
//
// Tab reaches item 0; Space presses while held, Return presses briefly, and
// screen readers get a press action: each with the pressed look and the click
// sound, as with the mouse. Item 1 lies on item 0 as a part of it.
//
//     Bildknopf knopf(container, bilder, "picButtonNeuesSpiel", ort, masstab,
//                     haupt.KnopfGedrueckt, haupt, [&] { spiel.NeuesSpiel(); });
class Bildknopf : public QObject {
    Q_OBJECT
public:
    Bildknopf(QWidget* eltern, const std::array<QImage, 2>& bilder, const char* name, QRect ort,
              const Masstab& masstab, bool& knopfGedrueckt, Fenster& haupt,
              std::function<void()> aktion);

    Bildflaeche& Item(int index) const { return *items_[index]; }

    // The caption drawn on the pictures, for screen readers.
    void Beschriften(const QString& beschriftung);

    // Any mouse button presses. Positions in twips in the button's own
    // coordinates.
    void MouseDown();
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

    // What a release over the button does: the normal look, the click
    // sound, the action.
    void Ausloesen();

    // A press of a moment, as Return gives it: the pressed look, then the
    // release. Nothing while a picture button is held.
    void KurzDruecken();

    // The focus mark shows: the keyboard brought the focus here.
    bool FokusZeigen() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Item 0's area, its edges included.
    bool Innerhalb(float x, float y) const;
    bool Taste(const QKeyEvent& taste);

    std::array<Bildflaeche*, 2> items_{};
    Masstab masstab_;
    bool& knopfGedrueckt_;
    Fenster& haupt_;
    std::function<void()> aktion_;
    // Space holds the button down as a mouse button does.
    bool leertasteGedrueckt_ = false;
    // Return shows the pressed look this long before it acts.
    QTimer eingabetaste_;
};

} // namespace steinfall
