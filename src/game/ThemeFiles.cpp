#include "ThemeFiles.h"

#include "Game.h"
#include "SavedGameRecord.h"

#include "data/AnsiText.h"
#include "data/AtomicFile.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/JpegPicture.h"
#include "data/Paths.h"
#include "data/PhotoImport.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <mutex>
#include <set>

namespace zindo {

namespace {

/// The names in Folder (files and folders, no hidden ones).
QStringList FolderEntries(const QString& Folder)
{
    return QDir(Folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

/// The error of a folder that cannot be made.
EQzError FolderError(const QString& Folder)
{
    return EQzError(
        QCoreApplication::translate("Files", "Cannot create the folder \"%1\".").arg(QDir::cleanPath(Folder)));
}

/// The hidden names of a staging folder and of a theme being deleted.
const QString StagingPrefix = QStringLiteral(".new-");
const QString DeletedPrefix = QStringLiteral(".deleted-");

/// The staging folders of builds running in this program, which the
/// clean-up of leftovers must not touch.
std::mutex LiveStagingMutex;
std::set<QString> LiveStaging;

/// The bytes of a container holding Jpeg as picture 01 of Level: the stored
/// name ends in ".jpg", which tells readers the picture is a JPEG.
QByteArray LevelPictureContainer(int Level, const QByteArray& Jpeg)
{
    return EncodeContainer(ChangeFileExtension(TThemeFiles::LevelPictureName(Level), QStringLiteral(".jpg")), Jpeg);
}

} // namespace

TThemeFiles::TThemeFiles() : ShippedFolder(ShippedThemesFolder()), PlayersFolder(PlayerThemesFolder())
{
}

// --- Names -------------------------------------------------------------------

QString TThemeFiles::LevelPictureName(int Level, int Variant)
{
    return QString::asprintf("IP%2.2d%2.2d.dat", Level, Variant);
}

QString TThemeFiles::ThemeNameProblem(const QString& Name)
{
    if (Name.trimmed().isEmpty())
        return tr("A theme needs a name.");
    // The name is a folder one below the theme folders, and not a hidden one.
    if (!TGame::IsPlainName(Name) || Name.contains(QLatin1Char('\\')))
        return tr("A theme name may not start with \".\" nor contain \"/\" or \"\\\".");
    // Saved games and high scores store the theme's name; it must read back the same.
    if (Name.size() > TSavedGameRecord::MaxTextLength)
        return tr("A theme name may be at most %1 characters long.").arg(TSavedGameRecord::MaxTextLength);
    if (!IsAnsiText(Name)) {
        try {
            CheckAnsiText(Name, QCoreApplication::translate("AnsiText", "theme name"));
        } catch (const EQzError& error) {
            return error.Message();
        }
    }
    return QString();
}

void TThemeFiles::CheckThemeName(const QString& Name)
{
    const QString problem = ThemeNameProblem(Name);
    if (!problem.isEmpty())
        throw EQzError(problem);
}

QString TThemeFiles::NewThemeNameProblem(const QString& Name, const QString& Except) const
{
    const QString problem = ThemeNameProblem(Name);
    if (!problem.isEmpty())
        return problem;
    for (const QString& name : ThemeNames()) {
        // The theme being renamed leaves its name free, unless a shipped theme
        // of that name shows again.
        if (name == Except && !IsShippedTheme(name))
            continue;
        if (name.compare(Name, Qt::CaseInsensitive) == 0)
            return tr("There is already a theme called \"%1\".").arg(name);
    }
    return QString();
}

// --- Listing and reading --------------------------------------------------------

QStringList TThemeFiles::ThemeNames() const
{
    QStringList names = FolderEntries(ShippedFolder) + FolderEntries(PlayersFolder);
    // Without regard to case first; names that differ only in case keep a
    // fixed order so that equal names end up side by side.
    std::sort(names.begin(), names.end(), [](const QString& A, const QString& B) {
        const int folded = A.compare(B, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : A < B;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool TThemeFiles::IsPlayersTheme(const QString& Theme) const
{
    return TGame::IsPlainName(Theme) && QFileInfo(PlayersThemeFolder(Theme)).isDir();
}

bool TThemeFiles::IsShippedTheme(const QString& Theme) const
{
    return TGame::IsPlainName(Theme) && QFileInfo(JoinPath(ShippedFolder, Theme)).isDir();
}

QString TThemeFiles::ThemeFolder(const QString& Theme) const
{
    const QString own = PlayersThemeFolder(Theme);
    if (QFileInfo(own).isDir())
        return own;
    return JoinPath(ShippedFolder, Theme);
}

QString TThemeFiles::PlayersThemeFolder(const QString& Theme) const
{
    return JoinPath(PlayersFolder, Theme);
}

QString TThemeFiles::LevelPictureFile(const QString& Theme, int Level) const
{
    if (!TGame::IsPlainName(Theme))
        return QString();
    return FirstLevelPicture(ThemeFolder(Theme), Level);
}

QImage TThemeFiles::LevelPreview(const QString& Theme, int Level) const
{
    if (!TGame::IsPlainName(Theme))
        return QImage();
    const QString file = JoinPath(ThemeFolder(Theme), LevelPictureName(Level));
    if (!FileExists(file))
        return QImage();
    return LoadPictureFile(DecodeToTemp(file));
}

QImage TThemeFiles::LevelThumbnail(const QString& Theme, int Level, int MinLongSide) const
{
    if (!TGame::IsPlainName(Theme))
        return QImage();
    const QString file = JoinPath(ThemeFolder(Theme), LevelPictureName(Level));
    if (!QFileInfo(file).isFile())
        return QImage();
    const TContainerContent content = DecodeContainer(ReadPictureFile(file));
    QImage picture;
    if (IsJpegFileName(content.StoredName)) {
        TJpegOptions options;
        options.MinLongSide = MinLongSide;
        options.KeepGrey = false;
        TJpegDecoding jpeg = DecodeJpeg(content.Plain, options);
        if (jpeg.Outcome != joDecoded)
            throw PictureError(file, jpeg.Error);
        picture = std::move(jpeg.Picture);
    } else {
        picture = LoadPictureData(content.Plain, content.StoredName);
    }
    if (std::max(picture.width(), picture.height()) > MinLongSide)
        picture = picture.scaled(MinLongSide, MinLongSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return picture;
}

QString TThemeFiles::FirstLevelPicture(const QString& Folder, int Level)
{
    for (int variant = 1; variant <= MaxVariant; ++variant) {
        const QString path = JoinPath(Folder, LevelPictureName(Level, variant));
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

// --- Writing the player's themes ------------------------------------------------------

void TThemeFiles::OpenForEditing(const QString& Theme) const
{
    CheckThemeName(Theme);
    // The player's folder first, so that it is private from the start.
    MakePlayerFolder();
    const QString folder = PlayersThemeFolder(Theme);
    if (!QDir().mkpath(folder))
        throw FolderError(folder);
    const QString shippedFolder = JoinPath(ShippedFolder, Theme);
    for (int level = 1; level <= LevelCount; ++level) {
        const QString file = JoinPath(folder, LevelPictureName(level));
        if (FileExists(file))
            continue;
        const QString shipped = FirstLevelPicture(shippedFolder, level);
        EncodeFile(DecodeToTemp(shipped.isEmpty() ? GameDataPath(QStringLiteral("IBROKEN.dat")) : shipped), file);
    }
}

void TThemeFiles::WriteLevelPicture(const QString& Theme, int Level, const QByteArray& Jpeg) const
{
    CheckThemeName(Theme);
    const QString file = JoinPath(PlayersThemeFolder(Theme), LevelPictureName(Level));
    const QByteArray container = LevelPictureContainer(Level, Jpeg);
    ForgetDecodedCopy(file);
    WriteFileAtomically(file, container);
}

void TThemeFiles::ReplaceLevelPicture(const QString& Theme, int Level, const QString& PictureFile) const
{
    CheckThemeName(Theme);
    const QByteArray jpeg = EncodeLevelPicture(TPhotoImport().Convert(PictureFile));
    // A theme the player has not changed yet gets the player's copy first.
    if (!IsPlayersTheme(Theme))
        OpenForEditing(Theme);
    WriteLevelPicture(Theme, Level, jpeg);
}

void TThemeFiles::RenameTheme(const QString& Theme, const QString& NewName) const
{
    CheckPlayersTheme(Theme, tr("The theme \"%1\" comes with the game and cannot be renamed.").arg(Theme));
    if (NewName == Theme)
        return;
    const QString problem = NewThemeNameProblem(NewName, Theme);
    if (!problem.isEmpty())
        throw EQzError(problem);
    const QString folder = PlayersThemeFolder(Theme);
    ForgetDecodedCopiesUnder(folder);
    if (!QDir().rename(folder, PlayersThemeFolder(NewName)))
        throw EQzError(tr("Cannot rename the theme \"%1\" to \"%2\".").arg(Theme, NewName));
}

void TThemeFiles::DeleteTheme(const QString& Theme) const
{
    CheckPlayersTheme(Theme, tr("The theme \"%1\" comes with the game and cannot be deleted.").arg(Theme));
    const QString folder = PlayersThemeFolder(Theme);
    if (QFileInfo(folder).isSymLink()) {
        // Only the link is the player's theme; where it points is left alone.
        if (!QFile::remove(folder))
            throw EQzError(tr("Cannot delete the theme \"%1\".").arg(Theme));
        return;
    }
    ForgetDecodedCopiesUnder(folder);
    // The theme leaves the list in one step: its folder is moved to a hidden
    // name first, and emptied there.
    const QString doomed = JoinPath(PlayersFolder, DeletedPrefix + QUuid::createUuid().toString(QUuid::Id128));
    if (!QDir().rename(folder, doomed))
        throw EQzError(tr("Cannot delete the theme \"%1\".").arg(Theme));
    if (!QDir(doomed).removeRecursively())
        throw EQzError(tr("The theme \"%1\" is deleted, but some of its files could not be removed from "
                                 "the folder \"%2\".")
                           .arg(Theme, QDir::cleanPath(doomed)));
}

// --- Building a theme in one go ---------------------------------------------------

QString TThemeFiles::MakeStagingFolder() const
{
    MakePlayerFolder();
    if (!QDir().mkpath(PlayersFolder))
        throw FolderError(PlayersFolder);
    const std::lock_guard<std::mutex> lock(LiveStagingMutex);
    // One game runs per player's folder, so a hidden work folder that no
    // build of this program holds was left by one that was killed.
    const QStringList hidden = QDir(PlayersFolder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : hidden) {
        const QString path = JoinPath(PlayersFolder, name);
        if ((name.startsWith(StagingPrefix) && !LiveStaging.count(path)) || name.startsWith(DeletedPrefix))
            if (!QFileInfo(path).isSymLink())
                QDir(path).removeRecursively();
    }
    const QString staging = JoinPath(PlayersFolder, StagingPrefix + QUuid::createUuid().toString(QUuid::Id128));
    if (!QDir().mkdir(staging))
        throw FolderError(staging);
    LiveStaging.insert(staging);
    return staging;
}

void TThemeFiles::WriteStagedLevelPicture(const QString& Staging, int Level, const QByteArray& Jpeg)
{
    WriteFileAtomically(JoinPath(Staging, LevelPictureName(Level)), LevelPictureContainer(Level, Jpeg));
}

void TThemeFiles::AdoptStagedTheme(const QString& Staging, const QString& Theme) const
{
    const QString problem = NewThemeNameProblem(Theme);
    if (!problem.isEmpty())
        throw EQzError(problem);
    const QString folder = PlayersThemeFolder(Theme);
    // A theme of that name may have been read before in this run and been
    // removed since: its pictures must be decoded afresh.
    ForgetDecodedCopiesUnder(folder);
    if (!QDir().rename(Staging, folder))
        throw EQzError(tr("Cannot create the theme \"%1\" in the folder \"%2\".")
                           .arg(Theme, QDir::cleanPath(PlayersFolder)));
    const std::lock_guard<std::mutex> lock(LiveStagingMutex);
    LiveStaging.erase(Staging);
}

void TThemeFiles::DiscardStagingFolder(const QString& Staging) const
{
    const QFileInfo info(Staging);
    if (!info.fileName().startsWith(StagingPrefix) || QDir::cleanPath(info.absolutePath()) != QDir::cleanPath(PlayersFolder))
        return;
    if (!info.isSymLink())
        QDir(Staging).removeRecursively();
    const std::lock_guard<std::mutex> lock(LiveStagingMutex);
    LiveStaging.erase(Staging);
}

void TThemeFiles::CheckPlayersTheme(const QString& Theme, const QString& ShippedRefusal) const
{
    if (IsPlayersTheme(Theme))
        return;
    if (IsShippedTheme(Theme))
        throw EQzError(ShippedRefusal);
    throw EQzError(tr("There is no theme called \"%1\".").arg(Theme));
}

} // namespace zindo
