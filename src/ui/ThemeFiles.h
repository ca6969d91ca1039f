#pragma once

#include <QString>

namespace zindo {

/// The folder of a theme: "../dat/puzz/<Theme>" beside the program.
QString ThemeDirectory(const QString& Theme);

/// The first picture of a theme's level (1 to 10), "IP<level>01.dat" in the
/// theme's folder: the level's preview, and the file the puzzle maker writes.
QString ThemePictureFile(const QString& Theme, int Level);

} // namespace zindo
