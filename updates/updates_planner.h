// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide update controller. check() asks the program's update server for its
// description (a newer one starts the external updater) and the firmware server for its
// description; a newer firmware description with a version leads to the firmware
// download, which is checked as an Intel HEX image and stored atomically as
// <data>/Bathyra/firmware/ostc2_<version>.hex, then announced.
//
// Servers come from the settings keys "Updates/programServer" and "Updates/firmwareServer"
// (base URLs; an empty one switches its check off). Every request is asynchronous.
//
// Entry points: check, and the handlers newSoftwareVersion, newFirmwareVersion,
// newFirmwareDownload.
#pragma once

#include "updates/updates.h"

#include <QPointer>

class MessageSink;
class QWidget;

class UpdatesPlanner : public QObject
{
    Q_OBJECT
public:
    // Build number sent to the program's update server.
    static const char* const BuildNumber;

    // console receives the red failure lines; dialogParent owns the announcement box.
    UpdatesPlanner(updates::SettingsProvider settings, MessageSink* console, QWidget* dialogParent,
                   QObject* parent = nullptr);

    // Shows the "firmware available" announcement (title, text). By default an
    // information box that does not block the window.
    std::function<void(const QString& title, const QString& text)> announce;
    // Folder searched for the updater (by default the executable's folder).
    QString programDir;

signals:
    // After the answer to the request of the Updates object `name` has been handled.
    void answered(const QString& name);

public slots:
    void check();
    void newSoftwareVersion();
    void newFirmwareVersion(QByteArray desc);
    void newFirmwareDownload(QByteArray hex);

private:
    // A check of one URL, deleted once its answer is handled unless kept.
    Updates* create(const QString& name, const QUrl& url, bool kept);
    QString setting(const QString& key) const;
    void failed(const QString& text);
    void showAnnouncement(const QString& title, const QString& text);

    updates::SettingsProvider settings_;
    MessageSink* console_;
    QPointer<QWidget> dialogParent_;
    // The firmware download, created by the first newer description and kept for the run.
    Updates* download_ = nullptr;
};
