// The cases of a file of tests/profiles/data, one a line: fields split by " | ", "-" for an
// empty field and "\n" for a line break; lines starting with '#' are comments.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

inline QList<QStringList> dataLines(const QString& name)
{
    QFile file(QStringLiteral(BATHYRA_SOURCE_DIR "/tests/profiles/data/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(name));
    QList<QStringList> lines;
    for (const QString& line : QString(file.readAll()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#'))
            lines << line.split(" | ")
                         .replaceInStrings("\\n", "\n")
                         .replaceInStrings(QRegularExpression("^-$"), "");
    return lines;
}
