#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

namespace zindo {

/// The themes on the disk: the shipped ones in the game's data ("puzz/<theme>/",
/// only ever read) and the player's own in the player's folder ("puzz/<theme>/",
/// data/GamePaths.h). This class is the one owner of those files: it lists the
/// themes, finds a level's pictures, and writes the player's themes; screens and
/// the session ask it and never spell a theme path themselves.
///
/// A theme is a folder whose name is the theme's name. Level n (1 .. 10) has its
/// pictures in it as "IP<nn><vv>.dat", a picture in the game's scrambled
/// container (data/DataContainer.h) numbered vv = 01 .. 99; the game plays the
/// first that exists, and variant 01 is the level's preview. A player's theme of
/// the same name as a shipped one takes its place entirely: nothing of the
/// shipped theme shows through. The player's themes can be changed, renamed and
/// deleted; the shipped ones cannot.
///
/// The object holds only the two folders, read when it is made; make one
/// wherever it is needed. Names are checked by ThemeNameProblem before any write.
/// Reading and writing containers belongs to the UI thread (the table of decoded
/// copies in data/DataContainer.h is not shared); ThemeNameProblem,
/// LevelThumbnail and WriteStagedLevelPicture may run on any thread.
///
/// A theme made in one go (game/ThemeMaker.h) is built in a hidden staging
/// folder beside the player's themes, which the list never shows, and given
/// its name in one step when it is complete; a build that fails or is
/// cancelled leaves nothing behind.
class TThemeFiles {
    Q_DECLARE_TR_FUNCTIONS(ThemeFiles)

public:
    /// The themes of the game's data folder and of the player's folder.
    TThemeFiles();

    static constexpr int LevelCount = 10;    ///< levels of a theme, 1 .. 10
    static constexpr int MaxVariant = 99;    ///< pictures of a level, 01 .. 99

    // --- Names --------------------------------------------------------------

    /// The file name of picture Variant of Level: "IP<level><variant>.dat",
    /// two digits each ("IP0701.dat").
    static QString LevelPictureName(int Level, int Variant = 1);
    /// Why Name cannot name a theme, or an empty text when it can. A theme's
    /// name is a plain folder name (TGame::IsPlainName: not empty, no '/', not
    /// starting with '.'), holds no '\\', fits the 100 characters that saved
    /// games and high scores keep of it, and is Windows-1252 text that they
    /// can store (data/AnsiText.h).
    static QString ThemeNameProblem(const QString& Name);
    /// Raises EQzError with ThemeNameProblem's text when there is a problem.
    static void CheckThemeName(const QString& Name);
    /// Why Name cannot name a new theme of the player's, or an empty text when
    /// it can: ThemeNameProblem, or a theme of that name exists already,
    /// compared without regard to case (names that differ only in case would
    /// stand side by side in the list, told apart by nobody). The player's
    /// theme Except (one being renamed) does not count, unless a shipped theme
    /// of its name would show again.
    QString NewThemeNameProblem(const QString& Name, const QString& Except = QString()) const;

    // --- Listing and reading ------------------------------------------------

    /// Every theme: the entries of both theme folders (no hidden ones), each
    /// name once, sorted without regard to case; names that differ only in
    /// case keep a fixed order side by side.
    QStringList ThemeNames() const;
    /// Whether the player has a theme of that name (it may hide a shipped one).
    bool IsPlayersTheme(const QString& Theme) const;
    /// Whether the game comes with a theme of that name.
    bool IsShippedTheme(const QString& Theme) const;
    /// The folder Theme is read from: the player's own when there is one,
    /// else the shipped one (which may not exist).
    QString ThemeFolder(const QString& Theme) const;
    /// The folder of the player's theme of that name (which may not exist).
    QString PlayersThemeFolder(const QString& Theme) const;
    /// The picture the game plays for Level of Theme: the first of variants
    /// 1 .. 99 that is a file; empty when there is none, or when Theme is no
    /// plain name.
    QString LevelPictureFile(const QString& Theme, int Level) const;
    /// The preview of Level of Theme: its picture 01, decoded; an empty
    /// picture when the theme has none. EQzError when it cannot be read.
    QImage LevelPreview(const QString& Theme, int Level) const;
    /// The same picture made small: a JPEG is decoded straight at the smallest
    /// of its reduced scales whose long side is still at least MinLongSide
    /// (a bitmap at full size), and scaled smoothly to a long side of
    /// MinLongSide when it is larger. Read from memory, with no temporary
    /// copy, so it may run on any thread. An empty picture when the theme has
    /// none; EQzError when it cannot be read.
    QImage LevelThumbnail(const QString& Theme, int Level, int MinLongSide) const;

