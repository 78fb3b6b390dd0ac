#include "ui/Skalierung.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>

#include <cmath>

namespace steinfall {

namespace {

class SkalierterStil : public QProxyStyle {
public:
    SkalierterStil(QStyle* grund, double faktor) : QProxyStyle(grund), faktor_(faktor) {}

    int pixelMetric(PixelMetric metrik, const QStyleOption* option,
                    const QWidget* control) const override {
        const int wert = QProxyStyle::pixelMetric(metrik, option, control);
        return static_cast<int>(std::lround(wert * faktor_));
    }

    // Icons of fixed sizes, such as the message boxes' without an icon
    // theme, do not grow to a larger metric by themselves.
    QIcon standardIcon(StandardPixmap art, const QStyleOption* option,
                       const QWidget* control) const override {
        const QIcon icon = QProxyStyle::standardIcon(art, option, control);
        const QList<QSize> groessen = icon.availableSizes();
        if (groessen.isEmpty()) {
            return icon; // drawn for any size
        }
        QIcon gross;
        for (const QSize& groesse : groessen) {
            gross.addPixmap(icon.pixmap(groesse).scaled(groesse * faktor_, Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation));
        }
        return gross;
    }

private:
    double faktor_;
};

} // namespace

void Skalieren(double faktor) {
    // A window made earlier at another scale may have left its style behind.
    auto* frueher = dynamic_cast<SkalierterStil*>(QApplication::style());
    if (faktor == 1 && !frueher) {
        return;
    }
    const QString grund = frueher ? frueher->baseStyle()->name() : QApplication::style()->name();
    // The proxy owns its base style, the application the proxy.
    QApplication::setStyle(faktor == 1 ? QStyleFactory::create(grund)
                                       : new SkalierterStil(QStyleFactory::create(grund), faktor));
}

} // namespace steinfall
