// The program's translations as the program loads them: the .qm files beside the
// executable, a menu, a console message, dialog titles and the CF labels (within the
// editor's 15 characters) in every language, and a language switched in the settings
// dialog changing the open main window at once.
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "cfeditor/cf_editor.h"
#include "device/config_image.h"
#include "plot/plot_interface.h"
#include "profiles/profile_editor.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <qwt_plot.h>

namespace
{

QString translated(const char* context, const char* source, const char* disambiguation = nullptr)
{
    return QCoreApplication::translate(context, source, disambiguation);
}

void useLanguage(const QString& code)
{
    programOptions().language = code;
    Settings::loadTranslations();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { useLanguage(QStringLiteral("EN")); }

    void texts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("menu");    // "&File"
        QTest::addColumn<QString>("console"); // "Reading OSTC %1 done."
        QTest::addColumn<QString>("dialog");  // "Bathyra settings"
        QTest::addColumn<QString>("thrown");  // a message text thrown by the device code
        QTest::addColumn<QString>("cfEditor"); // the custom function editor's title
        QTest::addColumn<QString>("profiles"); // the profile editor's title
        QTest::addColumn<QString>("update");   // "Firmware %1 available..."
        // clang-format off
        QTest::newRow("de") << "DE" << "&Datei" << "OSTC 7 gelesen." << "Bathyra-Einstellungen" << "Keine Custom Function CF96" << "Custom Functions bearbeiten" << "Profil-Editor" << "Firmware 3.10 verfügbar...";
        QTest::newRow("es") << "ES" << "&Archivo" << "Lectura del OSTC 7 terminada." << "Ajustes de Bathyra" << "No existe la función personalizada CF96" << "Editar funciones personalizadas" << "Editor de perfiles" << "Firmware 3.10 disponible...";
        QTest::newRow("fr") << "FR" << "&Fichier" << "Lecture de l'OSTC 7 terminée." << "Paramètres de Bathyra" << "Pas de fonction personnalisée CF96" << "Éditer les fonctions personnalisées" << "Éditeur de profil" << "Firmware 3.10 disponible...";
        QTest::newRow("it") << "IT" << "&File" << "Lettura dell'OSTC 7 completata." << "Impostazioni di Bathyra" << "Nessuna funzione personalizzata CF96" << "Modifica funzioni personalizzate" << "Editor di profili" << "Firmware 3.10 disponibile...";
        QTest::newRow("ru") << "RU" << "&Файл" << "Чтение OSTC 7 завершено." << "Настройки Bathyra" << "Нет пользовательской функции CF96" << "Изменение пользовательских функций" << "Редактор профиля" << "Доступна прошивка 3.10...";
        QTest::newRow("en") << "EN" << "&File" << "Reading OSTC 7 done." << "Bathyra settings" << "No custom function CF96" << "Edit Custom Functions" << "Profile Editor" << "Firmware 3.10 available...";
        // clang-format on
    }
    void texts()
    {
        QFETCH(QString, language);
        useLanguage(language);
        QTEST(translated("Bathyra", "&File"), "menu");
        QTEST(translated("SerialOSTC", "Reading OSTC %1 done.").arg(7), "console");
        QTEST(translated("Settings", "Bathyra settings"), "dialog");
        QTEST(translated("UpdatesPlanner", "Firmware %1 available...").arg("3.10"), "update");
        // The code's own context, as lupdate saw it.
        QString error;
        try {
            (void)ConfigImage::cfDefinition(ConfigImage::CfCount);
        } catch (const QString& text) {
            error = text;
        }
        QTEST(error, "thrown");
        // The forms as built in this language.
        QTEST(CF_Editor_Interface().windowTitle(), "cfEditor");
        QTEST(ProfileEditorInterface().windowTitle(), "profiles");
        // Custom function labels fit the editor's 15 characters, and most are translated.
        int changed = 0;
        for (int n = 0; n < ConfigImage::CfCount; ++n) {
            const char* label = ConfigImage::cfDefinition(n).label;
            const QString text = translated("CF menu (15 char max)", label);
            QVERIFY2(!text.isEmpty() && text.size() <= 15, qPrintable(text));
            changed += text != QLatin1String(label);
        }
        QVERIFY(language == "EN" ? changed == 0 : changed > ConfigImage::CfCount / 2);
    }

    void settingsDialogSwitchesTheOpenWindow()
    {
        useLanguage(QStringLiteral("EN"));
        Bathyra_Interface window;
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
        QTRY_COMPARE(plot.plot()->axisTitle(QwtPlot::yLeft).text(),
                     QString::fromUtf8("Глубина [м]"));
        QCOMPARE(plot.windowTitle(), QString::fromUtf8("Профиль погружения"));
        QCOMPARE(window.helpWindow()->windowTitle(), QString::fromUtf8("Справка Bathyra"));
        QCOMPARE(editor->windowTitle(), QString::fromUtf8("Редактор профиля"));
        QCOMPARE(editor->plot->axisTitle(QwtPlot::yLeft).text(), QString::fromUtf8("глубина [м]"));
        QCOMPARE(cfEditor.windowTitle(), QString::fromUtf8("Изменение пользовательских функций"));
        QCOMPARE(cfEditor.cfLabel(16)->text(), translated("CF menu (15 char max)", "Deco Offset [m]") + " (CF16)");
        QVERIFY(!cfEditor.cfLabel(16)->text().startsWith("Deco"));
        dialog.languageSlot(0);
        QTRY_COMPARE(window.menuFile->title(), QString("&Datei"));
        // Qt's own texts come from its installed translations.
        QTRY_COMPARE(dialog.buttonBox->button(QDialogButtonBox::Cancel)->text(),
                     QString("Abbrechen"));
        // English has no file: the source texts come back.
        dialog.languageSlot(1);
        QTRY_COMPARE(window.simulateButton->text(), english);
        QTRY_COMPARE(dialog.windowTitle(), QString("Bathyra settings"));
        QCOMPARE(cfEditor.cfLabel(16)->text(), QString("Deco Offset [m] (CF16)"));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
