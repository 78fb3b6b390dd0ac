#include "ui/Zugang.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace steinfall {

namespace {

const char* const RollenEigenschaft = "steinfallRolle";

class Zugang : public QAccessibleWidget {
public:
    Zugang(QWidget* control, QAccessible::Role rolle) : QAccessibleWidget(control, rolle) {}

    QString text(QAccessible::Text art) const override {
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (art == QAccessible::Name && label && widget()->accessibleName().isEmpty()) {
            return label->text();
        }
        return QAccessibleWidget::text(art);
    }
};

QAccessibleInterface* Fabrik(const QString& /*klasse*/, QObject* objekt) {
    auto* control = qobject_cast<QWidget*>(objekt);
    const QVariant rolle = objekt->property(RollenEigenschaft);
    if (!control || !rolle.isValid()) {
        return nullptr;
    }
    return new Zugang(control, static_cast<QAccessible::Role>(rolle.toInt()));
}

} // namespace

void RolleSetzen(QWidget& control, QAccessible::Role rolle, const QString& name) {
    static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
    (void)eingerichtet;
    control.setProperty(RollenEigenschaft, static_cast<int>(rolle));
    if (!name.isEmpty()) {
        control.setAccessibleName(name);
    }
}

} // namespace steinfall
