// SPDX-License-Identifier: GPL-3.0-or-later
// One conditional download of the update checks, and the decisions taken on its answer.
//
// An Updates object GETs one URL and emits newVersion(body) only when the server's
// Last-Modified date is later than the one remembered under "Updates/<name>/last" (which
// starts at 1 January 2011). The decisions are plain functions so that they can be
// checked without a network.
//
// Entry points: Updates::get, the signals newVersion and handled; the functions of the
// namespace updates.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QSettings;

namespace updates
{

// Where the settings of the run are (the application settings store).
using SettingsProvider = std::function<QSettings&()>;

// What "Updates/<name>/last" counts as when it is absent or does not parse.
QDate defaultLastDate();
// The date stored under "Updates/<name>/last", or the default.
QDate storedLastDate(const QSettings& settings, const QString& name);
// A resource dated `modified` is new when that date is valid and later than `stored`.
bool isNewer(const QDate& modified, const QDate& stored);
// A Last-Modified date later than `now` (a server whose clock is wrong) is not believed:
// stored, it would silence every real update until that date.
bool isPlausible(const QDateTime& modified, const QDateTime& now);

// What a description and a firmware file may weigh at most (bytes), and how long one
// download may take in all (a server sending one byte now and then never times out).
constexpr qint64 DescriptionLimit = 64 * 1024;
constexpr qint64 FirmwareLimit = 4 * 1024 * 1024;
constexpr int DeadlineMs = 120000;

// The firmware version named in a description ("Firmware 2.15" gives "2.15"), or an
// empty text when there is none.
QString firmwareVersion(const QByteArray& description);
// "ostc2_<version>.hex"
QString firmwareFileName(const QString& version);

// The base URL of a server ("https://host[:port][/prefix]") followed by path and query;
// an invalid URL when the base is empty or not an http(s) address with a host.
QUrl serverUrl(const QString& base, const QString& path, const QUrlQuery& query);

// The external updater beside the executable ("updater", else "updater.exe"), or an
// empty text when neither is an executable file in programDir.
QString updaterProgram(const QString& programDir);

} // namespace updates

class Updates : public QObject
{
    Q_OBJECT
public:
    Updates(const QString& name, const QUrl& url, updates::SettingsProvider settings,
            QObject* parent = nullptr);

    QString name() const { return name_; }
    QUrl url() const { return url_; }

    // Sends the GET request; the answer arrives through requestFinished(). A body larger
    // than the limit, or an answer not complete by the deadline, is dropped.
    void get();
    void setLimits(qint64 maxBytes, int deadlineMs)
    {
        maxBytes_ = maxBytes;
        deadlineMs_ = deadlineMs;
    }
    // Forgets the latest report (its answer was refused), so that the next get() reports
    // the same resource again.
    void forget();

signals:
    // The whole body of an answer newer than what was reported before.
    void newVersion(QByteArray contains);
    // After every answer, newer or not, network error included.
    void handled();

private slots:
    void requestFinished(QNetworkReply* reply);

private:
    QString name_;
    QUrl url_;
    updates::SettingsProvider settings_;
    QNetworkAccessManager* manager_;
    qint64 maxBytes_ = updates::DescriptionLimit;
    int deadlineMs_ = updates::DeadlineMs;
    // "last" and "asked" as they were before the latest report (invalid: absent).
    QVariant previousLast_, previousAsked_;
};
