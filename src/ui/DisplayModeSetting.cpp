#include "DisplayModeSetting.h"

#include "data/Paths.h"
#include "data/QzError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zindo {

namespace {

/// The settings file: the display mode and the last player's name.
QString ConfigFile()
{
    return ProgramRelativePath(QStringLiteral("../var/config.ini"));
}

QString ReadSetting(const QString& Key, const QString& Default)
{
    const QSettings settings(ConfigFile(), QSettings::IniFormat);
    return settings.value(Key, Default).toString();
}

void WriteSetting(const QString& Key, const QString& Value)
{
    const QString path = ConfigFile();
    QDir().mkpath(QFileInfo(path).path());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(Key, Value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EQzError(QStringLiteral("Cannot create file \"%1\". The settings could not be written.")
                           .arg(QDir::cleanPath(path)));
}

} // namespace

QString ReadDisplayMode()
{
    return ReadSetting(QStringLiteral("Display/DisplayMode"), QStringLiteral("unknown"));
}

void WriteDisplayMode(const QString& Value)
{
    WriteSetting(QStringLiteral("Display/DisplayMode"), Value);
}

QString ReadPlayerName()
{
    return ReadSetting(QStringLiteral("Player/Name"), QString());
}

void WritePlayerName(const QString& Name)
{
    WriteSetting(QStringLiteral("Player/Name"), Name);
}

} // namespace zindo
