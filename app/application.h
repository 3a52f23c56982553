// SPDX-License-Identifier: GPL-3.0-or-later
// The application object and the start-up and shut-down sequence of the program.
//
// BathyraApplication catches a message text thrown by a slot where Qt delivers the
// event, shows it in the console as a red "Unhandled exception" line and, after the
// tenth, ends the event loop with the exit code -666.
// Entry points: styleSheet, startUp, shutDown.
#pragma once

#include <QApplication>

class Bathyra_Interface;
class MessageSink;

class BathyraApplication : public QApplication
{
    Q_OBJECT
public:
    static constexpr int MaxUnhandled = 10;
    static constexpr int UnhandledExitCode = -666;

    BathyraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Where the red lines go (the main window's console).
    void setConsole(MessageSink* console) { console_ = console; }
    int unhandledCount() const { return unhandled_; }
    void resetUnhandledCount() { unhandled_ = 0; }

private:
    void unhandled(const QString& text);

    MessageSink* console_ = nullptr;
    int unhandled_ = 0;
};

// The application style sheet, set before any window exists.
QString styleSheet();

// Start-up from the settings file to the shown main window. The caller owns the window.
// With checkUpdates the update checks start on the way (never for a headless run); without
// shown the window is made but neither it nor the splash screen is shown (the command line).
Bathyra_Interface* startUp(bool checkUpdates = false, bool shown = true);
// Parameters (with the widgets' last edits) and window state to the settings file.
void shutDown(Bathyra_Interface* window);
