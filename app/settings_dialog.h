// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: language, serial port and program options. loadSettings also
// applies the stored options at start-up, before any window exists.
#pragma once

#include "ui_settings.h"

#include <QDialog>
#include <QStringList>

class Settings : public QDialog, public Ui::Settings
{
    Q_OBJECT
public:
    explicit Settings(QWidget* parent);

    // Loads the options and the translations; with a dialog also fills its widgets.
    static void loadSettings(Settings* dialog);
    // Installs the translations of the current language code.
    static void loadTranslations();
    // The language code used when none is stored, for a system locale name ("de_AT").
    static QString defaultLanguage(const QString& localeName);
    // The serial ports to offer: the system's ports, plus current when it is not among
    // them (a typed device path such as a pseudo-terminal), sorted.
    static QStringList portList(const QString& current);

public slots:
    void languageSlot(int index);
    void accept() override;
    void reject() override;
    void resetSettingsSlot();

protected:
    void changeEvent(QEvent* event) override;
};
