#include "ui/Bildknopf.h"

#include "core/Fenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Zugang.h"

namespace steinfall {

Bildknopf::Bildknopf(QWidget* eltern, const std::array<QImage, 2>& bilder, const char* name,
                     QRect ort, const Masstab& masstab, bool& knopfGedrueckt, Fenster& haupt,
                     std::function<void()> aktion)
    : QObject(eltern), masstab_(masstab), knopfGedrueckt_(knopfGedrueckt), haupt_(haupt),
      aktion_(std::move(aktion)) {
    for (int i = 0; i < 2; ++i) {
        auto* item = new Bildflaeche(eltern, &bilder[i]);
        item->setObjectName(QString::fromLatin1(name));
        item->setGeometry(ort);
        items_[i] = item;
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
}

void Bildknopf::Beschriften(const QString& beschriftung) {
    for (Bildflaeche* item : items_) {
        RolleSetzen(*item, QAccessible::Button, beschriftung);
    }
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
    items_[1]->hide();
    haupt_.PlaySound("KLICK.WAV");
    aktion_();
}

} // namespace steinfall
