// SPDX-License-Identifier: GPL-3.0-or-later
// The update controller: see updates_planner.h.
//
// Unlike a plain "write what came", a firmware download is stored only when it loads as
// a firmware image and only through an atomic save, because the upgrade command later
// sends that file to the dive computer as it is. A download that is refused is
// forgotten, so that the next check fetches it again.
#include "updates/updates_planner.h"

#include "device/hex_image.h"
#include "device/message_sink.h"
#include "device/safe_file.h"
#include "device/serial_ostc.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

const char* const UpdatesPlanner::BuildNumber = BATHYRA_BUILD_NUMBER;

UpdatesPlanner::UpdatesPlanner(updates::SettingsProvider settings, MessageSink* console,
                               QWidget* dialogParent, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), console_(console),
      dialogParent_(dialogParent)
{
    announce = [this](const QString& title, const QString& text) { showAnnouncement(title, text); };
}

QString UpdatesPlanner::setting(const QString& key) const
{
    return settings_().value(key).toString();
}

void UpdatesPlanner::failed(const QString& text)
{
    if (console_)
        console_->message(QStringLiteral("<font color='red'><b>%1</b></font>").arg(text));
}

Updates* UpdatesPlanner::create(const QString& name, const QUrl& url, bool kept)
{
    auto* check = new Updates(name, url, settings_, this);
    connect(check, &Updates::handled, this, [this, name] { emit answered(name); });
    if (!kept)
        connect(check, &Updates::handled, check, &QObject::deleteLater);
    return check;
}

void UpdatesPlanner::check()
{
    const QString programServer = setting(QStringLiteral("Updates/programServer"));
    const QString firmwareServer = setting(QStringLiteral("Updates/firmwareServer"));

    // Program check: the description's being newer is the whole message.
    QUrlQuery programQuery;
    programQuery.addQueryItem(QStringLiteral("version"), QString::fromLatin1(BuildNumber));
    programQuery.addQueryItem(QStringLiteral("arch"), QStringLiteral("pc"));
    const QUrl programUrl =
        updates::serverUrl(programServer, QStringLiteral("/updates/Updates.pc.txt"), programQuery);

    // Firmware description check, for the computer last read or loaded.
    QUrlQuery firmwareQuery;
    firmwareQuery.addQueryItem(QStringLiteral("serial"), setting(QStringLiteral("OSTC/serial")));
    firmwareQuery.addQueryItem(QStringLiteral("firmware"),
                               setting(QStringLiteral("OSTC/firmware")));
    const QUrl firmwareUrl = updates::serverUrl(
        firmwareServer, QStringLiteral("/autofirmware/firmware.txt"), firmwareQuery);

    // An empty server switches its check off; a mistyped one says so.
    for (const QString& server : {programServer, firmwareServer})
        if (!server.trimmed().isEmpty() &&
            !updates::serverUrl(server, QString(), QUrlQuery()).isValid())
            failed(tr("Update server '%1' is not a valid http or https address.")
                       .arg(server.toHtmlEscaped()));

    if (programUrl.isValid()) {
        Updates* program = create(QStringLiteral("Bathyra"), programUrl, false);
        connect(program, &Updates::newVersion, this, &UpdatesPlanner::newSoftwareVersion);
        program->get();
    }
    if (firmwareUrl.isValid()) {
        Updates* firmware = create(QStringLiteral("firmware"), firmwareUrl, false);
        connect(firmware, &Updates::newVersion, this, &UpdatesPlanner::newFirmwareVersion);
        firmware->get();
    }
}

void UpdatesPlanner::newSoftwareVersion()
{
    const QString dir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    const QString updater = updates::updaterProgram(dir);
    // No updater installed: nothing to start and nothing to say. The updater runs on its
    // own; waiting for it here would freeze the window.
    if (!updater.isEmpty())
        QProcess::startDetached(updater,
                                {QStringLiteral("/checknow"), QStringLiteral("-minuseractions")},
                                QFileInfo(updater).absolutePath());
}

void UpdatesPlanner::newFirmwareVersion(QByteArray desc)
{
    const QString version = updates::firmwareVersion(desc);
    if (version.isEmpty())
        return;
    QSettings& settings = settings_();
    settings.setValue(QStringLiteral("Updates/firmware/version"), version);
    settings.sync();

    if (!download_) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("serial"), setting(QStringLiteral("OSTC/serial")));
        const QUrl url = updates::serverUrl(setting(QStringLiteral("Updates/firmwareServer")),
                                            QStringLiteral("/autofirmware/ostc2.hex"), query);
        if (!url.isValid())
            return;
        download_ = create(QStringLiteral("firmware/") + version, url, true);
        download_->setLimits(updates::FirmwareLimit, updates::DeadlineMs);
        connect(download_, &Updates::newVersion, this, &UpdatesPlanner::newFirmwareDownload);
    }
    download_->get();
}

void UpdatesPlanner::newFirmwareDownload(QByteArray hex)
{
    // The newest version stored, even when a later description crossed this download.
    const QString version =
        settings_().value(QStringLiteral("Updates/firmware/version"), "0.00").toString();

    // Only a body that loads as a firmware image may become a file the upgrade sends.
    try {
        QBuffer buffer(&hex);
        buffer.open(QIODevice::ReadOnly);
        HexImage image;
        image.load(buffer, nullptr);
        if (image.loaded() == 0)
            throw tr("no firmware data");
    } catch (const QString& why) {
        failed(tr("Downloaded firmware %1 is not a valid HEX file: %2").arg(version, why));
        if (download_)
            download_->forget();
        return;
    }

    const QString folder = SerialOSTC::firmwareFolder();
    const QString path = QDir(folder).filePath(updates::firmwareFileName(version));
    try {
        QDir().mkpath(folder);
        SafeFile::save(path, hex);
    } catch (const QString& error) {
        failed(error.toHtmlEscaped());
        if (download_)
            download_->forget();
        return;
    }

    announce(tr("Firmware %1 available...").arg(version),
             tr("Version %1 of the <i>OSTC</i> firmware is available. Please consider upgrading "
                "your computer...")
                 .arg(version));
}

void UpdatesPlanner::showAnnouncement(const QString& title, const QString& text)
{
    // Opened, not executed: the window goes on working while the box is up.
    auto* box =
        new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, dialogParent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
