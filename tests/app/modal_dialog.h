// Answering modal dialogs in window tests: the answer runs once the dialog is up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
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
