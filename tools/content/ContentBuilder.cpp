#include "ContentBuilder.h"

#include "ArtKit.h"
#include "GameSounds.h"
#include "Pictures.h"
#include "Sprites.h"
#include "Tutorial.h"
#include "WaveFile.h"

#include "data/AnsiText.h"
#include "data/DataContainer.h"
#include "data/QzError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QTranslator>

#include <map>

namespace zindo {

namespace {

bool WriteBytes(const QString& FileName, const QByteArray& Bytes)
{
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(Bytes) == Bytes.size();
}

} // namespace

TContentBuilder::TContentBuilder(const QString& AssetsDir, const QString& DatDir, const QString& BuilderFile,
                                 const QString& WorkDir)
    : Assets(QDir(AssetsDir).absolutePath()), Dat(QDir(DatDir).absolutePath()), Builder(BuilderFile),
      Work(QDir(WorkDir).absolutePath())
{
}

QString TContentBuilder::AssetPath(const QString& Relative) const
{
    if (QDir::isAbsolutePath(Relative))
        return Relative;
    return Assets + QLatin1Char('/') + Relative;
}

void TContentBuilder::AddGenerated(const QString& Target, const QString& StoredName, const QStringList& Inputs,
                                   TMake Make)
{
    Jobs.push_back({Target, StoredName, Inputs, std::move(Make), QString()});
}

void TContentBuilder::AddCopy(const QString& Target, const QString& Asset)
{
    Jobs.push_back({Target, QFileInfo(Asset).fileName(), {Asset}, TMake(), Asset});
}

QStringList TContentBuilder::Targets() const
{
    QStringList result;
    for (const TJob& job : Jobs)
        result << job.Target;
    return result;
}

bool TContentBuilder::IsUpToDate(const TJob& Job) const
{
    const QFileInfo output(Dat + QLatin1Char('/') + Job.Target);
    if (!output.exists())
        return false;
    const QDateTime made = output.lastModified();
    if (!Builder.isEmpty() && QFileInfo(Builder).lastModified() > made)
        return false;
    for (const QString& input : Job.Inputs)
        if (QFileInfo(AssetPath(input)).lastModified() > made)
            return false;
    return true;
}

TContentBuilder::TReport TContentBuilder::Run(bool Force)
{
    TReport report;
    for (const TJob& job : Jobs) {
        if (!Force && IsUpToDate(job)) {
            ++report.UpToDate;
            continue;
        }
        for (const QString& input : job.Inputs)
            if (!QFileInfo::exists(AssetPath(input)))
                throw EQzError(QStringLiteral("Missing asset \"%1\" for %2").arg(AssetPath(input), job.Target));
        const QString target = Dat + QLatin1Char('/') + job.Target;
        QDir().mkpath(QFileInfo(target).path());
        QString plain;
        if (job.Make) {
            // A folder per target folder keeps equal stored names apart.
            const QString folder = Work + QLatin1Char('/') + QFileInfo(job.Target).path();
            QDir().mkpath(folder);
            plain = folder + QLatin1Char('/') + job.StoredName;
            if (!job.Make(plain))
                throw EQzError(QStringLiteral("Cannot make \"%1\" for %2").arg(plain, job.Target));
        } else {
            plain = AssetPath(job.CopyOf);
        }
        EncodeFile(plain, target);
        ++report.Written;
    }
    return report;
}

namespace {

/// Loads assets for the drawings, refusing any the output did not name as an
/// input (an undeclared input would not make the output be rebuilt).
class TAssetPhotos {
public:
    TAssetPhotos(const TContentBuilder& ABuilder, const QStringList& AAllowed) : Builder(ABuilder), Allowed(AAllowed) {}

