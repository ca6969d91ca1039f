#pragma once

#include <QString>

namespace zindo {

/// The folder a theme is read from: the player's own theme of that name when
/// there is one, else the theme that came with the game (data/GamePaths.h).
QString ThemeDirectory(const QString& Theme);

/// The first picture of a theme's level (1 to 10), "IP<level>01.dat" in the
/// folder the theme is read from: the level's preview.
QString ThemePictureFile(const QString& Theme, int Level);

/// The folder of the player's own theme of that name, in the player's folder:
/// the puzzle maker writes here and nowhere else.
QString OwnThemeDirectory(const QString& Theme);

/// ThemePictureFile in the player's own theme folder: the file the puzzle
/// maker writes.
QString OwnThemePictureFile(const QString& Theme, int Level);

/// ThemePictureFile in the shipped theme of that name (which may not exist).
QString ShippedThemePictureFile(const QString& Theme, int Level);

} // namespace zindo
