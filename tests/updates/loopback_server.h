// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <memory>

struct Answer { // an invalid date: no Last-Modified header
    int status = 404;
    QDate lastModified;
    QByteArray body;
    // Whole: Content-Length and the body; Cut: the lines of the first half of the body, no
    // Content-Length, then the connection closes; Endless: a chunked body that goes on
    // until the client hangs up (bounded at 16 MiB all the same).
    enum Shape { Whole, Cut, Endless } shape = Whole;
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
        const QString head =
            QStringLiteral("HTTP/1.1 %1 X\r\nConnection: close\r\n%2").arg(a.status).arg(modified);
        if (a.shape == Answer::Endless) {
            s->write(head.toLatin1() + "Transfer-Encoding: chunked\r\n\r\n");
            const QByteArray chunk = "10000\r\n" + QByteArray(0x10000, ':') + "\r\n";
            auto sent = std::make_shared<int>(0);
            connect(s, &QTcpSocket::bytesWritten, s, [s, chunk, sent] {
                if (s->bytesToWrite() < chunk.size() && ++*sent < 256)
                    s->write(chunk);
            });
            s->write(chunk);
            return;
        }
        if (a.shape == Answer::Cut)
            s->write(head.toLatin1() + "\r\n" +
                     a.body.left(a.body.lastIndexOf('\n', a.body.size() / 2) + 1));
        else
            s->write((head + QStringLiteral("Content-Length: %1\r\n\r\n").arg(a.body.size()))
                         .toLatin1() +
                     a.body);
        s->disconnectFromHost();
    }
};
