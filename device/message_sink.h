// SPDX-License-Identifier: GPL-3.0-or-later
// Where the non-GUI layers write their console lines (HTML fragments).
// The main window's message console implements it; tests collect the lines.
#pragma once

#include <QString>
#include <QStringList>

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // Writes one line; with overwrite the last line is replaced (progress lines).
    virtual void message(const QString& line, bool overwrite) = 0;
    void message(const QString& line) { message(line, false); }
};

// A sink that keeps the lines, for tests and headless runs.
class CollectingSink : public MessageSink
{
public:
    using MessageSink::message;
    void message(const QString& line, bool overwrite) override
    {
        if (overwrite && !lines.isEmpty() && lastOverwritable)
            lines.last() = line;
        else
            lines.append(line);
        lastOverwritable = overwrite;
    }
    QStringList lines;

private:
    bool lastOverwritable = false;
};
