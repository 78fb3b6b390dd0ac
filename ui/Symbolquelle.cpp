#include "ui/Symbolquelle.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace steinfall {

Symbolquelle::Symbolquelle(QString muster, QList<int> groessen)
    : muster_(std::move(muster)), groessen_(std::move(groessen)) {
    std::sort(groessen_.begin(), groessen_.end());
}

int Symbolquelle::Bildgroesse(QSize groesse) const {
    const int verlangt = std::max(groesse.width(), groesse.height());
    const auto passend = std::lower_bound(groessen_.begin(), groessen_.end(), verlangt);
    return passend == groessen_.end() ? groessen_.back() : *passend;
}

QSize Symbolquelle::actualSize(const QSize& groesse, QIcon::Mode, QIcon::State) {
    // Never enlarged: a request above the largest picture gets that one.
    const int seite = Bildgroesse(groesse);
    QSize bild(seite, seite);
    if (bild.width() > groesse.width() || bild.height() > groesse.height()) {
        bild.scale(groesse, Qt::KeepAspectRatio);
    }
    return bild;
}

QPixmap Symbolquelle::pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) {
    if (groessen_.isEmpty() || groesse.isEmpty()) {
        return {};
    }
    // Read as a picture: a pixmap read from a file stays in Qt's pixmap
    // cache. Scaled as a pixmap, as an icon of files scales it.
    QPixmap bild = QPixmap::fromImage(QImage(muster_.arg(Bildgroesse(groesse))));
    const QSize ziel = actualSize(groesse, modus, zustand);
    if (!bild.isNull() && bild.size() != ziel) {
        bild = bild.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return bild;
}

void Symbolquelle::paint(QPainter* maler, const QRect& ort, QIcon::Mode modus,
                         QIcon::State zustand) {
    const double verhaeltnis = maler->device() ? maler->device()->devicePixelRatioF() : 1;
    QPixmap bild = pixmap(ort.size() * verhaeltnis, modus, zustand);
    bild.setDevicePixelRatio(verhaeltnis);
    maler->drawPixmap(ort, bild);
}

QList<QSize> Symbolquelle::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> groessen;
    for (const int g : groessen_) {
        groessen.append(QSize(g, g));
    }
    return groessen;
}

QIconEngine* Symbolquelle::clone() const {
    return new Symbolquelle(*this);
}

QString Symbolquelle::key() const {
    return QStringLiteral("Symbolquelle");
}

} // namespace steinfall