    // --- Writing the player's themes ---------------------------------------

    /// Makes Theme ready to be changed by the player: the player's theme
    /// folder is made when missing (and the player's folder before it), and
    /// each level that lacks its picture 01 there gets one: the shipped
    /// theme's picture of that level when the game has one, else the
    /// placeholder picture. Pictures already there are left as they are.
    /// EQzError for a bad name, or a folder or file that cannot be written.
    void OpenForEditing(const QString& Theme) const;
    /// Writes Jpeg (a JPEG, as EncodeLevelPicture makes it) as picture 01 of
    /// Level in the player's theme Theme, replacing what was there in one step.
    /// The theme's folder must exist (OpenForEditing). EQzError when it cannot
    /// be written; the old picture then stays.
    void WriteLevelPicture(const QString& Theme, int Level, const QByteArray& Jpeg) const;
    /// The player chose PictureFile for Level of Theme: it is read and
    /// converted as a photo is (data/PhotoImport.h: any format the toolkit
    /// reads, turned upright, a long side of at most PhotoLongSide pixels)
    /// before anything is touched, Theme is opened for
    /// editing when the player has no theme of that name yet, and the picture
    /// becomes the level's picture 01. A picture that cannot be read changes
    /// nothing.
    void ReplaceLevelPicture(const QString& Theme, int Level, const QString& PictureFile) const;

    /// Renames the player's theme Theme to NewName. Refused with EQzError when
    /// the player has no theme of that name (a shipped theme cannot be
    /// renamed) or NewName is refused by NewThemeNameProblem (so only the
    /// theme's own name may change its case). A player's theme that hid a
    /// shipped one of its old name lets the shipped one show again.
    void RenameTheme(const QString& Theme, const QString& NewName) const;
    /// Deletes the player's theme Theme with all its pictures. Refused with
    /// EQzError when the player has no theme of that name (a shipped theme
    /// cannot be deleted). The theme leaves the list in one step; a shipped
    /// theme of the same name shows again.
    void DeleteTheme(const QString& Theme) const;

    // --- Building a theme in one go ----------------------------------------

    /// Makes a new, empty staging folder: a hidden folder in the player's
    /// theme folder (made when missing, the player's folder before it).
    /// Staging folders that a build killed half-way left behind, and folders
    /// that an interrupted DeleteTheme left, are removed first; those of
    /// builds still running in this program are left alone. EQzError when
    /// the folder cannot be made.
    QString MakeStagingFolder() const;
    /// Writes Jpeg as picture 01 of Level into the staging folder Staging,
    /// in the container a level picture is stored in. Safe on any thread: the
    /// path is new, no decoded copy of it exists. EQzError when it cannot be
    /// written.
    static void WriteStagedLevelPicture(const QString& Staging, int Level, const QByteArray& Jpeg);
    /// Gives the theme built in Staging the name Theme, in one step. Refused
    /// with EQzError when NewThemeNameProblem refuses the name or the folder
    /// cannot be moved; Staging then stays for the caller to discard.
    void AdoptStagedTheme(const QString& Staging, const QString& Theme) const;
    /// Removes the staging folder Staging with what it holds; a folder that
    /// is no staging folder of the player's is left alone.
    void DiscardStagingFolder(const QString& Staging) const;

private:
    /// The first picture of Level in Folder; empty when there is none.
    static QString FirstLevelPicture(const QString& Folder, int Level);
    /// Raises EQzError unless the player has a theme of that name:
    /// ShippedRefusal when it is a shipped theme only.
    void CheckPlayersTheme(const QString& Theme, const QString& ShippedRefusal) const;

    QString ShippedFolder; ///< the shipped themes, "puzz/" in the game's data
    QString PlayersFolder; ///< the player's themes, "puzz/" in the player's folder
};

} // namespace zindo
