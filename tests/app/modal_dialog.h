// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the window tests: answering modal dialogs with timers, picking a file
// in a file dialog, the documents folder, and setting form widgets by object name.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <functional>

inline void whenModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(50, [answer] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            answer(dialog);
        else
            whenModal(answer);
    });
}

inline QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Picks a file in a file dialog (cancelled when none is given or it does not take the
// name, so that the test fails instead of waiting); returns the dialog's title and folder.
inline QStringList pickFile(QWidget* dialog, const QString& path = QString())
{
    auto* fd = qobject_cast<QFileDialog*>(dialog);
    const QStringList seen{dialog->windowTitle(), fd ? fd->directory().path() : QString()};
    if (fd && !path.isEmpty()) {
        fd->setDirectory(QFileInfo(path).path());
        // selectFile() leaves a focused name field alone; type the name instead.
        if (auto* name = fd->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(fd, "accept");
    }
    if (dialog->isVisible())
        qobject_cast<QDialog*>(dialog)->reject();
    return seen;
}

// Sets form widgets from "name=value" words: spin boxes take the number, buttons are
// checked unless the value is 0.
inline void set(QWidget* form, const QString& assignments)
{
    for (const QString& a : assignments.split(' ', Qt::SkipEmptyParts)) {
        QObject* o = form->findChild<QObject*>(a.section('=', 0, 0));
        const char* property = qobject_cast<QAbstractButton*>(o) ? "checked" : "value";
        QVERIFY2(o && o->setProperty(property, a.section('=', 1).toDouble()),
                 qPrintable("no widget " + a));
    }
}
