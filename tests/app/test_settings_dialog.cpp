// The settings dialog: stored options, accept and cancel, the port list with typed
// device paths, languages, and the reset of all settings.
#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "planner/dive_parameters.h"

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        closeAppSettings();
        QFile::remove(appSettingsPath());
        programOptions() = ProgramOptions();
    }

    // Stored language and port; an unknown language leaves the menu on its first entry, a
    // stored port the system does not list stays selectable.
    void dialogShowsStoredOptions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("index");
        QTest::newRow("nothing stored") << "" << "" << -1;
        QTest::newRow("Italian, typed port") << "IT" << "/dev/pts/42" << 4;
        QTest::newRow("unknown language") << "US" << "" << 0;
    }
    void dialogShowsStoredOptions()
    {
        QFETCH(QString, language);
        QFETCH(QString, port);
        QFETCH(int, index);
        if (!language.isEmpty()) {
            appSettings().setValue("Interface/lang", language);
            appSettings().setValue("OSTC/port", port);
            appSettings().setValue("Dive/verbose", true);
        }
        Settings dialog(nullptr);
        const ProgramOptions& o = programOptions();
        QCOMPARE(o.language, language.isEmpty() ? QLocale::system().name().right(2) : language);
        QCOMPARE(o.verbose, !language.isEmpty());
        QVERIFY(!o.autoSetDateTime && !o.decoBorder && !o.betaFeatures);
        QCOMPARE(dialog.verboseSimulationCB->isChecked(), o.verbose);
        if (index >= 0)
            QCOMPARE(dialog.languageMenu->currentIndex(), index);
        if (!port.isEmpty())
            QCOMPARE(dialog.portMenu->currentText(), port);
        QVERIFY(!dialog.languageMenu->itemIcon(5).isNull());
    }

    // A language is tried at once; Accept stores it with the typed port and the options,
    // Cancel goes back to the stored ones.
    void acceptOrCancel_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accept") << true;
        QTest::newRow("cancel") << false;
    }
    void acceptOrCancel()
    {
        QFETCH(bool, accept);
        appSettings().setValue("Interface/lang", "DE");
        Settings dialog(nullptr);
        dialog.portMenu->setEditText("/dev/pts/9");
        for (QCheckBox* box : {dialog.verboseSimulationCB, dialog.autoSetDateTimeCB, dialog.betaCB})
            box->setChecked(true);
        dialog.languageMenu->setCurrentIndex(3);
        dialog.languageSlot(3);
        QCOMPARE(programOptions().language, QString("FR"));
        accept ? dialog.accept() : dialog.reject();
        const ProgramOptions& o = programOptions();
        const QStringList chosen = accept ? QStringList{"FR", "/dev/pts/9"} : QStringList{"DE", ""};
        QCOMPARE(QStringList({o.language, o.port}), chosen);
        QVERIFY(o.verbose == accept && o.autoSetDateTime == accept && o.betaFeatures == accept && !o.decoBorder);
        closeAppSettings();
        const QSettings file(appSettingsPath(), QSettings::IniFormat);
        QStringList stored;
        for (const char* key : {"OSTC/port", "Interface/lang", "Dive/verbose", "OSTC/autoSetDateTime",
                                "Decoplan/border", "Interface/betaFeatures"})
            stored << file.value(key).toString();
        const QStringList expected = accept ? QStringList{"/dev/pts/9", "FR", "true", "true", "false", "true"}
                                            : QStringList{"", "DE", "", "", "", ""};
        QCOMPARE(stored, expected);
    }

    void resetEmptiesSettingsAndImage()
    {
        Bathyra_Interface window;
        window.load(&appSettings());
        window.O2_1->setValue(32);
        window.applyParameters(true);
        for (const char* key : {"Interface/width", "Dive/verbose", "Interface/decoGB"})
            appSettings().setValue(key, 1);
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
        QVERIFY(!appSettings().contains("Interface/width") && !appSettings().contains("Interface/decoGB"));
        // Accepting after the reset stores only the dialog's own options.
        QCOMPARE(appSettings().value("Dive/verbose").toBool(), false);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
