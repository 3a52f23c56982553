// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the documentation screenshots of the custom function editor, one per tab, at
// the dialog's default size, in English or in the language given after the folder
// (cf_editor_<tab>_<language>.png). Run under a display (Xvfb):
//   HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x1024x24"
//   build/docs/screenshots/programs/cf_editor_screenshots docs/screenshots [DE]
#include "cfeditor/cf_editor.h"
#include "docs/screenshots/programs/shot_program.h"
#include "planner/dive_parameters.h"

#include <QDir>
#include <QTabWidget>
#include <QTest>

int main(int argc, char** argv)
{
    BathyraApplication app(argc, argv);
    const auto [out, suffix] = shotArguments(app, argc, argv);
    Bathyra_Interface window; // registers the resources (icons)

    // A downloaded computer with a few changed settings and one out of its limits.
    ConfigImage image = ConfigImage::defaultImage();
    image.setWord(ConfigImage::serial, 2048);
    image.setByte(ConfigImage::firmware_minor, 22);
    image.setCustomText(QStringLiteral("Bathyra test diver"));
    image.setCf(16, 25);
    image.setCf(32, 40);
    image.setCf(33, 75);
    image.setCf(36, 0x92);
    image.setCf(49, 1);
    image.setCf(65, 1);

    CF_Editor_Interface editor(&window);
    editor.loadFromImage(image);
    editor.show();
    auto* tabs = editor.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        QTest::qWait(300);
        const QString path =
            out.filePath(QStringLiteral("cf_editor_%1%2.png").arg(t + 1).arg(suffix));
        if (!editor.grab().save(path))
            qFatal("cannot write %s", qPrintable(path));
        qInfo("%s (%dx%d)", qPrintable(path), editor.width(), editor.height());
    }
    closeAppSettings();
    return 0;
}
