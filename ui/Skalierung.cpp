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
    if (faktor == 1) {
        return;
    }
    // The proxy owns its base style, the application the proxy.
    QApplication::setStyle(
        new SkalierterStil(QStyleFactory::create(QApplication::style()->name()), faktor));
}

} // namespace steinfall
