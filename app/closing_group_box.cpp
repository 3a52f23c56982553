// SPDX-License-Identifier: GPL-3.0-or-later
// Collapsible parameter group: see closing_group_box.h.
#include "app/closing_group_box.h"

#include "app/app_settings.h"

#include <QEvent>
#include <QSettings>

ClosingGroupBox::ClosingGroupBox(QWidget* parent) : QGroupBox(parent)
{
    setCheckable(true);
    setChecked(true);
    connect(this, &QGroupBox::clicked, this, &ClosingGroupBox::clickSlot);
}

void ClosingGroupBox::setObjectName(const QString& name)
{
    QObject::setObjectName(name);
    setChecked(appSettings().value("Interface/" + name, true).toBool());
    clickSlot();
}

void ClosingGroupBox::clickSlot()
{
    if (isEnabled() && isChecked())
        setMaximumHeight(QWIDGETSIZE_MAX);
    else if (isCheckable())
        setMaximumHeight(contentsMargins().top() - 2);
    else
        setMaximumHeight(QWIDGETSIZE_MAX);
    // Boxes are named by the form right after construction; before that there is
    // nothing to remember.
    if (!objectName().isEmpty())
        appSettings().setValue("Interface/" + objectName(), isChecked());
}

void ClosingGroupBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        clickSlot();
    QGroupBox::changeEvent(event);
}
