// SPDX-License-Identifier: GPL-3.0-or-later
// A spin box whose special-value text ("Reset", "None") is typed like any value: a beginning of
// it is taken while it is typed, and the whole text, in any letter case, stands for the minimum.
// The form's interval, gas switch delay and extra time fields are of this kind.
#pragma once

#include <QSpinBox>

class SpecialSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;

private:
    // The text without prefix, suffix and surrounding blanks.
    QString typed(const QString& text) const;
};
