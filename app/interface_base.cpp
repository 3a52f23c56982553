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
