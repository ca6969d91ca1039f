#include "DisplayModeSetting.h"

#include "data/Paths.h"
#include "data/QzError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zindo {

namespace {

/// The settings file; it holds only the display mode.
QString ConfigFile()
{
    return ProgramRelativePath(QStringLiteral("../var/config.ini"));
}

} // namespace

QString ReadDisplayMode()
{
    const QSettings settings(ConfigFile(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Display/DisplayMode"), QStringLiteral("unknown")).toString();
}

void WriteDisplayMode(const QString& Value)
{
    const QString path = ConfigFile();
    QDir().mkpath(QFileInfo(path).path());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Display/DisplayMode"), Value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EQzError(QStringLiteral("Cannot create file \"%1\". The settings could not be written.")
                           .arg(QDir::cleanPath(path)));
}

} // namespace zindo
