// SPDX-License-Identifier: GPL-3.0-or-later
// The colour swatch of the custom function editor and the conversions between the
// device's 8-bit colours and RGB.
//
// Entry points: ColorPicker::rawToColor, colorToRaw, setColor.
#include "cfeditor/color_picker.h"

#include <QColorDialog>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

ColorPicker::ColorPicker(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("CF color"));
    retranslate();
    // The chooser offers the device's four factory colours (raw 0xC7, 0xFF, 0x3E, 0xE0).
    const QRgb factory[] = {0xDB24FF, 0xFFFFFF, 0x24FFAA, 0xFF0000};
    for (int i = 0; i < 4; ++i)
        QColorDialog::setCustomColor(i, QColor(factory[i]));
    setColor(color_);
}

QRgb ColorPicker::rawToColor(quint8 raw)
{
    // Red and green spread 3 bits over 0..255 (levels 0, 36, 73, ... 255), blue 2 bits.
    const int red = (raw >> 5) * 146 >> 2;
    const int green = ((raw >> 2) & 7) * 146 >> 2;
    const int blue = (raw & 3) * 170 >> 1;
    return qRgb(red, green, blue);
}

quint8 ColorPicker::colorToRaw(QRgb color)
{
    return static_cast<quint8>((qRed(color) & 0xE0) | ((qGreen(color) >> 3) & 0x1C) |
                               (qBlue(color) >> 6));
}

void ColorPicker::setColor(QRgb color)
{
    color_ = qRgb(qRed(color), qGreen(color), qBlue(color));
    QPixmap swatch(36, 24);
    swatch.fill(QColor(color_));
    {
        QPainter painter(&swatch);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    }
    setPixmap(swatch);
    emit colorChanged(color_);
}

void ColorPicker::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->pos()))
        return;
    const QColor chosen =
        QColorDialog::getColor(QColor(color_), this, tr("Choose color", "CF color"));
    if (chosen.isValid())
        setColor(chosen.rgb());
}

void ColorPicker::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLabel::changeEvent(event);
}

void ColorPicker::retranslate()
{
    setToolTip(tr("Click to change color", "CF color"));
}
