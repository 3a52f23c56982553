// A small HTTP/1.1 server on loopback for the update checks: each GET is answered by its path
// with a chosen status, Last-Modified date and body (404 for unknown paths); a silent server
// reads the requests and never answers. And a file's bytes, to check what was stored.
#pragma once

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

struct Answer { // an invalid date: no Last-Modified header
    int status = 404;
    QDate lastModified;
    QByteArray body;
};

class LoopbackServer : public QTcpServer
{
public:
    LoopbackServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { read(s); });
        });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    QMap<QString, Answer> answers; // by path
    bool silent = false;
    QStringList requests; // path and query, in arrival order

private:
    void read(QTcpSocket* s)
    {
        const QByteArray request = s->property("request").toByteArray() + s->readAll();
        s->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        requests << QString::fromLatin1(request.split(' ').value(1));
        if (silent)
            return;
        const Answer a = answers.value(requests.last().section('?', 0, 0));
        const QString date = QLocale::c().toString(QDateTime(a.lastModified, QTime(12, 0), Qt::UTC),
                                                   "ddd, dd MMM yyyy hh:mm:ss 'GMT'");
        const QString modified = a.lastModified.isValid() ? "Last-Modified: " + date + "\r\n" : "";
        s->write(QStringLiteral("HTTP/1.1 %1 X\r\nConnection: close\r\nContent-Length: %2\r\n%3\r\n")
                     .arg(a.status).arg(a.body.size()).arg(modified).toLatin1() + a.body);
        s->disconnectFromHost();
    }
};
