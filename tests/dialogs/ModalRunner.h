#pragma once

// Acts on a dialog from inside its modal loop. A dialog the action did not
// close is ended with NotClosed and noted (ModalLeftOpen), so a missing close
// fails the test instead of hanging it.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

inline constexpr int NotClosed = 99;

/// Texts in test failures as text.
inline void PrintTo(const QString& Text, std::ostream* Stream)
{
    *Stream << '"' << Text.toStdString() << '"';
}

/// Whether the dialog last acted on by ActWhileModal was still open after the
/// action, so that the runner had to close it.
inline bool& ModalLeftOpen()
{
    static bool leftOpen = false;
    return leftOpen;
}

/// Runs Action on the modal dialog that the next call opens.
inline void ActWhileModal(std::function<void(QWidget* Modal)> Action)
{
    ModalLeftOpen() = false;
    QTimer::singleShot(0, [Action] {
        QWidget* modal = QApplication::activeModalWidget();
        Action(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr && dialog->isVisible()) {
            ModalLeftOpen() = true;
            dialog->done(NotClosed);
        }
    });
}

/// The child of Form named Name, of type T; a test failure when there is none.
template <typename T = QWidget>
T* Child(const QWidget* Form, const char* Name)
{
    T* child = Form != nullptr ? Form->findChild<T*>(QString::fromLatin1(Name)) : nullptr;
    if (child == nullptr)
        ADD_FAILURE() << "no control named " << Name;
    return child;
}

/// Clicks the control of Form named Name with the left button, as the player
/// would: at At, or in its middle. (A radio button takes clicks only on its
/// ring and caption: click it near its left end.)
inline void ClickChild(const QWidget* Form, const char* Name, std::optional<QPoint> At = std::nullopt)
{
    if (QWidget* control = Child(Form, Name))
        QTest::mouseClick(control, Qt::LeftButton, {}, At.value_or(control->rect().center()));
}
