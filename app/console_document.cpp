// SPDX-License-Identifier: GPL-3.0-or-later
// The console's text without a window: see console_document.h.
#include "app/console_document.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

ConsoleDocument::ConsoleDocument(QObject* parent)
    : document_(new QTextDocument(parent)), owned_(parent == nullptr)
{
    document_->setUndoRedoEnabled(false);
}

ConsoleDocument::~ConsoleDocument()
{
    if (owned_)
        delete document_;
}

void ConsoleDocument::clear()
{
    if (log)
        log('C', QString());
    document_->clear();
}

namespace
{

// A run of text without a break opportunity is laid out in a time that grows with the
// square of its length (a line of 2^20 letters took minutes). Every 256 characters of such
// a run get a zero-width space, outside tags and entities, so that a long line costs time
// in proportion to its length; getMessages() and the plain text leave them out again.
QString breakLongRuns(const QString& html)
{
    constexpr int longestRun = 256;
    QString out;
    int run = 0;
    int entity = -1; // characters into an entity, -1 outside one
    bool tag = false;
    for (int i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (tag) {
            tag = c != QLatin1Char('>');
        } else if (c == QLatin1Char('<')) {
            tag = true;
            run = 0;
        } else if (c.isSpace()) {
            run = 0;
            entity = -1;
        } else {
            if (c == QLatin1Char('&'))
                entity = 0;
            else if (entity >= 0 && (c == QLatin1Char(';') || ++entity > 10))
                entity = -1;
            if (++run > longestRun && entity < 0) {
                if (out.isNull()) {
                    out = html.left(i);
                    out.reserve(html.size() + html.size() / longestRun);
                }
                out += QChar(ConsoleDocument::ZeroWidthSpace);
                run = 1;
            }
        }
        if (!out.isNull())
            out += c;
    }
    return out.isNull() ? html : out;
}

} // namespace

QTextCursor ConsoleDocument::append(const QString& text, bool overwrite)
{
    if (log)
        log(overwrite ? 'O' : 'M', text);
    const QString line = breakLongRuns(text);
    // Output goes through a cursor of the console's own at the end of the document, never
    // through the editor's cursor: that one is the diver's, who may have selected text.
    QTextCursor cursor(document_);
    cursor.movePosition(QTextCursor::End);
    if (overwrite) {
        // Select the document's last line (after the last line break of the last
        // paragraph, whatever the wrapping) and write over it.
        const QTextBlock block = cursor.block();
        const int lineStart = block.text().lastIndexOf(QChar::LineSeparator) + 1;
        cursor.setPosition(block.position() + lineStart, QTextCursor::KeepAnchor);
        cursor.insertHtml(line);
    } else {
        // Lines written one after the other share a paragraph, and a paragraph is laid out
        // again whole at every line added to it. Once it is long, the line break behind its
        // last line becomes a paragraph break (the text reads the same), so that a long run's
        // trace costs the same for each line instead of ever more.
        constexpr int paragraphChars = 1024;
        if (cursor.block().length() > paragraphChars &&
            document_->characterAt(cursor.position() - 1) == QChar::LineSeparator) {
            cursor.deletePreviousChar();
            cursor.insertBlock();
        }
        // A table or a bare heading opening carries its own layout.
        static const QRegularExpression block(
            QRegularExpression::anchoredPattern("<(h[1-9]|table.*)"),
            QRegularExpression::DotMatchesEverythingOption);
        cursor.insertHtml(block.match(line).hasMatch() ? line : line + "<br>");
    }
    return cursor;
}

QString ConsoleDocument::html() const
{
    return document_->toHtml().remove(QChar(ZeroWidthSpace));
}
