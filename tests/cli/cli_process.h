// bathyra-cli runs and the simulated dive computer as its own process (bathyra-ostc-sim),
// for the command-line tests.
#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

struct CliResult {
    int code = -1;
    QString out;
    QString err;
    QStringList trace; // the CSV trace's lines without the header
    QString header;
};

// Runs bathyra-cli; with a trace file, its lines are read into the result.
inline CliResult runCli(QStringList args, const QString& traceFile = {}, int timeoutMs = 300000)
{
    CliResult r;
    if (!traceFile.isEmpty()) {
        QFile::remove(traceFile);
        args = QStringList{"--trace", traceFile} + args;
    }
    QProcess p;
    p.start(QStringLiteral(BATHYRA_CLI), args);
    if (!p.waitForFinished(timeoutMs))
        return r; // killed by QProcess's destructor
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    QFile f(traceFile);
    if (!traceFile.isEmpty() && f.open(QIODevice::ReadOnly)) {
        r.trace = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        r.header = r.trace.value(0);
        r.trace.removeFirst();
    }
    return r;
}

// The console as plain text shows HTML's collapsed blanks: compare with blanks folded.
inline QString folded(QString text) { return text.replace(QRegularExpression("\\s+"), " "); }
inline bool shows(const QString& out, const QString& text) { return folded(out).contains(folded(text)); }

#ifdef BATHYRA_OSTC_SIM
// Starts the simulator with the given switches; port() is its pseudo-terminal, and
// finish() stops it and returns what it reported about the device.
class SimProcess {
public:
    explicit SimProcess(const QStringList& switches = {})
    {
        process_.start(QStringLiteral(BATHYRA_OSTC_SIM), switches);
        while (process_.waitForStarted(10000) && !process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        port_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess() { finish(); }
    QString port() const { return port_; }
    QString finish()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(10000))
                process_.kill();
            report_ = QString::fromLocal8Bit(process_.readAllStandardError());
        }
        return report_;
    }

private:
    QProcess process_;
    QString port_;
    QString report_;
};
#endif

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
