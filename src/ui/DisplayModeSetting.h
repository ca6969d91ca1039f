#pragma once

#include <QSize>
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

/// The window as the player last left it (keys WindowWidth, WindowHeight in
/// the desktop's logical pixels, and WindowMaximized, in the same section).
struct TWindowSizeSetting {
    QSize Size;             ///< empty when nothing usable is stored
    bool Maximized = false; ///< the window was maximised
};

/// The stored window size; a size that is missing, not a number, or not
/// within 1 .. 100000 pixels in each direction reads as empty.
TWindowSizeSetting ReadWindowSize();

/// Stores the window's size; raises EQzError when the settings file cannot
/// be written.
void WriteWindowSize(const TWindowSizeSetting& Value);

/// Whether full screen may switch the display to a 1024 x 768 mode (key
/// ChangeResolution, on unless it reads 0, false, no or off). Off, full
/// screen keeps the desktop's resolution and scales the game to fill it.
bool ReadChangeResolution();

/// The language the player chose for the game ([General] Language, for
/// example "de"); empty when none is stored, and then the desktop's holds.
/// The game only reads it: the player writes it by hand.
QString ReadLanguageSetting();

} // namespace zindo
