#pragma once

#include <QString>

namespace zindo {

// The settings the game keeps between runs, in "../var/config.ini".

/// How the window is shown (section Display, key DisplayMode): "fullscreen"
/// or "window", and "unknown" when nothing is stored yet. The value is
/// compared exactly.
QString ReadDisplayMode();

/// Stores Value; raises EQzError when the settings file cannot be written.
void WriteDisplayMode(const QString& Value);

/// The name the player last started a game with (section Player, key Name);
/// empty when none is stored.
QString ReadPlayerName();

/// Stores Name as the last player's name; raises EQzError when the settings
/// file cannot be written.
void WritePlayerName(const QString& Name);

} // namespace zindo
