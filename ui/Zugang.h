#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

namespace steinfall {

// Gives a control a role for screen readers that its class does not have,
// such as a picture that acts as a push button, and a name when its own
// text does not say it. A label keeps its text as its name.
void RolleSetzen(QWidget& control, QAccessible::Role rolle, const QString& name = {});

// Offers `druecken` to screen readers as the control's press action. A
// control with this role of a button shows no parts of its own: a picture
// button's pressed look is not a control of its own.
void DrueckenAnbieten(QWidget& control, std::function<void()> druecken);

} // namespace steinfall
