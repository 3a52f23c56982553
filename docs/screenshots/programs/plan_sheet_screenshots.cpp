// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the documentation screenshots of the plan sheet window and saves its slate as PDF at
// A4 and A5 (plan_sheet.png, slate_a4.pdf, slate_a5.pdf; with a language after the folder the
// names end in _<language>): a 70 m trimix dive with two deco gases and cylinders, one of
// them too small for the two-thirds rule. The PDFs are turned into PNGs with pdftoppm (see
// the README). Run under a display (Xvfb):
//   HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x1024x24"
//   build/docs/screenshots/programs/plan_sheet_screenshots docs/screenshots [DE]
#include "app/plan_sheet.h"
#include "docs/screenshots/programs/shot_program.h"
#include "planner/plan_slate.h"

#include <QDir>
#include <QTest>

int main(int argc, char** argv)
{
    BathyraApplication app(argc, argv);
    const auto [out, suffix] = shotArguments(app, argc, argv);
    Bathyra_Interface window;

    const ShotField fields[] = {{"gradientFactor", 1}, {"gas_2", 1},    {"gas_3", 1},
                                {"GF_low", 30},        {"GF_high", 85}, {"O2_1", 18},
                                {"He_1", 45},          {"O2_2", 50},    {"depth_2", 21},
                                {"O2_3", 100},         {"depth_3", 6},  {"dive_depth", 70},
                                {"dive_time", 25}};
    setFields(&window, fields);
    CylinderInputs cylinders;
    const int sizes[3][2] = {{24, 232}, {11, 200}, {7, 200}};
    for (int k = 0; k < 3; ++k) {
        cylinders.litres[k] = sizes[k][0];
        cylinders.fillBar[k] = sizes[k][1];
    }
    window.setCylinders(cylinders);

    window.planSheetSlot();
    PlanSheetInterface* sheet = window.planSheet();
    QTest::qWait(400);
    const QString shot = out.filePath(QStringLiteral("plan_sheet%1.png").arg(suffix));
    if (!sheet->grab().save(shot))
        qFatal("cannot write %s", qPrintable(shot));
    qInfo("%s (%dx%d)", qPrintable(shot), sheet->width(), sheet->height());
    for (auto page : {std::make_pair("a4", QPageSize::A4), std::make_pair("a5", QPageSize::A5)}) {
        const QString pdf = out.filePath(QStringLiteral("slate_%1%2.pdf").arg(page.first, suffix));
        planner::saveSlate(pdf, sheet->planSet(), page.second);
        qInfo("%s", qPrintable(pdf));
    }
    closeAppSettings();
    return 0;
}
