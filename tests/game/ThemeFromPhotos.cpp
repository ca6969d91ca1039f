// A theme of the player's made from photos in one go: any picture format,
// turned upright, the levels taking fewer than ten photos again in order,
// and nothing left behind when a photo cannot be read or the build is
// cancelled.
#include "GameTestTree.h"

#include "game/ThemeMaker.h"

#include "data/JpegPicture.h"
#include "data/QzError.h"
#include "support/EncodedPicture.h"
#include "support/HostilePictures.h"

#include <QFile>

using namespace zindo;
using namespace zindo::test;

namespace {

const QColor Red(220, 30, 30);
const QColor Green(30, 200, 60);
const QColor Blue(30, 60, 220);
const QColor White(255, 255, 255);

bool Near(const QColor& A, const QColor& B)
{
    return NearColour(A.rgb(), B.rgb(), 16);
}

class PhotoThemes : public TGameFixture {
protected:
    /// Writes Bytes as the photo Name in the folder "photos/<Folder>".
    QString Photo(const QString& Name, const QByteArray& Bytes, const QString& Folder = QStringLiteral("Holiday"))
    {
        return Tree.Write(QStringLiteral("photos/%1/%2").arg(Folder, Name), Bytes);
    }
    /// The picture the player's theme Theme has for Level, as stored.
    QImage StoredLevel(const QString& Theme, int Level) const
    {
        return LoadContainedPicture(
            Tree.Path(QStringLiteral("var/puzz/%1/").arg(Theme) + TThemeFiles::LevelPictureName(Level)));
    }
    /// Everything in the player's theme folder, hidden entries too.
    QStringList PlayersEntries() const
    {
        return QDir(Tree.Path(QStringLiteral("var/puzz")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    /// Three good photos: a large red PNG, a green WebP and a blue JPEG
    /// stored on its side with a white band at its top, whose Exif block
    /// says to turn it by 90 degrees clockwise.
    QStringList ThreeFormats()
    {
        QImage sideways = SolidImage(400, 300, Blue);
        QPainter(&sideways).fillRect(0, 0, 400, 60, White);
        return {Photo(QStringLiteral("1 beach.png"), EncodedPicture(SolidImage(2400, 1600, Red), "png")),
                Photo(QStringLiteral("2 forest.webp"), EncodedPicture(SolidImage(300, 200, Green), "webp", 90)),
                Photo(QStringLiteral("10 tower.jpg"),
                      WithExifOrientation(EncodedPicture(sideways, "jpeg", 95), 6))};
    }

    TThemeFiles Themes;
};

} // namespace

TEST_F(PhotoThemes, PhotosOfAnyFormatBecomeAPlayableThemeTakenInTurn)
{
    const QStringList photos = ThreeFormats();
    ASSERT_FALSE(TTestTree::Read(photos[1]).isEmpty()) << "no WebP writer; is qt6-image-formats-plugins installed?";
    Tree.Write(QStringLiteral("photos/Holiday/notes.txt"), "not a photo");
    Tree.Write(QStringLiteral("photos/Holiday/.hidden.jpg"), "not a photo either");

    // A folder gives its pictures in the order people sort names; a file
    // named twice is taken once.
    const QStringList found = TThemeMaker::PhotoFiles({Tree.Path(QStringLiteral("photos/Holiday")), photos[0]});
    EXPECT_EQ(found, photos);
    const QString proposed = TThemeMaker::ProposedName(found, Themes);
    EXPECT_EQ(proposed, QStringLiteral("Holiday"));

    TThemeMaker maker(proposed, found);
    ASSERT_TRUE(maker.Make());
    EXPECT_EQ(maker.Percent(), 100);
    EXPECT_EQ(maker.PhotosDone(), 3);
    EXPECT_EQ(Themes.ThemeNames(), QStringList{QStringLiteral("Holiday")});
    EXPECT_EQ(PlayersEntries(), QStringList{QStringLiteral("Holiday")}) << "no staging folder is left";

    // Levels 1 .. 10 take the photos 1, 2, 3, 1, 2, 3, 1, 2, 3, 1.
    const QColor colours[] = {Red, Green, Blue};
    for (int level = 1; level <= TThemeFiles::LevelCount; ++level) {
        const QImage stored = StoredLevel(proposed, level);
        const QColor centre = stored.pixelColor(stored.width() / 2, stored.height() / 2);
        EXPECT_TRUE(Near(centre, colours[(level - 1) % 3])) << level << ": " << centre.name().toStdString();
    }
    // The large photo keeps 1800 pixels on its long side; the sideways one
    // stands upright, its white band now on the right.
    EXPECT_EQ(StoredLevel(proposed, 1).size(), QSize(1800, 1200));
    const QImage upright = StoredLevel(proposed, 3);
    ASSERT_EQ(upright.size(), QSize(300, 400));
    EXPECT_TRUE(Near(upright.pixelColor(290, 200), White));
    EXPECT_TRUE(Near(upright.pixelColor(10, 200), Blue));
    const QImage thumbnail = Themes.LevelThumbnail(proposed, 1, 150);
    EXPECT_EQ(thumbnail.size(), QSize(150, 100));

    // The game plays it, and the hidden puzzle maker edits it.
    Game->NewGame(proposed, QStringLiteral("Ida"));
    Game->StartLevel();
    EXPECT_EQ(Puzzle().GetState(), stPlaying);
    EXPECT_TRUE(Near(Puzzle().Picture().pixelColor(100, 100), Red));
    Themes.ReplaceLevelPicture(proposed, 2, photos[0]);
    EXPECT_EQ(StoredLevel(proposed, 2).size(), QSize(1800, 1200));
    EXPECT_TRUE(Near(StoredLevel(proposed, 2).pixelColor(5, 5), Red));

    // The next theme from the same folder is offered a name of its own; more
    // than ten photos: the first ten make the levels.
    EXPECT_EQ(TThemeMaker::ProposedName(found, Themes), QStringLiteral("Holiday 2"));
    QStringList many;
    for (int i = 1; i <= 12; ++i)
        many << Photo(QStringLiteral("p%1.bmp").arg(i), EncodedPicture(SolidImage(30, 20, QColor(i * 20, 0, 0)), "bmp"),
                      QStringLiteral("Many"));
    TThemeMaker more(QStringLiteral("Many"), TThemeMaker::PhotoFiles({Tree.Path(QStringLiteral("photos/Many"))}));
    EXPECT_EQ(more.Photos(), many.mid(0, 10));
    ASSERT_TRUE(more.Make());
    EXPECT_TRUE(Near(StoredLevel(QStringLiteral("Many"), 10).pixelColor(5, 5), QColor(200, 0, 0)));
}

TEST_F(PhotoThemes, APhotoThatCannotBeReadACancelOrARefusedNameLeavesNothingBehind)
{
    const QStringList good = ThreeFormats();
    const TScopedAllocationLimit limit(32); // megabytes: the photos fit, the huge one does not
    const struct {
        const char* Name;
        QByteArray Bytes;
    } hostile[] = {{"scans.jpg", ManyScansJpeg(64, 64, MaxJpegScans + 20)},
                   {"huge.jpg", HugeGreyJpeg(30000, 30000)},
                   {"short.bmp", CutShortBitmap(300, 200)},
                   {"notes.png", "not a picture"}};
    for (const auto& bad : hostile) {
        SCOPED_TRACE(bad.Name);
        const QString file = Photo(QString::fromLatin1(bad.Name), bad.Bytes, QStringLiteral("Bad"));
        TThemeMaker maker(QStringLiteral("Spoilt"), {good[0], file, good[1], good[2]});
        try {
            maker.Make();
            ADD_FAILURE() << "made a theme with a photo that cannot be read";
        } catch (const EQzError& error) {
            EXPECT_TRUE(error.Message().contains(file)) << error.Message().toStdString();
        }
        EXPECT_EQ(PlayersEntries(), QStringList());
    }

    // Cancelled at once: nothing is made.
    {
        TThemeMaker maker(QStringLiteral("Stopped"), good);
        maker.Start();
        maker.Cancel();
        EXPECT_FALSE(maker.Finish());
        EXPECT_EQ(PlayersEntries(), QStringList());
    }

    // Names refused before anything is written: taken in any letter case,
    // hidden, leaving the folder, not storable; and no photo at all.
    ASSERT_TRUE(TThemeMaker(QStringLiteral("Mine"), good).Make());
    for (const QString& name : {QStringLiteral("MINE"), QStringLiteral(".hidden"), QStringLiteral("../escape"),
                                QStringLiteral("Тема"), QString()})
        EXPECT_THROW(TThemeMaker(name, good).Start(), EQzError) << name.toStdString();
    EXPECT_THROW(TThemeMaker(QStringLiteral("Nothing"), {}).Start(), EQzError);
    EXPECT_EQ(PlayersEntries(), QStringList{QStringLiteral("Mine")});

    // A staging folder a killed build left is removed by the next build; one
    // of a build still running is not.
    QDir().mkpath(Tree.Path(QStringLiteral("var/puzz/.new-killed/IP0101.dat")));
    TThemeMaker first(QStringLiteral("First"), good);
    first.Start();
    EXPECT_FALSE(QFileInfo::exists(Tree.Path(QStringLiteral("var/puzz/.new-killed"))));
    TThemeMaker second(QStringLiteral("Second"), good);
    second.Start();
    EXPECT_TRUE(first.Finish());
    EXPECT_TRUE(second.Finish());
    EXPECT_EQ(PlayersEntries(), (QStringList{QStringLiteral("First"), QStringLiteral("Mine"), QStringLiteral("Second")}));
}
