#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace steinfall {

// Gives a control a role for screen readers that its class does not have,
// such as a picture that acts as a push button, and a name when its own
// text does not say it. A label keeps its text as its name.
void RolleSetzen(QWidget& control, QAccessible::Role rolle, const QString& name = {});

} // namespace steinfall
