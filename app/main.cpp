// Bathyra: decompression planner and configuration tool for the OSTC dive computer.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"

int main(int argc, char** argv)
{
    int exitCode = BathyraApplication::UnhandledExitCode;
    {
        BathyraApplication app(argc, argv);
        app.setStyleSheet(styleSheet());
        Bathyra_Interface* window = startUp(true);
        app.setConsole(window);
        exitCode = app.exec();
        app.setConsole(nullptr);
        shutDown(window);
        delete window;
        closeAppSettings();
    }
    return exitCode;
}