    QImage operator()(const QString& Relative) const
    {
        if (!Allowed.contains(Relative))
            throw EQzError(QStringLiteral("Asset \"%1\" is used but not listed as an input").arg(Relative));
        QImageReader reader(Builder.AssetPath(Relative));
        reader.setAutoTransform(false);
        QImage image = reader.read();
        if (image.isNull())
            throw EQzError(QStringLiteral("Cannot read \"%1\": %2").arg(Relative, reader.errorString()));
        return image.convertToFormat(QImage::Format_RGB32);
    }

private:
    const TContentBuilder& Builder;
    QStringList Allowed;
};

/// JPEG quality of the tutorial pictures, which are stored at twice the
/// size they are shown: their orange and white captions on black show no
/// ringing or colour fringes at 1:1, and the 24 pictures (three languages)
/// take under 7 MB.
constexpr int TutorialQuality = 80;

void AddPicture(TContentBuilder& Builder, const QString& Target, const QString& Stored, const QStringList& Inputs,
                std::function<QImage(const TPhotoSource&)> Draw, int Quality = 88)
{
    Builder.AddGenerated(Target, Stored, Inputs, [&Builder, Inputs, Draw, Quality, Stored](const QString& Plain) {
        const TAssetPhotos photos(Builder, Inputs);
        const QImage image = Draw(std::cref(photos));
        if (Stored.endsWith(QStringLiteral(".jpg")))
            return SaveJpeg(image, Plain, Quality);
        return SaveBmp24(image, Plain);
    });
}

/// Speaks the language of a compiled translation while it lives: the
/// tutorial's pictures are drawn in that language.
class TScopedTranslation {
public:
    explicit TScopedTranslation(const QString& QmFile)
    {
        if (!Translator.load(QmFile) || !QCoreApplication::installTranslator(&Translator))
            throw EQzError(QStringLiteral("Cannot read the translation \"%1\"").arg(QmFile));
    }
    ~TScopedTranslation() { QCoreApplication::removeTranslator(&Translator); }
    TScopedTranslation(const TScopedTranslation&) = delete;
    TScopedTranslation& operator=(const TScopedTranslation&) = delete;

private:
    QTranslator Translator;
};

/// A text asset written in UTF-8, stored in the game's Windows-1252; a
/// character that encoding lacks fails the build rather than turning into '?'.
void AddAnsiText(TContentBuilder& Builder, const QString& Target, const QString& Asset)
{
    Builder.AddGenerated(Target, QFileInfo(Asset).fileName(), {Asset}, [&Builder, Asset](const QString& Plain) {
        QFile file(Builder.AssetPath(Asset));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QString text = QString::fromUtf8(file.readAll());
        if (!IsAnsiText(text))
            throw EQzError(QStringLiteral("\"%1\" holds characters that Windows-1252 cannot store").arg(Asset));
        return WriteBytes(Plain, ToAnsi(text));
    });
}

void AddSound(TContentBuilder& Builder, const QString& Target, const QString& Stored, std::function<TSound()> Make)
{
    Builder.AddGenerated(Target, Stored, {}, [Make](const QString& Plain) { return WriteBytes(Plain, EncodeWave(Make())); });
}

/// The themes: every folder of assets/photos; a picture's level is the
/// number its file name starts with ("03_LadyBird.jpg" is level 3), and
/// several pictures of one level become its variants 01, 02, ...
void AddThemes(TContentBuilder& Builder)
{
    const QDir photos(Builder.AssetPath(QStringLiteral("photos")));
    const QStringList themes = photos.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& theme : themes) {
        const QDir folder(photos.filePath(theme));
        std::map<int, int> variants;
        for (const QString& file : folder.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
            bool ok = false;
            const int level = file.left(2).toInt(&ok);
            if (!ok || level < 1 || level > 10 || file.size() < 3 || file[2] != QLatin1Char('_'))
                throw EQzError(QStringLiteral("Theme picture \"%1/%2\" does not start with its level").arg(theme, file));
            const int variant = ++variants[level];
            const QString target = QStringLiteral("puzz/%1/IP%2%3.dat")
                                       .arg(theme)
                                       .arg(level, 2, 10, QLatin1Char('0'))
                                       .arg(variant, 2, 10, QLatin1Char('0'));
            Builder.AddCopy(target, QStringLiteral("photos/%1/%2").arg(theme, file));
        }
    }
}

} // namespace

