#include "ui/Bildknopf.h"

#include "core/Fenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Zugang.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace steinfall {

namespace {

using namespace std::chrono_literals;

// A picture of the button that draws the focus mark over itself.
class Knopfbild : public Bildflaeche {
public:
    Knopfbild(QWidget* eltern, const QImage* bild, const Bildknopf& knopf)
        : Bildflaeche(eltern, bild), knopf_(knopf) {}

protected:
    void paintEvent(QPaintEvent* ereignis) override {
        Bildflaeche::paintEvent(ereignis);
        if (!knopf_.FokusZeigen()) {
            return;
        }
        // A dotted line in the caption's white, inside the rounded edge; it
        // grows with the button.
        QPainter maler(this);
        const int rand = std::max(2, height() / 9);
        QPen stift(Qt::white, std::max(1, height() / 27), Qt::DotLine);
        maler.setPen(stift);
        maler.drawRect(rect().adjusted(rand, rand, -rand - 1, -rand - 1));
    }

private:
    const Bildknopf& knopf_;
};

} // namespace

Bildknopf::Bildknopf(QWidget* eltern, const std::array<QImage, 2>& bilder, const char* name,
                     QRect ort, const Masstab& masstab, bool& knopfGedrueckt, Fenster& haupt,
                     std::function<void()> aktion)
    : QObject(eltern), masstab_(masstab), knopfGedrueckt_(knopfGedrueckt), haupt_(haupt),
      aktion_(std::move(aktion)) {
    // Item 1 lies on item 0, so that it goes where item 0 goes.
    items_[0] = new Knopfbild(eltern, &bilder[0], *this);
    items_[1] = new Knopfbild(items_[0], &bilder[1], *this);
    items_[0]->setGeometry(ort);
    items_[1]->setGeometry(items_[0]->rect());
    for (Bildflaeche* item : items_) {
        item->setObjectName(QString::fromLatin1(name));
        // Both items answer alike: the mouse stays with the one pressed.
        auto twips = [this](QPointF pixel) {
            return QPointF(pixel.x() * masstab_.TwipsProPixelX,
                           pixel.y() * masstab_.TwipsProPixelY);
        };
        // Any mouse button presses; the shift keys are not looked at.
        connect(item, &Bildflaeche::MouseDown, this, [this] { MouseDown(); });
        connect(item, &Bildflaeche::MouseMove, this,
                [=, this](int, int, QPointF p) { MouseMove(twips(p).x(), twips(p).y()); });
        connect(item, &Bildflaeche::MouseUp, this,
                [=, this](int, int, QPointF p) { MouseUp(twips(p).x(), twips(p).y()); });
    }
    items_[1]->hide();
    // Only the keyboard gives the focus: a click leaves it where it is.
    items_[0]->setFocusPolicy(Qt::TabFocus);
    items_[0]->installEventFilter(this);
    DrueckenAnbieten(*items_[0], [this] {
        if (!knopfGedrueckt_) {
            Ausloesen();
        }
    });
    eingabetaste_.setSingleShot(true);
    eingabetaste_.setInterval(100ms);
    connect(&eingabetaste_, &QTimer::timeout, this, [this] { MouseUp(0, 0); });
}

void Bildknopf::Beschriften(const QString& beschriftung) {
    RolleSetzen(*items_[0], QAccessible::Button, beschriftung);
}

bool Bildknopf::FokusZeigen() const {
    return items_[0]->hasFocus() && items_[0]->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

bool Bildknopf::Innerhalb(float x, float y) const {
    const double breite = items_[0]->width() * masstab_.TwipsProPixelX;
    const double hoehe = items_[0]->height() * masstab_.TwipsProPixelY;
    return !(x < 0 || y < 0 || x > breite || y > hoehe);
}

void Bildknopf::MouseDown() {
    items_[1]->show();
    knopfGedrueckt_ = true;
}

void Bildknopf::MouseMove(float x, float y) {
    if (!knopfGedrueckt_) {
        return;
    }
    const bool innen = Innerhalb(x, y);
    if (!innen && !items_[1]->isHidden()) {
        items_[1]->hide();
    } else if (innen && items_[1]->isHidden()) {
        items_[1]->show();
    }
}

void Bildknopf::MouseUp(float x, float y) {
    if (!knopfGedrueckt_) {
        return;
    }
    knopfGedrueckt_ = false;
    if (!Innerhalb(x, y)) {
        return;
    }
    Ausloesen();
}

void Bildknopf::Ausloesen() {
    items_[1]->hide();
    haupt_.PlaySound("KLICK.WAV");
    aktion_();
}

void Bildknopf::KurzDruecken() {
    if (!knopfGedrueckt_) {
        MouseDown();
        eingabetaste_.start();
    }
}

bool Bildknopf::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::Resize:
        items_[1]->setGeometry(items_[0]->rect());
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return Taste(*static_cast<QKeyEvent*>(ereignis));
    case QEvent::FocusIn:
        items_[0]->update();
        break;
    case QEvent::FocusOut:
        // Space let go elsewhere: the press ends without action.
        if (leertasteGedrueckt_) {
            leertasteGedrueckt_ = false;
            MouseUp(-1, -1);
            items_[1]->hide();
        }
        items_[0]->update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objekt, ereignis);
}

bool Bildknopf::Taste(const QKeyEvent& taste) {
    const bool druck = taste.type() == QEvent::KeyPress;
    if (taste.key() == Qt::Key_Space) {
        if (taste.isAutoRepeat()) {
            return true;
        }
        if (druck && !knopfGedrueckt_) {
            leertasteGedrueckt_ = true;
            MouseDown();
        } else if (!druck && leertasteGedrueckt_) {
            leertasteGedrueckt_ = false;
            MouseUp(0, 0);
        }
        return true;
    }
    if (taste.key() == Qt::Key_Return || taste.key() == Qt::Key_Enter) {
        if (druck && !taste.isAutoRepeat()) {
            KurzDruecken();
        }
        return true;
    }
    return false;
}

} // namespace steinfall
