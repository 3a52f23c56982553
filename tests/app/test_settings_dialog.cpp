// The settings dialog: stored options, accept and cancel, the port list with typed device
// paths, the reset of all settings; and the program's translations as the program loads
// them (the .qm files beside the executable): a language switched in the dialog changes
// the open windows at once, and texts of the device code and the CF labels with them.
#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "cfeditor/cf_editor.h"
#include "planner/dive_parameters.h"
#include "plot/plot_interface.h"
#include "profiles/profile_editor.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>
#include <qwt_plot.h>

namespace
{

QString translated(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

} // namespace

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
    void cleanup()
    {
        programOptions().language = "EN";
        Settings::loadTranslations();
    }

    // A stored port the system does not list stays selectable, an unknown language leaves
    // the menu on its first entry; a language is tried at once; Accept stores it with the
    // typed port and the options, Cancel goes back to the stored ones.
    void acceptOrCancel_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("accept") << true << QStringList{"/dev/pts/9", "FR", "true", "true", "false", "true"};
        QTest::newRow("cancel") << false << QStringList{"/dev/pts/42", "US", "", "", "", ""};
    }
    void acceptOrCancel()
    {
        QFETCH(bool, accept);
        appSettings().setValue("Interface/lang", "US");
        appSettings().setValue("OSTC/port", "/dev/pts/42");
        Settings dialog(nullptr);
        QVERIFY(dialog.languageMenu->currentIndex() == 0 && dialog.portMenu->currentText() == "/dev/pts/42");
        QVERIFY(!dialog.languageMenu->itemIcon(5).isNull());
        dialog.portMenu->setEditText("/dev/pts/9");
        for (QCheckBox* box : {dialog.verboseSimulationCB, dialog.autoSetDateTimeCB, dialog.betaCB})
            box->setChecked(true);
        dialog.languageMenu->setCurrentIndex(3);
        dialog.languageSlot(3);
        QCOMPARE(programOptions().language, QString("FR"));
        accept ? dialog.accept() : dialog.reject();
        const ProgramOptions& o = programOptions();
        const QStringList chosen = accept ? QStringList{"FR", "/dev/pts/9"} : QStringList{"US", "/dev/pts/42"};
        QCOMPARE(QStringList({o.language, o.port}), chosen);
        QVERIFY(o.verbose == accept && o.autoSetDateTime == accept && o.betaFeatures == accept && !o.decoBorder);
        closeAppSettings();
        const QSettings file(appSettingsPath(), QSettings::IniFormat);
        QStringList stored;
        for (const char* key : {"OSTC/port", "Interface/lang", "Dive/verbose", "OSTC/autoSetDateTime",
                                "Decoplan/border", "Interface/betaFeatures"})
            stored << file.value(key).toString();
        QTEST(stored, "stored");
    }

    // The reset empties the settings and the image; then the language switch.
    void resetAndLanguageSwitch()
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
        QVERIFY(planner::currentImage().gasO2(1) == 21 && window.O2_1->value() == 21);
        QVERIFY(!appSettings().contains("Interface/width") && !appSettings().contains("Interface/decoGB"));
        // Accepting after the reset stores only the dialog's own options.
        QCOMPARE(appSettings().value("Dive/verbose").toBool(), false);

        // A language switched in the dialog changes the open windows at once.
        window.show();
        PlotInterface plot;
        plot.setup(true, 30);
        plot.show();
        window.helpSlot();
        ProfileEditorInterface* editor = window.profileEditor();
        CF_Editor_Interface cfEditor;
        cfEditor.show();
        Settings dialog(&window);
        const QString english = window.simulateButton->text();

        // The change reaches the windows with the next events, as the user sees it.
        dialog.languageSlot(5);
        QTRY_COMPARE(window.menuFile->title(), QString::fromUtf8("&Файл"));
        QTRY_COMPARE(window.simulateButton->text(), QString::fromUtf8("Симуляция"));
        QTRY_COMPARE(dialog.windowTitle(), QString::fromUtf8("Настройки Bathyra"));
        QTRY_COMPARE(plot.plot()->axisTitle(QwtPlot::yLeft).text(), QString::fromUtf8("Глубина [м]"));
        QCOMPARE(plot.windowTitle(), QString::fromUtf8("Профиль погружения"));
        QCOMPARE(window.helpWindow()->windowTitle(), QString::fromUtf8("Справка Bathyra"));
        QCOMPARE(editor->windowTitle(), QString::fromUtf8("Редактор профиля"));
        QCOMPARE(editor->plot->axisTitle(QwtPlot::yLeft).text(), QString::fromUtf8("глубина [м]"));
        QCOMPARE(cfEditor.windowTitle(), QString::fromUtf8("Изменение пользовательских функций"));
        QCOMPARE(cfEditor.cfLabel(16)->text(), translated("CF menu (15 char max)", "Deco Offset [m]") + " (CF16)");
        QVERIFY(!cfEditor.cfLabel(16)->text().startsWith("Deco"));
        // A text of the device code, translated where it is thrown.
        QString thrown;
        try {
            (void)ConfigImage::cfDefinition(ConfigImage::CfCount);
        } catch (const QString& text) {
            thrown = text;
        }
        QCOMPARE(thrown, QString::fromUtf8("Нет пользовательской функции CF96"));
        // Custom function labels fit the editor's 15 characters.
        for (int n = 0; n < ConfigImage::CfCount; ++n) {
            const QString text = translated("CF menu (15 char max)", ConfigImage::cfDefinition(n).label);
            QVERIFY2(!text.isEmpty() && text.size() <= 15, qPrintable(text));
        }
        dialog.languageSlot(0);
        QTRY_COMPARE(window.menuFile->title(), QString("&Datei"));
        // Qt's own texts come from its installed translations.
        QTRY_COMPARE(dialog.buttonBox->button(QDialogButtonBox::Cancel)->text(), QString("Abbrechen"));
        // English has no file: the source texts come back.
        dialog.languageSlot(1);
        QTRY_COMPARE(window.simulateButton->text(), english);
        QTRY_COMPARE(dialog.windowTitle(), QString("Bathyra settings"));
        QCOMPARE(cfEditor.cfLabel(16)->text(), QString("Deco Offset [m] (CF16)"));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
