#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace zindo {

/// Makes the game's data tree: every file a scrambled container written with
/// EncodeFile. Each output names the asset files it is made from; an output
/// is written again only when it is missing or older than one of them or
/// than the builder program itself, so a build after a small change redoes
/// only what that change touches.
class TContentBuilder {
public:
    /// Writes the plain file whose name is the container's stored name.
    /// Returns false when the file could not be written.
    using TMake = std::function<bool(const QString& PlainFile)>;

    /// AssetsDir: the assets folder; DatDir: the data tree to fill; BuilderFile:
    /// the builder program (outputs older than it are remade); WorkDir: where
    /// plain files are made before they are scrambled.
    TContentBuilder(const QString& AssetsDir, const QString& DatDir, const QString& BuilderFile, const QString& WorkDir);

    /// An output made by a drawing or a synthesiser. Target is the container's
    /// path below the data tree ("snd/mbk2.dat"), StoredName the name of the
    /// plain file in its header, whose extension tells the game how to read
    /// it; Inputs are asset paths relative to the assets folder, or absolute
    /// paths of inputs made elsewhere in the build (compiled translations).
    void AddGenerated(const QString& Target, const QString& StoredName, const QStringList& Inputs, TMake Make);

    /// An output that holds an asset file unchanged under its own name.
    void AddCopy(const QString& Target, const QString& Asset);

    struct TReport {
        int Written = 0;    ///< containers made in this run
        int UpToDate = 0;   ///< containers left as they were
    };

    /// Makes every output that is not up to date (every output when Force).
    /// Raises EQzError when an output cannot be made.
    TReport Run(bool Force);

    /// The outputs' paths below the data tree, in the order they were added.
    QStringList Targets() const;

    /// The absolute path of an asset (an absolute path stays as it is).
    QString AssetPath(const QString& Relative) const;

private:
    struct TJob {
        QString Target;
        QString StoredName;
        QStringList Inputs;
        TMake Make;      ///< empty for a copy
        QString CopyOf;  ///< the asset a copy holds
    };
    bool IsUpToDate(const TJob& Job) const;

    QString Assets;            ///< the assets folder
    QString Dat;               ///< the data tree
    QString Builder;           ///< the builder program
    QString Work;              ///< scratch folder for plain files
    std::vector<TJob> Jobs;    ///< every output, in order
};

/// Adds every file of the game's data tree to Builder: sprites, pictures,
/// the themes found in assets/photos, sounds and the tutorial. The English
/// tutorial is tutorial/ITUTORIALn.DAT and TTUTORIALn.DAT; every language
/// with a folder in assets/tutorial ("de") gets its own in tutorial/<code>/,
/// its texts from that folder (UTF-8, stored in the game's Windows-1252) and
/// its pictures drawn with the compiled translation
/// TranslationsDir/zindo_<code>.qm.
void AddGameContent(TContentBuilder& Builder, const QString& TranslationsDir);

/// The languages with a tutorial of their own: the folders of
/// assets/tutorial, sorted.
QStringList TutorialLanguages(const TContentBuilder& Builder);

/// Writes the program's own bitmap resources (bonus icons, emblem, window
/// icon, start-up pictures) into Directory, as committed in src/resources.
/// The start-up pictures show the title picture, made from AssetsDir's
/// photographs. Returns the files written.
QStringList WriteProgramResources(const QString& Directory, const QString& AssetsDir);

/// The sizes of the program icon in the desktop's icon theme.
inline constexpr int DesktopIconSizes[] = {48, 64, 128, 256};

/// Writes the program icon for the desktop's icon theme into Directory, one
/// PNG drawn at each size: "48x48.png", "64x64.png", ... Returns the files.
QStringList WriteDesktopIcons(const QString& Directory);

} // namespace zindo
