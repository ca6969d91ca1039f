#include "PlayerSettings.h"

#include "AtomicFile.h"
#include "GamePaths.h"
#include "QzError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace zindo {

namespace {

// QSettings keeps the keys of an INI file's [General] section at its top
// level: "Language" is the line "Language=de" under [General]
// ("General/Language" would be a section of its own, [%General]).
const QString LanguageKey = QStringLiteral("Language");
const QString DisplayModeKey = QStringLiteral("Display/DisplayMode");
const QString WindowWidthKey = QStringLiteral("Display/WindowWidth");
const QString WindowHeightKey = QStringLiteral("Display/WindowHeight");
const QString WindowMaximizedKey = QStringLiteral("Display/WindowMaximized");
const QString ChangeResolutionKey = QStringLiteral("Display/ChangeResolution");
const QString PlayerNameKey = QStringLiteral("Player/Name");
const QString LastThemeKey = QStringLiteral("Player/Theme");

const QString WindowText = QStringLiteral("window");
const QString FullScreenText = QStringLiteral("fullscreen");
const QString UnknownText = QStringLiteral("unknown");

constexpr int MaxLength = 100000;

/// The error of a write that did not reach the disk.
EQzError NotWritten(const QString& FileName)
{
    return EQzError(
        QCoreApplication::translate("Files", "Cannot create file \"%1\". The settings could not be written.")
            .arg(QDir::cleanPath(FileName)));
}

/// The text a display mode is stored as: "window" or "fullscreen"; none for
/// dmUnknown, which is stored as nothing.
QString DisplayModeText(TDisplayMode Mode)
{
    switch (Mode) {
    case dmWindow:
        return WindowText;
    case dmFullScreen:
        return FullScreenText;
    case dmUnknown:
        break;
    }
    return QString();
}

} // namespace

TDisplayMode DisplayModeFromText(const QString& Text)
{
    if (Text == WindowText)
        return dmWindow;
    if (Text.isEmpty() || Text == UnknownText)
        return dmUnknown;
    return dmFullScreen;
}

TPlayerSettings::TPlayerSettings() : SettingsFile(PlayerPath(QStringLiteral("config.ini")))
{
}

// --- Display -------------------------------------------------------------------

TDisplayMode TPlayerSettings::DisplayMode() const
{
    return DisplayModeFromText(Read(DisplayModeKey));
}

void TPlayerSettings::SetDisplayMode(TDisplayMode Mode)
{
    Write({{DisplayModeKey, DisplayModeText(Mode)}});
}

TWindowSizeSetting TPlayerSettings::WindowSize() const
{
    TWindowSizeSetting setting;
    const int width = ReadLength(WindowWidthKey);
    const int height = ReadLength(WindowHeightKey);
    if (width > 0 && height > 0)
        setting.Size = QSize(width, height);
    setting.Maximized = Read(WindowMaximizedKey).trimmed() == QLatin1String("1");
    return setting;
}

void TPlayerSettings::SetWindowSize(const TWindowSizeSetting& Value)
{
    Write({{WindowWidthKey, QString::number(Value.Size.width())},
           {WindowHeightKey, QString::number(Value.Size.height())},
           {WindowMaximizedKey, Value.Maximized ? QStringLiteral("1") : QStringLiteral("0")}});
}

bool TPlayerSettings::ChangeResolution() const
{
    const QString value = Read(ChangeResolutionKey, QStringLiteral("1")).trimmed().toLower();
    return value != QLatin1String("0") && value != QLatin1String("false") && value != QLatin1String("no") &&
           value != QLatin1String("off");
}

void TPlayerSettings::SetChangeResolution(bool Value)
{
    Write({{ChangeResolutionKey, Value ? QStringLiteral("1") : QStringLiteral("0")}});
}

// --- Player and language -----------------------------------------------------------

QString TPlayerSettings::PlayerName() const
{
    return Read(PlayerNameKey);
}

namespace {

/// An empty name is stored as an empty value, not removed: the key is there,
/// and reads back as the same empty text.
QString StoredPlayerName(const QString& Name)
{
    return Name.isNull() ? QStringLiteral("") : Name;
}

/// An empty theme is removed.
QString StoredTheme(const QString& Theme)
{
    return Theme.isEmpty() ? QString() : Theme;
}

} // namespace

void TPlayerSettings::SetPlayerName(const QString& Name)
{
    Write({{PlayerNameKey, StoredPlayerName(Name)}});
}

QString TPlayerSettings::LastTheme() const
{
    return Read(LastThemeKey);
}

void TPlayerSettings::SetLastTheme(const QString& Theme)
{
    Write({{LastThemeKey, StoredTheme(Theme)}});
}

void TPlayerSettings::SetLastGame(const QString& Name, const QString& Theme)
{
    Write({{PlayerNameKey, StoredPlayerName(Name)}, {LastThemeKey, StoredTheme(Theme)}});
}

QString TPlayerSettings::Language() const
{
    return Read(LanguageKey);
}

void TPlayerSettings::SetLanguage(const QString& Language)
{
    Write({{LanguageKey, Language.trimmed().isEmpty() ? QString() : Language.trimmed()}});
}

// --- The file ------------------------------------------------------------------------

QString TPlayerSettings::Read(const QString& Key, const QString& Default) const
{
    const QSettings settings(SettingsFile, QSettings::IniFormat);
    return settings.value(Key, Default).toString();
}

int TPlayerSettings::ReadLength(const QString& Key) const
{
    bool ok = false;
    const int length = Read(Key).trimmed().toInt(&ok);
    return ok && length >= 1 && length <= MaxLength ? length : 0;
}

void TPlayerSettings::Write(const std::vector<TChange>& Changes)
{
    // The player's folder is made first, so that it is private from the start.
    MakePlayerFolder();
    QByteArray old;
    if (QFileInfo(SettingsFile).isFile()) {
        QFile file(SettingsFile);
        if (!file.open(QIODevice::ReadOnly))
            throw NotWritten(SettingsFile);
        old = file.readAll();
    }
    // The changes are made in a copy and the copy replaces the file in one
    // step. QSettings is never asked to write the file itself: it shares what
    // it read of a file between all its objects, and after a write that failed
    // it would go on answering with the values that never reached the disk.
    QByteArray changed;
    {
        const QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("config.ini"));
        QFile copyFile(copy);
        if (!folder.isValid() || !copyFile.open(QIODevice::WriteOnly) || copyFile.write(old) != old.size())
            throw NotWritten(SettingsFile);
        copyFile.close();
        {
            QSettings settings(copy, QSettings::IniFormat);
            for (const auto& [key, value] : Changes) {
                if (value.isNull())
                    settings.remove(key);
                else
                    settings.setValue(key, value);
            }
            settings.sync();
        }
        if (!copyFile.open(QIODevice::ReadOnly))
            throw NotWritten(SettingsFile);
        changed = copyFile.readAll();
    }
    WriteFileAtomically(SettingsFile, changed);
    // The write is judged by what the file holds now.
    QFile written(SettingsFile);
    if (!written.open(QIODevice::ReadOnly) || written.readAll() != changed)
        throw NotWritten(SettingsFile);
}

} // namespace zindo
