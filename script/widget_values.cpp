// SPDX-License-Identifier: GPL-3.0-or-later
// Setting a main-window field by name: see widget_values.h.
#include "script/widget_values.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <cmath>

namespace widget_values
{

Kind kindOf(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->isCheckable() ? Kind::Toggle : Kind::None;
    if (qobject_cast<const QSpinBox*>(widget))
        return Kind::IntegerBox;
    if (qobject_cast<const QDoubleSpinBox*>(widget))
        return Kind::DecimalBox;
    return Kind::None;
}

bool setSpecialText(QWidget* box, const QString& text)
{
    auto* spin = qobject_cast<QAbstractSpinBox*>(box);
    if (!spin || spin->specialValueText().isEmpty() || text != spin->specialValueText())
        return false;
    if (auto* integer = qobject_cast<QSpinBox*>(box))
        integer->setValue(integer->minimum());
    else if (auto* decimal = qobject_cast<QDoubleSpinBox*>(box))
        decimal->setValue(decimal->minimum());
    return true;
}

void setNumber(QWidget* box, double value)
{
    if (auto* decimal = qobject_cast<QDoubleSpinBox*>(box)) {
        decimal->setValue(value);
    } else if (auto* integer = qobject_cast<QSpinBox*>(box)) {
        const double t = std::trunc(value); // toward zero; the box holds it to its range
        integer->setValue(t > 2e9 ? 2000000000 : (t < -2e9 ? -2000000000 : static_cast<int>(t)));
    }
}

void setToggle(QWidget* button, bool on)
{
    if (auto* b = qobject_cast<QAbstractButton*>(button))
        b->setChecked(on);
}

} // namespace widget_values
