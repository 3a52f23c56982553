// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, shut-down and event-loop recovery: see application.h.
#include "app/application.h"

#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/settings_dialog.h"

#include <QScreen>
#include <QSettings>
#include <QSplashScreen>
#include <exception>

BathyraApplication::BathyraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool BathyraApplication::notify(QObject* receiver, QEvent* event)
{
    // Nothing may unwind into the event loop: stop every message text here.
    try {
        return QApplication::notify(receiver, event);
    } catch (const QString& text) {
        unhandled(text);
    } catch (const char* text) {
        unhandled(QString::fromUtf8(text));
    } catch (const std::exception& e) {
        unhandled(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void BathyraApplication::unhandled(const QString& text)
{
    if (console_)
        console_->message(QStringLiteral("<font color='red'><b>%1</b></font>")
                              .arg(tr("Unhandled exception: %1", "Console").arg(text)));
    else
        qWarning("Unhandled exception: %s", qPrintable(text));
    if (++unhandled_ >= MaxUnhandled)
        exit(UnhandledExitCode);
}

QString styleSheet()
{
    return QStringLiteral(
        "* { font-size: 8pt }"
        "ClosingGroupBox        { margin-top:  13px; padding:2px; spacing: 2px }"
        "ClosingGroupBox::title { top: -13px; padding-left: 6px }"
        "QSpinBox:disabled { background: #cccccc; color: #888888 }"
        "QLabel:disabled { color: #888888 }"
        "ClosingGroupBox::title:disabled { color: #888888 }"
        "ClosingGroupBox::indicator:checked         { image: url(:/icons/Icons/opened.png) }"
        "ClosingGroupBox::indicator:unchecked       { image: url(:/icons/Icons/closed.png) }"
        "ClosingGroupBox::indicator:checked:hover   { image: url(:/icons/Icons/opened_hover.png) }"
        "ClosingGroupBox::indicator:unchecked:hover { image: url(:/icons/Icons/closed_hover.png) }"
        "ClosingGroupBox::indicator:disabled        { image: url(:/icons/Icons/d_closed.png) }");
}

Bathyra_Interface* startUp(bool checkUpdates, bool shown)
{
    QSettings& settings = appSettings();
    Settings::loadSettings(nullptr);
    settings.sync();

    auto* window = new Bathyra_Interface;
    if (shown) {
        window->aboutSlot();
        QCoreApplication::processEvents();
    }
    // Asynchronous: the answers are handled whenever they arrive.
    if (checkUpdates)
        window->checkUpdatesSlot();

    window->load(&settings);

    window->splitter->setStretchFactor(0, 1);
    window->splitter->setStretchFactor(1, 0);

    int height = settings.value("Interface/height", 757).toInt();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int available = screen->availableGeometry().height();
        if (available < height)
            height = available;
    }
    window->resize(settings.value("Interface/width", 955).toInt(), height);
    window->splitter->restoreState(settings.value("Interface/splitter").toByteArray());

    if (!shown)
        return window;
    window->show();
    QCoreApplication::processEvents();
    if (window->splash())
        window->splash()->finish(window);
    return window;
}

void shutDown(Bathyra_Interface* window)
{
    QSettings& settings = appSettings();
    // However the window was closed, its last edits are what the next start shows.
    window->applyParameters(true);
    window->save(&settings);
    settings.setValue("Interface/width", window->width());
    settings.setValue("Interface/height", window->height());
    settings.setValue("Interface/splitter", window->splitter->saveState());
    settings.sync();
}
