// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshot (needs a display; not a test): runs the validation suite and
// shows its HTML report in a text browser, saved as script_report.png in the given folder.
#include "app/bathyra_script.h"
#include "docs/screenshots/programs/shot_program.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QtTest>

int main(int argc, char** argv)
{
    ShotHome home;
    BathyraApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    Bathyra_Interface* w = startHeadless(app, home);
    const ScriptRunResult result = runScriptSuite(w);
    delete w;

    QFile report(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                 "/Bathyra test report.html");
    if (!report.open(QIODevice::ReadOnly))
        return 1;
    QTextBrowser browser;
    browser.setWindowTitle("Bathyra test report");
    browser.setHtml(QString::fromUtf8(report.readAll()));
    browser.resize(1100, 760);
    browser.show();
    QTest::qWait(300);
    const bool saved = browser.grab().save(out + "/script_report.png");
    std::printf("%d passed, %d failed; screenshot %s\n", result.passed, result.failed,
                saved ? "saved" : "NOT saved");
    closeAppSettings();
    return saved ? 0 : 1;
}
