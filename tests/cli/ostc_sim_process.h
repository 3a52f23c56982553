// The simulated dive computer as its own process (bathyra-ostc-sim) and bathyra-cli runs
// against it, for the command-line device tests.
#pragma once

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStringList>

struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

inline CliResult runCli(const QStringList& args, int timeoutMs = 120000)
{
    CliResult r;
    QProcess p;
    p.start(QStringLiteral(BATHYRA_CLI), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Starts the simulator with the given switches; port() is its pseudo-terminal, and
// finish() stops it and returns what it reported about the device.
class SimProcess {
public:
    explicit SimProcess(const QStringList& switches = {})
    {
        process_.start(QStringLiteral(BATHYRA_OSTC_SIM), switches);
        if (!process_.waitForStarted(10000))
            return;
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        port_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess() { finish(); }

    QString port() const { return port_; }

    QString finish()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(10000)) {
                process_.kill();
                process_.waitForFinished();
            }
            report_ = QString::fromLocal8Bit(process_.readAllStandardError());
        }
        return report_;
    }

private:
    QProcess process_;
    QString port_;
    QString report_;
};

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every key of a parameter file with its value, for comparing two files.
inline QMap<QString, QString> paramKeys(const QString& path)
{
    const QSettings s(path, QSettings::IniFormat);
    QMap<QString, QString> keys;
    for (const QString& k : s.allKeys())
        keys.insert(k, s.value(k).toString());
    return keys;
}
