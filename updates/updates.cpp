// SPDX-License-Identifier: GPL-3.0-or-later
// The conditional download and the decisions of the update checks: see updates.h.
#include "updates/updates.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

namespace updates
{

namespace
{
QString lastKey(const QString& name)
{
    return QStringLiteral("Updates/%1/last").arg(name);
}
QString askedKey(const QString& name)
{
    return QStringLiteral("Updates/%1/asked").arg(name);
}

// A server that accepts the connection and then says nothing must not hold the
// request open for the rest of the run.
constexpr int TransferTimeoutMs = 30000;
} // namespace

QDate defaultLastDate()
{
    return QDate(2011, 1, 1);
}

QDate storedLastDate(const QSettings& settings, const QString& name)
{
    // A hand-edited or damaged value counts as never seen, not as "never newer".
    const QDate stored = QDate::fromString(settings.value(lastKey(name)).toString(), Qt::ISODate);
    return stored.isValid() ? stored : defaultLastDate();
}

bool isNewer(const QDate& modified, const QDate& stored)
{
    return modified.isValid() && stored < modified;
}

bool isPlausible(const QDateTime& modified, const QDateTime& now)
{
    // A day of grace for clocks and time zones.
    return modified.isValid() && modified <= now.addDays(1);
}

QString firmwareVersion(const QByteArray& description)
{
    static const QRegularExpression version(QStringLiteral("[fF]irmware +([0-9]+[.][0-9]{2,2})"));
    const QRegularExpressionMatch match = version.match(QString::fromLatin1(description));
    return match.hasMatch() ? match.captured(1) : QString();
}

QString firmwareFileName(const QString& version)
{
    return QStringLiteral("ostc2_%1.hex").arg(version);
}

QUrl serverUrl(const QString& base, const QString& path, const QUrlQuery& query)
{
    QUrl url(base.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https") ||
        url.hasQuery() || url.hasFragment())
        return QUrl();
    QString prefix = url.path();
    while (prefix.endsWith('/'))
        prefix.chop(1);
    url.setPath(prefix + path);
    // An item without a value is still written as "name=": the servers read "serial&firmware"
    // as no query at all.
    QUrlQuery written;
    for (const auto& [name, value] : query.queryItems(QUrl::FullyEncoded))
        written.addQueryItem(name, value.isNull() ? QStringLiteral("") : value);
    url.setQuery(written);
    return url;
}

QString updaterProgram(const QString& programDir)
{
    for (const char* name : {"updater", "updater.exe"}) {
        const QFileInfo file(QDir(programDir).filePath(QLatin1String(name)));
        if (file.isFile() && file.isExecutable())
            return file.absoluteFilePath();
    }
    return QString();
}

} // namespace updates

Updates::Updates(const QString& name, const QUrl& url, updates::SettingsProvider settings,
                 QObject* parent)
    : QObject(parent), name_(name), url_(url), settings_(std::move(settings)),
      manager_(new QNetworkAccessManager(this))
{
    connect(manager_, &QNetworkAccessManager::finished, this, &Updates::requestFinished);
}

void Updates::get()
{
    QNetworkRequest request(url_);
    // A cached answer must never hide a new one.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(updates::TransferTimeoutMs);
    // A server that moved (http to https, say) is followed, never to a less safe scheme.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager_->get(request);
    // Bounded in size and in time: an endless body must not fill the memory, a trickle
    // must not hold the request for ever. Aborting finishes the reply with an error.
    // The body stays in the reply until it has finished, so what is available is all that
    // came (downloadProgress is throttled and may fall silent before the limit).
    const qint64 limit = maxBytes_;
    const auto checkSize = [reply, limit] {
        if (reply->bytesAvailable() > limit ||
            reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > limit)
            reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, checkSize);
    connect(reply, &QNetworkReply::readyRead, reply, checkSize);
    QTimer::singleShot(deadlineMs_, reply, [reply] { reply->abort(); });
}

void Updates::requestFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    // Network errors (refused, unreachable, HTTP errors, time-outs, aborted downloads) and
    // answers that are not the whole resource itself (206 Partial Content, any other 2xx,
    // a body shorter or longer than its Content-Length) are silently ignored.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->error() == QNetworkReply::NoError && status == 200
                                ? reply->read(maxBytes_ + 1)
                                : QByteArray();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = status == 200 && reply->error() == QNetworkReply::NoError &&
                       body.size() <= maxBytes_ && reply->bytesAvailable() == 0 &&
                       (!length.isValid() || length.toLongLong() == body.size());
    // A missing or unreadable Last-Modified gives an invalid date, never newer; a date in
    // the future is not believed.
    const QDateTime modifiedAt = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    const QDate modified = updates::isPlausible(modifiedAt, QDateTime::currentDateTimeUtc())
                               ? modifiedAt.date()
                               : QDate();
    if (whole) {
        QSettings& settings = settings_();
        if (updates::isNewer(modified, updates::storedLastDate(settings, name_))) {
            previousLast_ = settings.value(updates::lastKey(name_));
            previousAsked_ = settings.value(updates::askedKey(name_));
            settings.setValue(updates::lastKey(name_), modified.toString(Qt::ISODate));
            settings.setValue(updates::askedKey(name_), QDate::currentDate().toString(Qt::ISODate));
            settings.sync();
            emit newVersion(body);
        }
    }
    emit handled();
}

void Updates::forget()
{
    QSettings& settings = settings_();
    const auto restore = [&settings](const QString& key, const QVariant& value) {
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    };
    restore(updates::lastKey(name_), previousLast_);
    restore(updates::askedKey(name_), previousAsked_);
    settings.sync();
}
