// SPDX-License-Identifier: GPL-3.0-or-later
// What the screenshot programs share: their arguments (output folder and language), a home of
// their own for the programs that start the main window as the program does, and the main
// window's fields set by name from a list.
//
// Entry points: shotArguments, ShotHome, startHeadless, setFields.
#pragma once

#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstddef>
#include <utility>

// The output folder (the first argument, else the current folder) and the file name suffix of
// the language given as the second argument ("_de"; empty in English).
struct ShotArguments {
    QDir out;
    QString suffix;
};

// Sets the application's style sheet and loads the translations of the language argument.
inline ShotArguments shotArguments(BathyraApplication& app, int argc, char** argv)
{
    app.setStyleSheet(styleSheet());
    const QString language = argc > 2 ? QString::fromLatin1(argv[2]).toUpper() : QString();
    if (!language.isEmpty()) {
        programOptions().language = language;
        Settings::loadTranslations();
    }
    return {QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")),
            language.isEmpty() ? QString() : QLatin1Char('_') + language.toLower()};
}

// A temporary folder made HOME; made before the application, so that what the program writes
// there (documents, reports) stays out of the user's own folders.
class ShotHome : public QTemporaryDir
{
public:
    ShotHome() { qputenv("HOME", path().toLocal8Bit()); }
};

// The style sheet, the settings file in home, and the main window started as the program
// starts it, headless: no dialog waits for an answer. The caller owns the window.
inline Bathyra_Interface* startHeadless(BathyraApplication& app, const ShotHome& home)
{
    app.setStyleSheet(styleSheet());
    setAppSettingsPath(home.filePath("shots.ini"));
    Bathyra_Interface* w = startUp();
    w->setHeadless(true);
    return w;
}

// A field of the main window by object name: a button is checked when the value is not 0, a
// spin box takes the value.
using ShotField = std::pair<const char*, double>;

// Sets the fields of window in the order given.
template <std::size_t N> void setFields(QWidget* window, const ShotField (&fields)[N])
{
    for (const auto& [name, value] : fields) {
        if (auto* button = window->findChild<QAbstractButton*>(name))
            button->setChecked(value != 0);
        else if (auto* spin = window->findChild<QSpinBox*>(name))
            spin->setValue(static_cast<int>(value));
        else if (auto* spin = window->findChild<QDoubleSpinBox*>(name))
            spin->setValue(value);
        else
            qFatal("no field %s", name);
    }
}
