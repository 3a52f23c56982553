// SPDX-License-Identifier: GPL-3.0-or-later
// Setting a main-window field by its object name, shared by the script host (ostc.set) and
// bathyra-cli (--set NAME=VALUE): which kind of field it is, the special text of a spin box
// ("Reset", "None") standing for its minimum, and a number put into a spin box (an integer
// box truncates toward zero; both hold the value to their range). Each caller words its own
// errors.
#pragma once

#include <QString>

class QWidget;

namespace widget_values
{

enum class Kind { None, Toggle, IntegerBox, DecimalBox };

// Check boxes and radio buttons are toggles; other checkable buttons too.
Kind kindOf(const QWidget* widget);
// True, with the box at its minimum, when text is the box's special text.
bool setSpecialText(QWidget* box, const QString& text);
// A finite number into a spin box of either kind.
void setNumber(QWidget* box, double value);
void setToggle(QWidget* button, bool on);

} // namespace widget_values
