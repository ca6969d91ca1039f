#include "DisplayModeSetting.h"

#include "data/GamePaths.h"
#include "data/QzError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace zindo {

namespace {

/// The settings file in the player's folder: the display mode, the window's
/// size and the last player's name.
QString ConfigFile()
{
    return PlayerPath(QStringLiteral("config.ini"));
}

QString ReadSetting(const QString& Key, const QString& Default)
{
    const QSettings settings(ConfigFile(), QSettings::IniFormat);
    return settings.value(Key, Default).toString();
}

/// The value of Key in the settings file as it is on the disk. QSettings
/// shares what it read of a file between all its objects, and after a write
/// that failed it answers with the value that was set but never written; so
/// a copy of the file is read, which it has not seen before.
QString ReadSettingFromDisk(const QString& Key)
{
    const QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("config.ini"));
    if (!folder.isValid() || !QFile::copy(ConfigFile(), copy))
        return QString();
    return QSettings(copy, QSettings::IniFormat).value(Key).toString();
}

void WriteSetting(const QString& Key, const QString& Value)
{
    // The player's folder is made first, so that it is private from the start.
    MakePlayerFolder();
    {
        QSettings settings(ConfigFile(), QSettings::IniFormat);
        settings.setValue(Key, Value);
        settings.sync();
    }
    // The write is judged by what the file holds now. QSettings' status keeps
    // the first error it met, so a line it could not read in the old file
    // would hide whether the new one was written, or fail a write that worked.
    if (ReadSettingFromDisk(Key) != Value)
        throw EQzError(QCoreApplication::translate("Files",
                                                   "Cannot create file \"%1\". The settings could not be written.")
                           .arg(QDir::cleanPath(ConfigFile())));
}

/// A stored length in pixels; 0 when it is not a usable one.
int ReadLength(const QString& Key)
{
    bool ok = false;
    const int length = ReadSetting(Key, QString()).trimmed().toInt(&ok);
    return ok && length >= 1 && length <= 100000 ? length : 0;
}

} // namespace

QString ReadLanguageSetting()
{
    // QSettings keeps the keys of an INI file's [General] section at its top
    // level: "Language" is the line "Language=de" under [General]
    // ("General/Language" would be a section of its own, [%General]).
    return ReadSetting(QStringLiteral("Language"), QString());
}

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
