// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the profile editor as a diver does: legs from the spin boxes, clicks on the plot canvas
// at the pixels of the axes' own transform, the gas dialog answered when it is up.
#pragma once

#include "../app/modal_dialog.h"
#include "profiles/profile_editor.h"

#include <QSpinBox>
#include <QTest>
#include <qwt_plot.h>

inline QPoint editorPixel(const ProfileEditorInterface& e, double minutes, double metres)
{
    return QPoint(qRound(e.plot->transform(QwtPlot::xBottom, minutes)),
                  qRound(e.plot->transform(QwtPlot::yLeft, metres)));
}

inline void clickEditor(ProfileEditorInterface& e, double minutes, double metres)
{
    QTest::mouseClick(e.plot->canvas(), Qt::LeftButton, {}, editorPixel(e, minutes, metres));
}

inline void addLeg(ProfileEditorInterface& e, double minutes, double metres)
{
    e.legTimeSB->setValue(minutes);
    e.legDepthSB->setValue(metres);
    QTest::mouseClick(e.addLegTB, Qt::LeftButton);
}

// A click in gas mode near a time, the gas dialog answered with gas (0 cancels it);
// range, when given, receives the dialog's smallest and largest gas.
inline void setGasAt(ProfileEditorInterface& e, double minutes, int gas,
                     std::pair<int, int>* range = nullptr)
{
    QTest::mouseClick(e.gasTB, Qt::LeftButton);
    whenModal([gas, range](QWidget* dialog) {
        auto* box = dialog->findChild<QSpinBox*>();
        if (range)
            *range = {box->minimum(), box->maximum()};
        box->setValue(gas);
        QMetaObject::invokeMethod(dialog, gas ? "accept" : "reject");
    });
    clickEditor(e, minutes, 10);
}