QStringList TutorialLanguages(const TContentBuilder& Builder)
{
    return QDir(Builder.AssetPath(QStringLiteral("tutorial"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

void AddGameContent(TContentBuilder& Builder, const QString& TranslationsDir)
{
    // Sprites and pictures of the board (read by the puzzle).
    AddPicture(Builder, QStringLiteral("IBROOM.dat"), QStringLiteral("IBROOM.bmp"), {},
               [](const TPhotoSource&) { return MakeBroomSprite(); });
    for (int frame = 0; frame < 4; ++frame)
        AddPicture(Builder, QStringLiteral("izn%1.dat").arg(frame), QStringLiteral("izn%1.bmp").arg(frame), {},
                   [frame](const TPhotoSource&) { return MakeZindoFrame(frame); });
    AddPicture(Builder, QStringLiteral("IPBK.DAT"), QStringLiteral("IPBK.jpg"), {},
               [](const TPhotoSource&) { return MakeTableTexture(); }, 85);

    // The screens' pictures.
    AddPicture(Builder, QStringLiteral("ibk.dat"), QStringLiteral("ibk.jpg"), {},
               [](const TPhotoSource&) { return MakeWallpaper(); }, 92);
    AddPicture(Builder, QStringLiteral("iss.dat"), QStringLiteral("iss.jpg"),
               {QStringLiteral("photos/Landscapes/10_SummerNight.jpg"), QStringLiteral("photos/Garden/04_Marigold.jpg"),
                QStringLiteral("photos/Landscapes/07_SnowyForest.jpg"), QStringLiteral("photos/Curiosities/07_Cups.jpg")},
               [](const TPhotoSource& Photos) { return MakeTitlePicture(Photos); }, 88);
    AddPicture(Builder, QStringLiteral("IBROKEN.dat"), QStringLiteral("IBROKEN.jpg"), {},
               [](const TPhotoSource&) { return MakeMissingPicture(); }, 85);

    AddThemes(Builder);

    // Sounds, each in its own PCM layout.
    AddSound(Builder, QStringLiteral("snd/mbk2.dat"), QStringLiteral("mbk2.wav"), MakeBackgroundTune);
    AddSound(Builder, QStringLiteral("snd/MSEPTAKE.DAT"), QStringLiteral("MSEPTAKE.wav"), MakeTakeSound);
    AddSound(Builder, QStringLiteral("snd/MSEPDROP.DAT"), QStringLiteral("MSEPDROP.wav"), MakeDropSound);
    AddSound(Builder, QStringLiteral("snd/MSERISKTAKE.DAT"), QStringLiteral("MSERISKTAKE.wav"), MakeRiskTakeSound);
    AddSound(Builder, QStringLiteral("snd/MSERISKWON.DAT"), QStringLiteral("MSERISKWON.wav"), MakeRiskWonSound);
    AddSound(Builder, QStringLiteral("snd/MSERISKLOST.DAT"), QStringLiteral("MSERISKLOST.wav"), MakeRiskLostSound);
    AddSound(Builder, QStringLiteral("snd/MSEMAGIC.DAT"), QStringLiteral("MSEMAGIC.wav"), MakeMagicSound);

    // The tutorial: drawn pictures and hand-written texts.
    const QStringList tutorialPhotos = {
        QStringLiteral("photos/Landscapes/01_EveningGlow.jpg"), QStringLiteral("photos/Garden/01_Meadow.jpg"),
        QStringLiteral("photos/Animals/03_LadyBird.jpg"), QStringLiteral("photos/Landscapes/04_Aitzgorri.jpg"),
        QStringLiteral("photos/Curiosities/08_Clock.jpg"), QStringLiteral("photos/Landscapes/09_LakeSherburne.jpg")};
    for (int page = 1; page <= TutorialPageCount; ++page) {
        AddPicture(Builder, QStringLiteral("tutorial/ITUTORIAL%1.DAT").arg(page), QStringLiteral("ITUTORIAL%1.jpg").arg(page),
                   tutorialPhotos, [page](const TPhotoSource& Photos) { return MakeTutorialPicture(page, Photos); }, TutorialQuality);
        Builder.AddCopy(QStringLiteral("tutorial/TTUTORIAL%1.DAT").arg(page),
                        QStringLiteral("tutorial/TTUTORIAL%1.txt").arg(page));
    }
    for (const QString& language : TutorialLanguages(Builder)) {
        const QString translation = QDir(TranslationsDir).absoluteFilePath(QStringLiteral("zindo_%1.qm").arg(language));
        for (int page = 1; page <= TutorialPageCount; ++page) {
            AddPicture(Builder, QStringLiteral("tutorial/%1/ITUTORIAL%2.DAT").arg(language).arg(page),
                       QStringLiteral("ITUTORIAL%1.jpg").arg(page), tutorialPhotos + QStringList{translation},
                       [page, translation](const TPhotoSource& Photos) {
                           const TScopedTranslation speaking(translation);
                           return MakeTutorialPicture(page, Photos);
                       }, TutorialQuality);
            AddAnsiText(Builder, QStringLiteral("tutorial/%1/TTUTORIAL%2.DAT").arg(language).arg(page),
                        QStringLiteral("tutorial/%1/TTUTORIAL%2.txt").arg(language).arg(page));
        }
    }
}

QStringList WriteProgramResources(const QString& Directory, const QString& AssetsDir)
{
    const QDir root(Directory);
    root.mkpath(QStringLiteral("bitmaps"));
    root.mkpath(QStringLiteral("images"));
    QStringList written;
    const auto check = [&](bool Ok, const QString& File) {
        if (!Ok)
            throw EQzError(QStringLiteral("Cannot write \"%1\"").arg(File));
        written << File;
    };
    for (int i = 0; i < BonusIconCount; ++i) {
        const auto icon = TBonusIcon(i);
        const QString file = root.filePath(QStringLiteral("bitmaps/%1.bmp").arg(QLatin1String(BonusIconName(icon))));
        check(SaveBmp24(MakeBonusIcon(icon), file), file);
    }
    const auto png = [&](const QImage& Image, const QString& Name) {
        const QString file = root.filePath(QStringLiteral("images/") + Name);
        check(SavePng(Image, file), file);
    };
    png(MakeEmblem(), QStringLiteral("emblem.png"));
    png(MakeWindowIcon(), QStringLiteral("icon.png"));
    const TPhotoSource photos = [&AssetsDir](const QString& Relative) {
        const QImage image(AssetsDir + QLatin1Char('/') + Relative);
        if (image.isNull())
            throw EQzError(QStringLiteral("Cannot read \"%1\"").arg(Relative));
        return image.convertToFormat(QImage::Format_RGB32);
    };
    const QImage title = MakeTitlePicture(photos);
    png(MakeStartupPicture(true, title), QStringLiteral("startup_fullscreen.png"));
    png(MakeStartupPicture(false, title), QStringLiteral("startup_window.png"));
    return written;
}

QStringList WriteDesktopIcons(const QString& Directory)
{
    if (!QDir().mkpath(Directory))
        throw EQzError(QStringLiteral("Cannot create folder \"%1\"").arg(Directory));
    QStringList written;
    for (const int size : DesktopIconSizes) {
        const QString file = QDir(Directory).filePath(QStringLiteral("%1x%1.png").arg(size));
        if (!SavePng(MakeProgramIcon(size), file))
            throw EQzError(QStringLiteral("Cannot write \"%1\"").arg(file));
        written << file;
    }
    return written;
}

} // namespace zindo
