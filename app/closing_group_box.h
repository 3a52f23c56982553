// SPDX-License-Identifier: GPL-3.0-or-later
// A group box whose check box opens and closes it: closed, only its title row stays
// visible. Its open/closed state is remembered under "Interface/" + its object name.
#pragma once

#include <QGroupBox>

class ClosingGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit ClosingGroupBox(QWidget* parent = nullptr);

    // The form names each box right after building it; the stored state is restored then.
    virtual void setObjectName(const QString& name);

public slots:
    void clickSlot();

protected:
    void changeEvent(QEvent* event) override;
};
