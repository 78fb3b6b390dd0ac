#include "ui/Skalierung.h"

#include <QApplication>
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
