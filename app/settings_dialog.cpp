// SPDX-License-Identifier: GPL-3.0-or-later
// Settings dialog and the loading of the program-wide options: see settings_dialog.h.
#include "app/settings_dialog.h"

#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "planner/dive_parameters.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSerialPortInfo>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

namespace
{

const char* const languageCodes[] = {"DE", "EN", "ES", "FR", "IT", "RU"};

QTranslator& qtTranslator()
{
    static QTranslator* translator = new QTranslator(qApp);
    return *translator;
}

QTranslator& appTranslator()
{
    static QTranslator* translator = new QTranslator(qApp);
    return *translator;
}

} // namespace

QString Settings::defaultLanguage(const QString& localeName)
{
    // "de_AT": the country when it is one of ours (as "FR" of "fr_FR"), else the language;
    // neither: English, the texts of the program itself.
    const auto ours = [](const QString& code) {
        for (const char* known : languageCodes)
            if (code == QLatin1String(known))
                return true;
        return false;
    };
    const QString country = localeName.section('.', 0, 0).section('@', 0, 0).right(2).toUpper();
    const QString language = localeName.section('_', 0, 0).toUpper();
    if (ours(country))
        return country;
    if (ours(language))
        return language;
    return QStringLiteral("EN");
}

ProgramOptions& programOptions()
{
    static ProgramOptions options;
    return options;
}

Settings::Settings(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    connect(languageMenu, QOverload<int>::of(&QComboBox::activated), this, &Settings::languageSlot);
    connect(resetSettingsPB, &QPushButton::clicked, this, &Settings::resetSettingsSlot);
    loadSettings(this);
}

QStringList Settings::portList(const QString& current)
{
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports << info.portName();
    if (!current.isEmpty() && !ports.contains(current))
        ports << current;
    ports.sort();
    return ports;
}

void Settings::loadSettings(Settings* dialog)
{
    QSettings& s = appSettings();
    ProgramOptions& o = programOptions();
    o.language = s.value("Interface/lang", defaultLanguage(QLocale::system().name())).toString();
    o.port = s.value("OSTC/port", o.port).toString();
    o.verbose = s.value("Dive/verbose", false).toBool();
    o.autoSetDateTime = s.value("OSTC/autoSetDateTime", false).toBool();
    o.decoBorder = s.value("Decoplan/border", false).toBool();
    o.betaFeatures = s.value("Interface/betaFeatures", false).toBool();

    loadTranslations();
    if (!dialog)
        return;

    // A code without a translation runs in English: the dialog says so.
    dialog->languageMenu->setCurrentIndex(1);
    for (int i = 0; i < 6; ++i)
        if (o.language.compare(QLatin1String(languageCodes[i]), Qt::CaseInsensitive) == 0)
            dialog->languageMenu->setCurrentIndex(i);

    dialog->portMenu->clear();
    const QStringList ports = portList(o.port);
    dialog->portMenu->addItems(ports);
    dialog->portMenu->setCurrentText(o.port);
    dialog->noPortLabel->setVisible(ports.isEmpty());

    dialog->verboseSimulationCB->setChecked(o.verbose);
    dialog->decoBorderCB->setChecked(o.decoBorder);
    dialog->betaCB->setChecked(o.betaFeatures);
    dialog->autoSetDateTimeCB->setChecked(o.autoSetDateTime);
}

void Settings::loadTranslations()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.endsWith("debug") || dir.endsWith("release"))
        dir = QFileInfo(dir).path();
    // The files are named in lower case ("bathyra_de.qm"), as Qt names its own.
    const QString code = programOptions().language.toLower();
    // An installed program keeps its files in <prefix>/share/bathyra/translations.
    const QString installed =
        QDir(dir).absoluteFilePath(QStringLiteral("../share/bathyra/translations"));

    // Loading into a translator replaces what it held (a failed load leaves it empty), so
    // one of each kind stays active and a language without files shows the source texts.
    QTranslator& qt = qtTranslator();
    if (qt.load("qt_" + code, dir) ||
        qt.load("qt_" + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    QTranslator& app = appTranslator();
    if (app.load("bathyra_" + code, dir) || app.load("bathyra_" + code, installed))
        QCoreApplication::installTranslator(&app);
}

void Settings::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The texts change; the choices shown stay as they are.
        const bool noPort = noPortLabel->isHidden();
        retranslateUi(this);
        noPortLabel->setHidden(noPort);
    }
    QDialog::changeEvent(event);
}

void Settings::languageSlot(int index)
{
    if (index < 0 || index >= 6)
        return;
    programOptions().language = QLatin1String(languageCodes[index]);
    loadTranslations();
}

void Settings::accept()
{
    QSettings& s = appSettings();
    ProgramOptions& o = programOptions();
    s.setValue("Interface/lang", o.language);
    o.port = portMenu->currentText().trimmed();
    s.setValue("OSTC/port", o.port);
    s.setValue("Dive/verbose", o.verbose = verboseSimulationCB->isChecked());
    s.setValue("OSTC/autoSetDateTime", o.autoSetDateTime = autoSetDateTimeCB->isChecked());
    s.setValue("Decoplan/border", o.decoBorder = decoBorderCB->isChecked());
    s.setValue("Interface/betaFeatures", o.betaFeatures = betaCB->isChecked());
    QDialog::accept();
}

void Settings::reject()
{
    loadSettings(this);
    QDialog::reject();
}

void Settings::resetSettingsSlot()
{
    if (BusyGuard::busy())
        return; // the configuration image is in use
    QSettings& s = appSettings();
    s.clear();
    // The main window shows the defaults at once (its load resets the configuration
    // image); otherwise its old widget values would be written back at exit.
    if (auto* window = qobject_cast<Bathyra_Interface*>(parentWidget()))
        window->load(&s);
    else
        planner::currentImage() = ConfigImage::defaultImage();
    s.clear(); // the refresh may have stored group states again
    s.sync();
    if (QWidget* window = parentWidget()) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->adjustSize();
    }
    loadSettings(this);
}
