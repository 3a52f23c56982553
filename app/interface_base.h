// SPDX-License-Identifier: GPL-3.0-or-later
// The base of the main window: the form and the message console. Every line meant for
// the user goes through message(); non-window code reaches it as a MessageSink.
#pragma once

#include "app/console_document.h"
#include "device/message_sink.h"
#include "planner/busy_state.h"
#include "ui_bathyra.h"

#include <QMainWindow>
#include <functional>

class QTextDocument;

class InterfaceBase : public QMainWindow, public Ui::Bathyra, public MessageSink
{
    Q_OBJECT
public:
    explicit InterfaceBase(QWidget* parent = nullptr);

    // Sees every console call: 'M' message, 'O' overwriting message, 'C' clear.
    std::function<void(char kind, const QString& text)>& consoleLog;

    // A run, a device command or a script is in progress (see planner/busy_state.h).
    bool busy() const { return BusyGuard::busy(); }

    // The console's text. Until the window is first shown the console edits it without
    // showing it, so that no line is laid out that nobody sees (the command line, scripts
    // without a display); showing the window lays it out once.
    QTextDocument* consoleDocument() const { return console_.document(); }
    ConsoleDocument& console() { return console_; }

public slots:
    void clearMessages();
    // Writes one HTML line; with overwrite the console's last line is replaced.
    void message(const QString& line, bool overwrite) override;
    void message(const QString& line);
    QString getMessages();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void attachConsole();
    bool consoleShown() const { return textEdit->document() == console_.document(); }

    ConsoleDocument console_;
};
