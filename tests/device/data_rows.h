// Test cases kept as data in tests/device/data/: one case per line, its columns split at '|'
// and trimmed; blank lines and lines starting with '#' (the column header, notes) are skipped.
#pragma once

#include <QtCore>

inline QVector<QStringList> dataRows(const char* name)
{
    QFile f(qEnvironmentVariable("BATHYRA_SOURCE_DIR") + "/tests/device/data/" + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("test data %s not found", qPrintable(f.fileName()));
    QVector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#'))
            rows << line.trimmed().split(QRegularExpression("\\s*\\|\\s*"));
    return rows;
}
