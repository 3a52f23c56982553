// The base of the main window: the form and the message console. Every line meant for
// the user goes through message(); non-window code reaches it as a MessageSink.
#pragma once

#include "device/message_sink.h"
#include "planner/busy_state.h"
#include "ui_bathyra.h"

#include <QMainWindow>
#include <functional>

class InterfaceBase : public QMainWindow, public Ui::Bathyra, public MessageSink
{
    Q_OBJECT
public:
    explicit InterfaceBase(QWidget* parent = nullptr);

    // Break opportunities the console adds inside very long words (not part of the text).
    static constexpr ushort ZeroWidthSpace = 0x200B;

    // Sees every console call: 'M' message, 'O' overwriting message, 'C' clear.
    std::function<void(char kind, const QString& text)> consoleLog;

    // A run, a device command or a script is in progress (see planner/busy_state.h).
    bool busy() const { return BusyGuard::busy(); }

public slots:
    void clearMessages();
    // Writes one HTML line; with overwrite the console's last line is replaced.
    void message(const QString& line, bool overwrite) override;
    void message(const QString& line);
    QString getMessages();
};
