#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace zindo {

/// Shows an error's text in the game's error box: the one place where errors
/// raised by a player's action end. The handler that raised it stops there and
/// the game goes on.
void ShowErrorBox(const QString& Text);

/// Replaces the error box (tests collect the texts instead of showing a modal
/// box); an empty function restores the real box.
void SetErrorBoxHook(std::function<void(const QString&)> Hook);

/// Runs Action; an error it raises is shown in the error box instead of
/// leaving the handler. Answers false when an error was shown.
bool RunGuarded(const std::function<void()>& Action);

} // namespace zindo
