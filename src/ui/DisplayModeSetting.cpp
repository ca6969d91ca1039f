#include "DisplayModeSetting.h"

#include "data/Paths.h"
#include "data/QzError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zindo {

namespace {

/// The settings file: the display mode and the window's size.
QString ConfigFile()
{
    return ProgramRelativePath(QStringLiteral("../var/config.ini"));
}

QString ReadSetting(const QString& Key, const QString& Default)
{
    const QSettings settings(ConfigFile(), QSettings::IniFormat);
    return settings.value(Key, Default).toString();
}

/// Stores Value under Key; raises EQzError when the settings file cannot be
/// written.
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

/// A stored length in pixels; 0 when it is not a usable one.
int ReadLength(const QString& Key)
{
    bool ok = false;
    const int length = ReadSetting(Key, QString()).trimmed().toInt(&ok);
    return ok && length >= 1 && length <= 100000 ? length : 0;
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

TWindowSizeSetting ReadWindowSize()
{
    TWindowSizeSetting setting;
    const int width = ReadLength(QStringLiteral("Display/WindowWidth"));
    const int height = ReadLength(QStringLiteral("Display/WindowHeight"));
    if (width > 0 && height > 0)
        setting.Size = QSize(width, height);
    setting.Maximized =
        ReadSetting(QStringLiteral("Display/WindowMaximized"), QString()).trimmed() == QLatin1String("1");
    return setting;
}

void WriteWindowSize(const TWindowSizeSetting& Value)
{
    WriteSetting(QStringLiteral("Display/WindowWidth"), QString::number(Value.Size.width()));
    WriteSetting(QStringLiteral("Display/WindowHeight"), QString::number(Value.Size.height()));
    WriteSetting(QStringLiteral("Display/WindowMaximized"),
                 Value.Maximized ? QStringLiteral("1") : QStringLiteral("0"));
}

bool ReadChangeResolution()
{
    const QString value =
        ReadSetting(QStringLiteral("Display/ChangeResolution"), QStringLiteral("1")).trimmed().toLower();
    return value != QLatin1String("0") && value != QLatin1String("false") && value != QLatin1String("no") &&
           value != QLatin1String("off");
}

} // namespace zindo
