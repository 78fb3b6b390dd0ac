#include "ui/Skalierung.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace steinfall {

namespace {

// What the base style draws with lines of one pixel, whatever the metrics
// say: the options' frames and indicators, the focus frame, the buttons of
// the message boxes.
bool MitDuennenLinien(QStyle::PrimitiveElement element) {
    switch (element) {
    case QStyle::PE_FrameGroupBox:
    case QStyle::PE_IndicatorRadioButton:
    case QStyle::PE_IndicatorCheckBox:
    case QStyle::PE_FrameFocusRect:
    case QStyle::PE_PanelButtonCommand:
    case QStyle::PE_FrameDefaultButton:
        return true;
    default:
        return false;
    }
}

class SkalierterStil : public QProxyStyle {
public:
    SkalierterStil(QStyle* grund, double faktor) : QProxyStyle(grund), faktor_(faktor) {}

    int pixelMetric(PixelMetric metrik, const QStyleOption* option,
                    const QWidget* control) const override {
        const int wert = QProxyStyle::pixelMetric(metrik, option, control);
        return static_cast<int>(std::lround(wert * faktor_));
    }

    // Drawn at the designed size and enlarged as a drawing, not as pixels:
    // the lines grow with the rest. The designed rectangle is whole pixels,
    // and the enlargement fits it exactly into the scaled one.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* control) const override {
        if (!MitDuennenLinien(element) || option->rect.isEmpty()) {
            QProxyStyle::drawPrimitive(element, option, painter, control);
            return;
        }
        const QRect ziel = option->rect;
        const QSize klein(std::max(1, static_cast<int>(std::lround(ziel.width() / faktor_))),
                          std::max(1, static_cast<int>(std::lround(ziel.height() / faktor_))));
        // The option as its own type, copied on the stack, so that the base
        // style finds its fields.
        auto zeichnen = [&](auto designed) {
            designed.rect = QRect(QPoint(), klein);
            if (element == PE_FrameGroupBox) {
                // The base style places the line under the title by the font.
                QFont schrift = control ? control->font() : QApplication::font();
                schrift.setPointSizeF(schrift.pointSizeF() / faktor_);
                designed.fontMetrics = QFontMetrics(schrift);
            }
            painter->save();
            // Its lines come from a picture: whole pixels, sharp as at the designed size.
            painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
            // Not a pure scale, by a shear far below a pixel: the base style
            // would draw a pure scale's buttons once as a picture of the
            // designed size and enlarge its pixels.
            painter->setTransform(QTransform(double(ziel.width()) / klein.width(), 1e-9, 1e-9,
                                             double(ziel.height()) / klein.height(), ziel.x(),
                                             ziel.y()),
                                  true);
            QProxyStyle::drawPrimitive(element, &designed, painter, control);
            painter->restore();
        };
        if (const auto* rahmen = qstyleoption_cast<const QStyleOptionFrame*>(option);
            rahmen && element == PE_FrameGroupBox) {
            zeichnen(*rahmen);
        } else if (const auto* fokus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
                   fokus && element == PE_FrameFocusRect) {
            zeichnen(*fokus);
        } else if (const auto* knopf = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            zeichnen(*knopf);
        } else {
            zeichnen(*option);
        }
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
