// A small HTTP/1.1 server on loopback for the update checks: each GET is answered by its
// path with a chosen status, Last-Modified date and body (404 for unknown paths). The
// answers of a held path wait for release(); a silent server never answers at all.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QVector>

struct Answer {
    int status = 404;
    QDate lastModified; // invalid: no header
    QByteArray body;
};

class LoopbackServer : public QTcpServer {
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
    void release(const QString& path)
    {
        held.remove(path);
        for (QTcpSocket* s : qAsConst(waiting))
            answer(s, path);
        waiting.clear();
    }

    QMap<QString, Answer> answers; // by path
    QSet<QString> held;
    bool silent = false;
    QStringList requests; // path and query, in arrival order

private:
    void read(QTcpSocket* s)
    {
        QByteArray request = s->property("request").toByteArray() + s->readAll();
        s->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        const QString target = QString::fromLatin1(request.split(' ').value(1));
        requests << target;
        const QString path = target.section('?', 0, 0);
        if (silent)
            return;
        if (held.contains(path))
            waiting << s;
        else
            answer(s, path);
    }
    void answer(QTcpSocket* s, const QString& path)
    {
        const Answer a = answers.value(path);
        QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nConnection: close\r\nContent-Length: "
                          + QByteArray::number(a.body.size()) + "\r\n";
        if (a.lastModified.isValid())
            head += "Last-Modified: "
                    + QLocale::c().toString(QDateTime(a.lastModified, QTime(12, 0), Qt::UTC),
                                            QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toLatin1()
                    + "\r\n";
        s->write(head + "\r\n" + a.body);
        s->disconnectFromHost();
    }
    QVector<QTcpSocket*> waiting;
};
