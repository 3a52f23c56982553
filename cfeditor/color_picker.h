// SPDX-License-Identifier: GPL-3.0-or-later
// The colour swatch of the custom function editor: a label showing the colour of one
// 8-bit colour custom function (3 bits red, 3 green, 2 blue), which opens the colour
// chooser when clicked.
//
// Entry points: ColorPicker::rawToColor, colorToRaw, setColor, color.
#pragma once

#include <QColor>
#include <QLabel>

class ColorPicker : public QLabel
{
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent = nullptr);

    // The device's 8-bit RRRGGGBB value and a 32-bit RGB colour, both ways.
    static QRgb rawToColor(quint8 raw);
    static quint8 colorToRaw(QRgb color);

    // The exact colour chosen; it is reduced to 8 bits only when read back as raw.
    QRgb color() const { return color_; }
    void setColor(QRgb color);

signals:
    void colorChanged(QRgb color);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QRgb color_ = qRgb(0, 0, 0);
};
