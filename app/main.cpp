// SPDX-License-Identifier: GPL-3.0-or-later
// Bathyra: decompression planner and configuration tool for the OSTC dive computer.
// Command line: --help and --version answer without a display; files named on it are opened
// in the main window once it is shown (Bathyra_Interface::openFile).
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/version.h"

#include <cstdio>
#include <cstring>

namespace
{

const char* const usageText =
    "Usage: bathyra [OPTION]... [FILE]...\n"
    "Decompression planner and configuration tool for the OSTC dive computer.\n"
    "Starts the main window and opens each FILE in it: a dive parameter file (.div) into\n"
    "the parameters as Load does, a logbook file (.xml from DivingLog or Shearwater, .uddf,\n"
    ".udcf) as the current profile in replay mode.\n"
    "\n"
    "Options:\n"
    "  -h, --help        print this help and exit\n"
    "  --version         print the version and the licence and exit\n"
    "Qt's own options (-platform NAME, -style NAME, ...) are accepted too.\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usageText, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(versionText("bathyra").toUtf8().constData(), stdout);
            return 0;
        }
    }

    int exitCode = BathyraApplication::UnhandledExitCode;
    {
        BathyraApplication app(argc, argv);
        // Qt has taken its own options out; what is left are files, or a mistake.
        const QStringList files = QCoreApplication::arguments().mid(1);
        for (const QString& file : files) {
            if (file.startsWith('-')) {
                std::fprintf(stderr, "bathyra: unknown option %s\n%s", qPrintable(file), usageText);
                return 2;
            }
        }
        app.setStyleSheet(styleSheet());
        Bathyra_Interface* window = startUp(true);
        app.setConsole(window);
        for (const QString& file : files)
            window->openFile(file);
        exitCode = app.exec();
        app.setConsole(nullptr);
        shutDown(window);
        delete window;
        closeAppSettings();
    }
    return exitCode;
}
