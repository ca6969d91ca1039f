#include "GamePaths.h"

#include "Paths.h"
#include "QzError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zindo {

namespace {

/// Path normalised and absolute, with a trailing '/'.
QString AsFolder(const QString& Path)
{
    QString folder = ExpandFileName(Path);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

/// Path normalised, without a trailing '/' (unless it is the root).
QString Bare(const QString& Folder)
{
    return QDir::cleanPath(Folder);
}

/// The data folder of the build tree or a portable copy.
QString PortableDataFolder()
{
    return ProgramRelativePath(QStringLiteral("../dat"));
}

/// The data folder of an installed prefix.
QString InstalledDataFolder()
{
    return ProgramRelativePath(QStringLiteral("../share/zindo-puzzle/dat"));
}

/// A data folder beside the program: the build tree or a portable copy,
/// which keep the player's files beside it too.
bool IsPortableLayout()
{
    return QFileInfo(PortableDataFolder()).isDir();
}

} // namespace

QString GameDataFolder()
{
    return AsFolder(IsPortableLayout() ? PortableDataFolder() : InstalledDataFolder());
}

QString GameDataPath(const QString& Relative)
{
    return JoinPath(GameDataFolder(), Relative);
}

QStringList GameDataFolderCandidates()
{
    return {Bare(AsFolder(PortableDataFolder())), Bare(AsFolder(InstalledDataFolder()))};
}

QString PlayerFolder()
{
    const QString overridden = qEnvironmentVariable(PlayerFolderVariable);
    if (!overridden.isEmpty())
        return AsFolder(overridden);
    if (IsPortableLayout())
        return AsFolder(ProgramRelativePath(QStringLiteral("../var")));
    // XDG base directory rules: a relative XDG_DATA_HOME is ignored.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return AsFolder(dataHome + QStringLiteral("/zindo-puzzle"));
}

QString PlayerPath(const QString& Relative)
{
    return JoinPath(PlayerFolder(), Relative);
}

void MakePlayerFolder()
{
    const QString folder = Bare(PlayerFolder());
    if (QFileInfo(folder).isDir())
        return;
    const auto fail = [&folder](const std::string& Reason) {
        throw EQzError(QCoreApplication::translate("Files", "Cannot create folder \"%1\". %2")
                           .arg(folder, QString::fromStdString(Reason)));
    };
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFileInfo(folder).path().toStdString()), error);
    if (error)
        fail(error.message());
    // Only the player reads the player's files: the folder is made private
    // at once, not narrowed after it was created.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        fail(std::strerror(errno));
    if (!QFileInfo(folder).isDir())
        fail(std::strerror(ENOTDIR));
}

bool CheckPlayerFolder(QString& Reason)
{
    try {
        MakePlayerFolder();
    } catch (const EQzError& error) {
        Reason = error.Message();
        return false;
    }
    QTemporaryFile probe(PlayerPath(QStringLiteral(".write-probe-XXXXXX")));
    if (!probe.open() || probe.write("probe", 5) != 5 || !probe.flush()) {
        Reason = QCoreApplication::translate("Files", "Cannot write in folder \"%1\". %2")
                .arg(Bare(PlayerFolder()), probe.errorString());
        return false;
    }
    return true;
}

QStringList MixerIniFiles()
{
    QStringList files{PlayerPath(QStringLiteral("MIXER.INI"))};
    if (IsPortableLayout())
        files.append(AsFolder(ProgramDirectory()) + QStringLiteral("MIXER.INI"));
    return files;
}

QString TranslationsFolder()
{
    return GameDataPath(QStringLiteral("translations/"));
}

QString ShippedThemesFolder()
{
    return GameDataPath(QStringLiteral("puzz/"));
}

QString PlayerThemesFolder()
{
    return PlayerPath(QStringLiteral("puzz/"));
}

} // namespace zindo
