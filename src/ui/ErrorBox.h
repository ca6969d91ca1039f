#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace zindo {

/// Shows an error's text in the game's own message box (black, with the
/// zindo's head and "OK"): the one place where errors raised by a player's
/// action end. The handler that raised it stops there and the game goes on.
/// An error whose box is still open is not shown a second time.
void ShowErrorBox(const QString& Text);

/// Replaces the error box (tests collect the texts instead of showing a modal
/// box); an empty function restores the real box.
void SetErrorBoxHook(std::function<void(const QString&)> Hook);

/// Runs Action; an error it raises is shown in the error box instead of
/// leaving the handler. Answers false when an error was shown.
bool RunGuarded(const std::function<void()>& Action);

} // namespace zindo
