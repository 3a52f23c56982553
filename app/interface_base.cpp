// Message console of the main window: see interface_base.h.
#include "app/interface_base.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

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
    QTextCursor cursor = textEdit->textCursor();
    if (overwrite) {
        // Select from the start of the current line (after the last line break of the
        // paragraph, whatever the wrapping) to the cursor, and write over it.
        const QTextBlock block = cursor.block();
        const QString text = block.text();
        const int inBlock = cursor.position() - block.position();
        const int lineStart = text.lastIndexOf(QChar::LineSeparator, inBlock - 1) + 1;
        cursor.setPosition(block.position() + lineStart, QTextCursor::KeepAnchor);
        cursor.insertHtml(line);
    } else {
        // A table or a bare heading opening carries its own layout.
        static const QRegularExpression block(QRegularExpression::anchoredPattern("<(h[1-9]|table.*)"),
                                              QRegularExpression::DotMatchesEverythingOption);
        cursor.insertHtml(block.match(line).hasMatch() ? line : line + "<br>");
    }
    textEdit->setTextCursor(cursor);
    textEdit->ensureCursorVisible();
}

void InterfaceBase::message(const QString& line) { message(line, false); }

QString InterfaceBase::getMessages() { return textEdit->toHtml(); }
