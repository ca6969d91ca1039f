#pragma once

#include <QString>

namespace zindo {

// The settings the game keeps between runs, in "config.ini" in the player's
// folder.

/// How the window is shown, as stored in "config.ini" in the player's folder
/// (section Display, key DisplayMode): "fullscreen" or "window", and
/// "unknown" when nothing is stored yet. The value is compared exactly.
QString ReadDisplayMode();

/// Stores Value, making the player's folder first when it is missing; raises
/// EQzError when the folder cannot be made or the settings file afterwards
/// does not hold Value.
void WriteDisplayMode(const QString& Value);

/// The name the player last started a game with (section Player, key Name);
/// empty when none is stored.
QString ReadPlayerName();

/// Stores Name as the last player's name; raises EQzError when the settings
/// file cannot be written.
void WritePlayerName(const QString& Name);

/// The language the player chose for the game ([General] Language, for
/// example "de"); empty when none is stored, and then the desktop's holds.
/// The game only reads it: the player writes it by hand.
QString ReadLanguageSetting();

} // namespace zindo
