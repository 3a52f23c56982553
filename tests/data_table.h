// SPDX-License-Identifier: GPL-3.0-or-later
// Test tables kept as data files in the test's own data/ folder (BATHYRA_TEST_DATA): one row a
// line, columns between '|' with the blanks around them dropped, "-" for an empty column, "\n"
// and "\t" for a line break and a tab; lines starting with '#' describe the columns. Files of
// the source tree are under BATHYRA_SOURCE_DIR.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QVector>
#include <array>
#include <cstddef>

// The bytes of a file, none when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QVector<QStringList> dataTable(const char* name)
{
    QFile file(QStringLiteral(BATHYRA_TEST_DATA) + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the test table %s", qPrintable(file.fileName()));
    QVector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#'))
            rows << line.trimmed()
                        .split(QRegularExpression(" *\\| *"))
                        .replaceInStrings(QRegularExpression("^-$"), "")
                        .replaceInStrings("\\n", "\n")
                        .replaceInStrings("\\t", "\t");
    return rows;
}

// The numbers of a column, blanks between them.
inline QVector<double> numbers(const QString& column)
{
    QVector<double> out;
    for (const QString& n : column.split(' ', Qt::SkipEmptyParts))
        out << n.toDouble();
    return out;
}

// A QtTest table of one column "c": the columns of each row of the file, tagged by the first.
inline void dataRows(const char* name)
{
    QTest::addColumn<QStringList>("c");
    for (const QStringList& c : dataTable(name))
        QTest::newRow(qPrintable(c[0])) << c;
}

// QtTest columns of the given types, named in order: columns<int, QString>({"cf", "tip"}).
template <typename... Type> void columns(const std::array<const char*, sizeof...(Type)>& names)
{
    std::size_t i = 0;
    (QTest::addColumn<Type>(names[i++]), ...);
}
