// Message console of the main window: see interface_base.h.
#include "app/interface_base.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

InterfaceBase::InterfaceBase(QWidget* parent)
    : QMainWindow(parent)
{
    setupUi(this);
    textEdit->setTabStopDistance(12);
}

void InterfaceBase::clearMessages()
{
    if (consoleLog)
        consoleLog('C', QString());
    textEdit->clear();
    textEdit->setTabStopDistance(12);
}

void InterfaceBase::message(const QString& line, bool overwrite)
{
    if (consoleLog)
        consoleLog(overwrite ? 'O' : 'M', line);
    // Output goes through a cursor of the console's own at the end of the document, never
    // through the editor's cursor: that one is the diver's, who may have selected text.
    QTextCursor cursor(textEdit->document());
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
        QTextDocument* document = textEdit->document();
        if (cursor.block().length() > paragraphChars
            && document->characterAt(cursor.position() - 1) == QChar::LineSeparator) {
            cursor.deletePreviousChar();
            cursor.insertBlock();
        }
        // A table or a bare heading opening carries its own layout.
        static const QRegularExpression block(QRegularExpression::anchoredPattern("<(h[1-9]|table.*)"),
                                              QRegularExpression::DotMatchesEverythingOption);
        cursor.insertHtml(block.match(line).hasMatch() ? line : line + "<br>");
    }
    // Without a selection of the diver's the view follows the output.
    if (!textEdit->textCursor().hasSelection()) {
        textEdit->setTextCursor(cursor);
        textEdit->ensureCursorVisible();
    }
}

void InterfaceBase::message(const QString& line) { message(line, false); }

QString InterfaceBase::getMessages() { return textEdit->toHtml(); }
