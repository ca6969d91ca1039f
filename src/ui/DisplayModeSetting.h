#pragma once

#include <QString>

namespace zindo {

/// How the window is shown, as stored in "config.ini" in the player's folder
/// (section Display, key DisplayMode): "fullscreen" or "window", and
/// "unknown" when nothing is stored yet. The value is compared exactly.
QString ReadDisplayMode();

/// Stores Value, making the player's folder first when it is missing; raises
/// EQzError when the folder cannot be made or the settings file afterwards
/// does not hold Value.
void WriteDisplayMode(const QString& Value);

} // namespace zindo
