// SPDX-License-Identifier: GPL-3.0-or-later
// The console's text without a window: HTML lines appended to a text document, a line
// overwritten in place, a log of every call. The main window shows this document in its
// editor; bathyra-cli prints it as text when a run needs no window at all.
//
// Entry points: ConsoleDocument::message, clear, html.
#pragma once

#include "device/message_sink.h"

#include <QTextCursor>
#include <QtGlobal>
#include <functional>

class QObject;
class QTextDocument;

class ConsoleDocument : public MessageSink
{
public:
    // The document belongs to parent when one is given (a window whose editor shows it).
    explicit ConsoleDocument(QObject* parent = nullptr);
    ~ConsoleDocument() override;
    Q_DISABLE_COPY(ConsoleDocument)

    // Break opportunities added inside very long words (not part of the text).
    static constexpr ushort ZeroWidthSpace = 0x200B;

    // Sees every call: 'M' message, 'O' overwriting message, 'C' clear.
    std::function<void(char kind, const QString& text)> log;

    QTextDocument* document() const { return document_; }

    using MessageSink::message;
    void message(const QString& line, bool overwrite) override { append(line, overwrite); }
    // Writes one HTML line; returns a cursor at its end.
    QTextCursor append(const QString& line, bool overwrite);
    void clear();
    // The whole text as HTML, without the break opportunities.
    QString html() const;

private:
    QTextDocument* document_;
    bool owned_;
};
