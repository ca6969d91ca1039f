#include "ThemeFiles.h"

#include "data/GamePaths.h"
#include "data/Paths.h"

namespace zindo {

namespace {

QString LevelPictureName(int Level)
{
    return QStringLiteral("IP%1").arg(Level, 2, 10, QLatin1Char('0')) + QStringLiteral("01.dat");
}

} // namespace

QString ThemeDirectory(const QString& Theme)
{
    return ThemeFolder(Theme);
}

QString ThemePictureFile(const QString& Theme, int Level)
{
    return JoinPath(ThemeDirectory(Theme), LevelPictureName(Level));
}

QString OwnThemeDirectory(const QString& Theme)
{
    return JoinPath(PlayerThemesFolder(), Theme);
}

QString OwnThemePictureFile(const QString& Theme, int Level)
{
    return JoinPath(OwnThemeDirectory(Theme), LevelPictureName(Level));
}

QString ShippedThemePictureFile(const QString& Theme, int Level)
{
    return JoinPath(JoinPath(ShippedThemesFolder(), Theme), LevelPictureName(Level));
}

} // namespace zindo
