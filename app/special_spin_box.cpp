// SPDX-License-Identifier: GPL-3.0-or-later
// The spin box with a typed special-value text: see special_spin_box.h.
#include "app/special_spin_box.h"

QString SpecialSpinBox::typed(const QString& text) const
{
    QString t = text;
    if (!suffix().isEmpty() && t.endsWith(suffix()))
        t.chop(suffix().size());
    if (!prefix().isEmpty() && t.startsWith(prefix()))
        t.remove(0, prefix().size());
    return t.trimmed();
}

QValidator::State SpecialSpinBox::validate(QString& text, int& pos) const
{
    const QString special = specialValueText();
    const QString t = typed(text);
    // The special texts are words: a number, or its sign alone, is never taken for one.
    if (!special.isEmpty() && !t.isEmpty() && t.at(0).isLetter()) {
        if (t.compare(special, Qt::CaseInsensitive) == 0) {
            text = special;
            pos = std::min(pos, static_cast<int>(text.size()));
            return QValidator::Acceptable;
        }
        if (special.startsWith(t, Qt::CaseInsensitive))
            return QValidator::Intermediate;
    }
    return QSpinBox::validate(text, pos);
}

int SpecialSpinBox::valueFromText(const QString& text) const
{
    const QString special = specialValueText();
    if (!special.isEmpty() && typed(text).compare(special, Qt::CaseInsensitive) == 0)
        return minimum();
    return QSpinBox::valueFromText(text);
}
