// The settings dialog: stored options, accept and cancel, the port list with typed
// device paths, languages, and the reset of all settings.
#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "planner/dive_parameters.h"

#include <QFile>
#include <QLocale>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

class TestSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        closeAppSettings();
        QFile::remove(appSettingsPath());
        programOptions() = ProgramOptions();
    }

    void defaultsWithoutSettings()
    {
        Settings::loadSettings(nullptr);
        const ProgramOptions& o = programOptions();
        QCOMPARE(o.language, QLocale::system().name().right(2));
        QVERIFY(o.port.isEmpty());
        QVERIFY(!o.verbose && !o.autoSetDateTime && !o.decoBorder && !o.betaFeatures);
    }

    void dialogShowsStoredOptions()
    {
        QSettings& s = appSettings();
        s.setValue("Interface/lang", "IT");
        s.setValue("OSTC/port", "/dev/pts/42");
        s.setValue("Dive/verbose", true);
        s.setValue("Decoplan/border", true);
        Settings dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Bathyra settings"));
        QCOMPARE(dialog.languageMenu->count(), 6);
        QCOMPARE(dialog.languageMenu->currentIndex(), 4);
        QCOMPARE(dialog.languageMenu->itemText(3), QString::fromUtf8("Français"));
        QVERIFY(!dialog.languageMenu->itemIcon(5).isNull());
        // A stored port the system does not list stays selectable.
        QVERIFY(dialog.portMenu->findText("/dev/pts/42") >= 0);
        QCOMPARE(dialog.portMenu->currentText(), QString("/dev/pts/42"));
        QVERIFY(dialog.verboseSimulationCB->isChecked());
        QVERIFY(dialog.decoBorderCB->isChecked());
        QVERIFY(!dialog.betaCB->isChecked());
        QVERIFY(!dialog.autoSetDateTimeCB->isChecked());
    }

    void unknownLanguageLeavesTheCombo()
    {
        appSettings().setValue("Interface/lang", "US");
        Settings dialog(nullptr);
        QCOMPARE(dialog.languageMenu->currentIndex(), 0);
        QCOMPARE(programOptions().language, QString("US"));
    }

    void portList_data()
    {
        QTest::addColumn<QString>("current");
        QTest::newRow("none") << QString();
        QTest::newRow("pseudo-terminal") << "/dev/pts/3";
    }
    void portList()
    {
        QFETCH(QString, current);
        const QStringList ports = Settings::portList(current);
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            QVERIFY(ports.contains(info.portName()));
        QCOMPARE(ports.contains(current), !current.isEmpty());
        QStringList sorted = ports;
        sorted.sort();
        QCOMPARE(ports, sorted);
        QCOMPARE(ports.count(current), current.isEmpty() ? 0 : 1);
    }

    void acceptStoresTypedPortAndOptions()
    {
        Settings dialog(nullptr);
        dialog.portMenu->setEditText("/dev/pts/9");
        dialog.verboseSimulationCB->setChecked(true);
        dialog.autoSetDateTimeCB->setChecked(true);
        dialog.betaCB->setChecked(true);
        dialog.languageMenu->setCurrentIndex(1);
        dialog.languageSlot(1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const ProgramOptions& o = programOptions();
        QCOMPARE(o.port, QString("/dev/pts/9"));
        QVERIFY(o.verbose && o.autoSetDateTime && o.betaFeatures && !o.decoBorder);
        closeAppSettings();
        const QSettings file(appSettingsPath(), QSettings::IniFormat);
        QCOMPARE(file.value("OSTC/port").toString(), QString("/dev/pts/9"));
        QCOMPARE(file.value("Interface/lang").toString(), QString("EN"));
        QCOMPARE(file.value("Dive/verbose").toBool(), true);
        QCOMPARE(file.value("OSTC/autoSetDateTime").toBool(), true);
        QCOMPARE(file.value("Decoplan/border").toBool(), false);
        QCOMPARE(file.value("Interface/betaFeatures").toBool(), true);
    }

    void cancelRestoresStoredLanguage()
    {
        appSettings().setValue("Interface/lang", "DE");
        Settings dialog(nullptr);
        dialog.languageSlot(3);
        QCOMPARE(programOptions().language, QString("FR"));
        dialog.verboseSimulationCB->setChecked(true);
        dialog.reject();
        QCOMPARE(programOptions().language, QString("DE"));
        QVERIFY(!programOptions().verbose);
        QVERIFY(!appSettings().contains("Dive/verbose"));
    }

    void resetEmptiesSettingsAndImage()
    {
        Bathyra_Interface window;
        window.load(&appSettings());
        window.O2_1->setValue(32);
        window.applyParameters(true);
        QSettings& s = appSettings();
        s.setValue("Interface/width", 1200);
        s.setValue("Dive/verbose", true);
        s.setValue("Interface/decoGB", false);
        // The dialog is modal; answer its reset button from a timer, then close it.
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Settings*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->resetSettingsPB->click();
            d->accept();
        });
        window.settingsSlot();
        QCOMPARE(int(planner::currentImage().gasO2(1)), 21);
        QCOMPARE(window.O2_1->value(), 21);
        QVERIFY(!appSettings().contains("Interface/width"));
        QVERIFY(!appSettings().contains("Interface/decoGB"));
        // Accepting after the reset stores only the dialog's own options.
        QCOMPARE(appSettings().value("Dive/verbose").toBool(), false);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
