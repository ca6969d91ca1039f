#include "DisplayModeSetting.h"

#include "data/GamePaths.h"
#include "data/QzError.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace zindo {

namespace {

/// The settings file in the player's folder; it holds only the display mode.
QString ConfigFile()
{
    return PlayerPath(QStringLiteral("config.ini"));
}

const QString DisplayModeKey = QStringLiteral("Display/DisplayMode");

/// Whether the file at Path holds Value as the display mode, read from the
/// disk: QSettings shares what it read of a file between its objects, and
/// would answer with a value that was set but never written.
bool FileHoldsDisplayMode(const QString& Path, const QString& Value)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray wanted = "DisplayMode=" + Value.toUtf8();
    bool inDisplaySection = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            inDisplaySection = line == "[Display]";
        else if (inDisplaySection && line == wanted)
            return true;
    }
    return false;
}

} // namespace

QString ReadDisplayMode()
{
    const QSettings settings(ConfigFile(), QSettings::IniFormat);
    return settings.value(DisplayModeKey, QStringLiteral("unknown")).toString();
}

void WriteDisplayMode(const QString& Value)
{
    // The player's folder is made first, so that it is private from the start.
    MakePlayerFolder();
    const QString path = ConfigFile();
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(DisplayModeKey, Value);
        settings.sync();
    }
    // The write is judged by what the file holds now. QSettings' status keeps
    // the first error it met, so a line it could not read in the old file
    // would hide whether the new one was written, or fail a write that worked.
    if (!FileHoldsDisplayMode(path, Value))
        throw EQzError(QStringLiteral("Cannot create file \"%1\". The settings could not be written.")
                           .arg(QDir::cleanPath(path)));
}

} // namespace zindo
