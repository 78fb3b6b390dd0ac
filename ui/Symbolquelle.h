#pragma once

#include <QIconEngine>
#include <QList>
#include <QString>

namespace steinfall {

// An icon of square pictures, one file per size, read whenever a size is
// asked for and kept nowhere. The window system takes its own copy of every
// size; an icon that kept them too would hold 0.26 MB for as long as the
// game runs, the 256-pixel picture alone. For the sizes in between and for
// every mode and state it gives what an icon made with QIcon::addFile gives
// in its normal look: the nearest larger picture, smoothly scaled down.
class Symbolquelle : public QIconEngine {
public:
    // `muster` names the files, "%1" standing for the size.
    Symbolquelle(QString muster, QList<int> groessen);

    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override;
    void paint(QPainter* maler, const QRect& ort, QIcon::Mode modus, QIcon::State zustand) override;
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override;
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    // The size of the picture that serves a request for `groesse`.
    int Bildgroesse(QSize groesse) const;

    QString muster_;
    QList<int> groessen_; // ascending
};

} // namespace steinfall
