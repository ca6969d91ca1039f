#include "ThemeFiles.h"

#include "data/Paths.h"

namespace zindo {

QString ThemeDirectory(const QString& Theme)
{
    return JoinPath(ProgramRelativePath(QStringLiteral("../dat/puzz")), Theme);
}

QString ThemePictureFile(const QString& Theme, int Level)
{
    return JoinPath(ThemeDirectory(Theme), QStringLiteral("IP%1").arg(Level, 2, 10, QLatin1Char('0')) + QStringLiteral("01.dat"));
}

} // namespace zindo
