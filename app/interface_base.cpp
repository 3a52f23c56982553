// SPDX-License-Identifier: GPL-3.0-or-later
// Message console of the main window: see interface_base.h.
#include "app/interface_base.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace
{

void setTabStops(QTextDocument* document)
{
    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(12);
    document->setDefaultTextOption(option);
}

} // namespace

InterfaceBase::InterfaceBase(QWidget* parent)
    : QMainWindow(parent), consoleLog(console_.log), console_(this)
{
    setupUi(this);
    textEdit->setTabStopDistance(12);
    // The console's own document, with the editor's font and text options but without its
    // layout until the window is shown.
    const QTextDocument* shown = textEdit->document();
    QTextDocument* console = console_.document();
    console->setDefaultFont(shown->defaultFont());
    console->setDefaultTextOption(shown->defaultTextOption());
    console->setDocumentMargin(shown->documentMargin());
}

void InterfaceBase::showEvent(QShowEvent* event)
{
    attachConsole();
    QMainWindow::showEvent(event);
}

void InterfaceBase::attachConsole()
{
    if (consoleShown())
        return;
    textEdit->setDocument(console_.document());
    textEdit->setTabStopDistance(12);
    QTextCursor end(console_.document());
    end.movePosition(QTextCursor::End);
    textEdit->setTextCursor(end);
    textEdit->ensureCursorVisible();
}

void InterfaceBase::clearMessages()
{
    console_.clear();
    if (consoleShown())
        textEdit->setTabStopDistance(12);
    else
        setTabStops(console_.document());
}

void InterfaceBase::message(const QString& text, bool overwrite)
{
    const QTextCursor cursor = console_.append(text, overwrite);
    // Without a selection of the diver's the view follows the output.
    if (consoleShown() && !textEdit->textCursor().hasSelection()) {
        textEdit->setTextCursor(cursor);
        textEdit->ensureCursorVisible();
    }
}

void InterfaceBase::message(const QString& line)
{
    message(line, false);
}

QString InterfaceBase::getMessages()
{
    return console_.html();
}
