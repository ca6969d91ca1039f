#pragma once

// Runs a dialog modally while a test acts on it from inside the loop. A dialog
// the action did not close is ended with 99, so a missing close fails the test
// instead of hanging it.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

inline constexpr int NotClosed = 99;

inline void ActWhileModal(std::function<void(QWidget* Modal)> Action)
{
    QTimer::singleShot(0, [Action] {
        QWidget* modal = QApplication::activeModalWidget();
        Action(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr && dialog->isVisible())
            dialog->done(NotClosed);
    });
}

inline int RunModal(QDialog& Dialog, std::function<void(QWidget* Modal)> Action)
{
    ActWhileModal(std::move(Action));
    return Dialog.exec();
}
