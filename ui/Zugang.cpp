#include "ui/Zugang.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace steinfall {

namespace {

const char* const RollenEigenschaft = "steinfallRolle";

// Holds a control's press action; a child of the control, gone with it.
class Druecker : public QObject {
public:
    Druecker(QObject* control, std::function<void()> druecken)
        : QObject(control), druecken_(std::move(druecken)) {}
    void Druecken() const { druecken_(); }

private:
    std::function<void()> druecken_;
};

const Druecker* DrueckerVon(const QObject* control) {
    for (QObject* kind : control->children()) {
        if (const auto* druecker = dynamic_cast<const Druecker*>(kind)) {
            return druecker;
        }
    }
    return nullptr;
}

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

    // A pressable control is one whole: its pictures are no parts of it.
    int childCount() const override { return Drueckbar() ? 0 : QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        return Drueckbar() ? nullptr : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return Drueckbar() ? -1 : QAccessibleWidget::indexOfChild(kind);
    }

    QStringList actionNames() const override {
        QStringList namen = QAccessibleWidget::actionNames();
        if (Drueckbar()) {
            namen.prepend(pressAction());
        }
        return namen;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Drueckbar() && widget()->isEnabled()) {
            DrueckerVon(widget())->Druecken();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    bool Drueckbar() const { return DrueckerVon(widget()) != nullptr; }
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

void DrueckenAnbieten(QWidget& control, std::function<void()> druecken) {
    new Druecker(&control, std::move(druecken));
}

} // namespace steinfall
