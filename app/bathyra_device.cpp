// SPDX-License-Identifier: GPL-3.0-or-later
// Device commands of the main window: read and write the OSTC configuration, set its
// clock, copy its screen and upgrade its firmware. The work is SerialOSTC's; the window
// supplies the port, the console, the refresh of its widgets and the file dialogs.
//
// Entry points: Bathyra_Interface::downloadOSTCSlot, uploadOSTCSlot, setDateTimeSlot,
// screenDumpSlot, upgradeFWSlot.
#include "app/bathyra_interface.h"

#include "app/app_settings.h"
#include "app/options.h"
#include "device/serial_ostc.h"
#include "planner/dive_parameters.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

std::unique_ptr<SerialOSTC> Bathyra_Interface::deviceCommands()
{
    return std::make_unique<SerialOSTC>(this, planner::currentImage(),
                                        [this] { showParameters(); });
}

// The commands let pending events run while they talk to the device: nothing else may start
// meanwhile (see planner/busy_state.h), and a command does nothing while another is running.
void Bathyra_Interface::deviceCommand(const std::function<void(SerialOSTC&)>& command)
{
    BusyGuard busy;
    if (!busy)
        return;
    command(*deviceCommands());
}

void Bathyra_Interface::downloadOSTCSlot()
{
    deviceCommand([](SerialOSTC& ostc) { ostc.readConfiguration(programOptions().port); });
}

void Bathyra_Interface::uploadOSTCSlot()
{
    deviceCommand([this](SerialOSTC& ostc) {
        // What the widgets show is what goes to the device; without this, edits made since
        // the last run would be sent stale and then wiped by the refresh after the write.
        applyParameters(true);
        ostc.writeConfiguration(programOptions().port, programOptions().autoSetDateTime);
    });
}

void Bathyra_Interface::setDateTimeSlot()
{
    deviceCommand([](SerialOSTC& ostc) { ostc.setClock(programOptions().port); });
}

void Bathyra_Interface::screenDumpSlot()
{
    QImage image;
    {
        BusyGuard busy;
        if (!busy)
            return;
        image = deviceCommands()->screenDump(programOptions().port);
    }
    if (image.isNull())
        return;

    const QString folder =
        SerialOSTC::screenDumpFolder(appSettings().value("Planner/dumpPath").toString());
    const QString chosen = QFileDialog::getSaveFileName(this, SerialOSTC::saveDialogTitle(), folder,
                                                        SerialOSTC::saveDialogFilter());
    if (chosen.isEmpty())
        return;
    appSettings().setValue("Planner/dumpPath", QFileInfo(chosen).absolutePath());
    // A picture that could not be written must not pass for a saved one.
    try {
        SerialOSTC::saveScreenDump(image, chosen);
    } catch (const QString& error) {
        message(QStringLiteral("<font color='red'>%1</font>: %2")
                    .arg(tr("FAILED"), error.toHtmlEscaped()));
    }
}

void Bathyra_Interface::upgradeFWSlot()
{
    if (busy())
        return;
    const QString file = QFileDialog::getOpenFileName(this, SerialOSTC::firmwareDialogTitle(),
                                                      SerialOSTC::firmwareFolder(),
                                                      SerialOSTC::firmwareDialogFilter());
    if (file.isEmpty())
        return;
    BusyGuard busy;
    if (!busy)
        return;
    deviceCommands()->upgradeFirmware(programOptions().port, file);
}
