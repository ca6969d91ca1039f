// The player's own themes as the theme library writes them: the player's copy
// of a theme, the rules for names, and renaming and deleting, which only the
// player's themes allow.
#include "GameTestTree.h"

#include "game/ThemeFiles.h"

#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "support/EncodedPicture.h"

#include <QFile>

using namespace zindo;
using namespace zindo::test;

namespace {

const QColor ShippedColor(20, 40, 200);
const QColor PlaceholderColor(250, 250, 250);
const QColor ChosenColor(220, 30, 30);
const QColor AnotherColor(30, 200, 60);

/// Whether two colours differ by no more than JPEG's losses.
bool Near(const QColor& A, const QColor& B)
{
    return NearColour(A.rgb(), B.rgb(), 12);
}

QColor Centre(const QImage& Picture)
{
    return Picture.pixelColor(Picture.width() / 2, Picture.height() / 2);
}

class PlayersThemeFiles : public TGameFixture {
protected:
    PlayersThemeFiles()
    {
        Tree.AddContainer(QStringLiteral("dat/IBROKEN.dat"), SolidImage(32, 24, PlaceholderColor),
                          QStringLiteral("broken.bmp"));
    }

    /// Level Level of the player's theme Theme.
    QString PlayersLevel(const QString& Theme, int Level) const
    {
        return Tree.Path(QStringLiteral("var/puzz/%1/").arg(Theme) + TThemeFiles::LevelPictureName(Level));
    }
    /// A theme of the player's, as the puzzle maker leaves it.
    void AddPlayersTheme(const QString& Theme)
    {
        for (int level = 1; level <= TThemeFiles::LevelCount; ++level)
            Tree.AddContainer(QStringLiteral("var/puzz/%1/").arg(Theme) + TThemeFiles::LevelPictureName(level),
                              SolidImage(40, 30, ChosenColor), QStringLiteral("level.bmp"));
    }
    /// Everything in the player's theme folder, hidden entries too.
    QStringList PlayersEntries() const
    {
        return QDir(Tree.Path(QStringLiteral("var/puzz")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

    TThemeFiles Themes;
};

} // namespace

TEST_F(PlayersThemeFiles, OpeningAShippedThemeCopiesItAndFillsOnlyTheMissingLevels)
{
    Tree.AddTheme(QStringLiteral("Alps"), 10);
    const QString shippedThree = Tree.Path(QStringLiteral("dat/puzz/Alps/IP0301.dat"));
    const QByteArray shippedThreeBytes = TTestTree::Read(shippedThree);
    QFile::remove(Tree.Path(QStringLiteral("dat/puzz/Alps/IP0401.dat")));
    // A level whose first picture is not picture 01 is copied all the same.
    QFile::remove(Tree.Path(QStringLiteral("dat/puzz/Alps/IP0501.dat")));
    Tree.AddLevelPicture(QStringLiteral("Alps"), 5, 2, SolidImage(120, 90, ShippedColor));

    Themes.OpenForEditing(QStringLiteral("Alps"));
    EXPECT_TRUE(Themes.IsPlayersTheme(QStringLiteral("Alps")));
    EXPECT_EQ(LoadContainedPicture(PlayersLevel(QStringLiteral("Alps"), 3)),
              LoadContainedPicture(shippedThree));
    EXPECT_EQ(Centre(LoadContainedPicture(PlayersLevel(QStringLiteral("Alps"), 4))), PlaceholderColor);
    EXPECT_EQ(Centre(Themes.LevelPreview(QStringLiteral("Alps"), 5)), ShippedColor);
    // The shipped theme is only read.
    EXPECT_EQ(TTestTree::Read(shippedThree), shippedThreeBytes);
    EXPECT_FALSE(QFileInfo::exists(Tree.Path(QStringLiteral("dat/puzz/Alps/IP0401.dat"))));

    // Opened again, only the levels the copy lacks are filled.
    const QByteArray ownThree = TTestTree::Read(PlayersLevel(QStringLiteral("Alps"), 3));
    QFile::remove(PlayersLevel(QStringLiteral("Alps"), 6));
    Themes.OpenForEditing(QStringLiteral("Alps"));
    EXPECT_TRUE(QFileInfo::exists(PlayersLevel(QStringLiteral("Alps"), 6)));
    EXPECT_EQ(TTestTree::Read(PlayersLevel(QStringLiteral("Alps"), 3)), ownThree);
}

TEST_F(PlayersThemeFiles, AChosenPictureIsPlayedAtOnceAndAnUnreadableOneChangesNothing)
{
    Tree.AddLevelPicture(QStringLiteral("Alps"), 1, 1, SolidImage(120, 90, ShippedColor));
    Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Ida"));
    Game->StartLevel();
    ASSERT_EQ(Centre(Puzzle().Picture()), ShippedColor);

    // A bitmap the player chose, on a theme not yet the player's: the copy is
    // made, the level takes the picture, and the game plays it next time.
    const QString chosen = Tree.Path(QStringLiteral("mine/beach.bmp"));
    QDir().mkpath(Tree.Path(QStringLiteral("mine")));
    ASSERT_TRUE(SolidImage(700, 350, ChosenColor).save(chosen, "BMP"));
    Themes.ReplaceLevelPicture(QStringLiteral("Alps"), 1, chosen);
    EXPECT_EQ(StoredFileName(PlayersLevel(QStringLiteral("Alps"), 1)), QStringLiteral("IP0101.jpg"));
    EXPECT_EQ(Themes.LevelPreview(QStringLiteral("Alps"), 1).size(), QSize(700, 350));
    Game->LoadLevel();
    EXPECT_TRUE(Near(Centre(Puzzle().Picture()), ChosenColor)) << Centre(Puzzle().Picture()).name().toStdString();
    // Chosen again: the level the game has read before is read afresh.
    const QString another = Tree.Path(QStringLiteral("mine/forest.jpg"));
    ASSERT_TRUE(SolidImage(300, 200, AnotherColor).save(another, "JPEG", 95));
    Themes.ReplaceLevelPicture(QStringLiteral("Alps"), 1, another);
    Game->LoadLevel();
    EXPECT_TRUE(Near(Centre(Puzzle().Picture()), AnotherColor)) << Centre(Puzzle().Picture()).name().toStdString();

    const QByteArray before = TTestTree::Read(PlayersLevel(QStringLiteral("Alps"), 1));
    const QString broken = Tree.Write(QStringLiteral("mine/broken.jpg"), "not a picture");
    EXPECT_THROW(Themes.ReplaceLevelPicture(QStringLiteral("Alps"), 1, broken), EQzError);
    EXPECT_THROW(Themes.ReplaceLevelPicture(QStringLiteral("New"), 1, broken), EQzError);
    EXPECT_EQ(TTestTree::Read(PlayersLevel(QStringLiteral("Alps"), 1)), before);
    EXPECT_FALSE(Themes.IsPlayersTheme(QStringLiteral("New"))) << "a failed change makes no theme";
}

TEST(ThemeNames, APlainFolderNameThatSavedGamesCanStore)
{
    for (const QString& good :
         {QStringLiteral("My Holiday"), QStringLiteral("Été à Nîmes"), QString(100, QLatin1Char('x'))})
        EXPECT_TRUE(TThemeFiles::ThemeNameProblem(good).isEmpty()) << good.toStdString();
    for (const QString& bad : {QString(), QStringLiteral("   "), QStringLiteral(".hidden"), QStringLiteral(".."),
                               QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("Тема"),
                               QString(101, QLatin1Char('x'))}) {
        EXPECT_FALSE(TThemeFiles::ThemeNameProblem(bad).isEmpty()) << bad.toStdString();
        EXPECT_THROW(TThemeFiles::CheckThemeName(bad), EQzError) << bad.toStdString();
    }
}

TEST_F(PlayersThemeFiles, RenamingMovesOnlyThePlayersThemeToAFreeName)
{
    Tree.AddTheme(QStringLiteral("Sea"), 1);
    AddPlayersTheme(QStringLiteral("mine"));
    AddPlayersTheme(QStringLiteral("other"));
    const QByteArray levelSeven = TTestTree::Read(PlayersLevel(QStringLiteral("mine"), 7));

    Themes.RenameTheme(QStringLiteral("mine"), QStringLiteral("Holiday"));
    EXPECT_EQ(Themes.ThemeNames(),
              (QStringList{QStringLiteral("Holiday"), QStringLiteral("other"), QStringLiteral("Sea")}));
    EXPECT_EQ(TTestTree::Read(PlayersLevel(QStringLiteral("Holiday"), 7)), levelSeven);
    // Only its own name may change its case.
    Themes.RenameTheme(QStringLiteral("Holiday"), QStringLiteral("HOLIDAY"));
    EXPECT_TRUE(Themes.IsPlayersTheme(QStringLiteral("HOLIDAY")));

    // Refused, and nothing changes: onto another theme of the player's or a
    // shipped one (in any case), to a bad name, a shipped or missing theme.
    const QStringList before = PlayersEntries();
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("HOLIDAY"), QStringLiteral("other")), EQzError);
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("HOLIDAY"), QStringLiteral("sea")), EQzError);
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("HOLIDAY"), QStringLiteral("a/b")), EQzError);
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("HOLIDAY"), QStringLiteral("../escape")), EQzError);
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("Sea"), QStringLiteral("Ocean")), EQzError);
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("nothing"), QStringLiteral("Ocean")), EQzError);
    EXPECT_EQ(PlayersEntries(), before);
    EXPECT_TRUE(QFileInfo(Tree.Path(QStringLiteral("dat/puzz/Sea"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(Tree.Path(QStringLiteral("dat/puzz/Ocean"))));
    EXPECT_FALSE(QFileInfo::exists(Tree.Path(QStringLiteral("var/escape"))));

    // The player's copy of a shipped theme may go; the shipped one shows again.
    Themes.OpenForEditing(QStringLiteral("Sea"));
    ASSERT_TRUE(Themes.LevelPictureFile(QStringLiteral("Sea"), 1).startsWith(Tree.Path(QStringLiteral("var/"))));
    EXPECT_THROW(Themes.RenameTheme(QStringLiteral("Sea"), QStringLiteral("SEA")), EQzError)
        << "the shipped \"Sea\" would stand beside it";
    Themes.RenameTheme(QStringLiteral("Sea"), QStringLiteral("My Sea"));
    EXPECT_EQ(Themes.LevelPictureFile(QStringLiteral("Sea"), 1), Tree.Path(QStringLiteral("dat/puzz/Sea/IP0101.dat")));
    EXPECT_TRUE(Themes.IsPlayersTheme(QStringLiteral("My Sea")));
}

TEST_F(PlayersThemeFiles, DeletingRemovesOnlyThePlayersTheme)
{
    Tree.AddTheme(QStringLiteral("Sea"), 1);
    AddPlayersTheme(QStringLiteral("mine"));
    Themes.OpenForEditing(QStringLiteral("Sea"));

    Themes.DeleteTheme(QStringLiteral("mine"));
    EXPECT_EQ(Themes.ThemeNames(), QStringList{QStringLiteral("Sea")});
    // Deleting the player's copy brings the shipped theme back; the shipped
    // theme itself cannot be deleted.
    Themes.DeleteTheme(QStringLiteral("Sea"));
    EXPECT_EQ(PlayersEntries(), QStringList()) << "nothing is left behind, hidden or not";
    EXPECT_EQ(Themes.LevelPictureFile(QStringLiteral("Sea"), 1), Tree.Path(QStringLiteral("dat/puzz/Sea/IP0101.dat")));
    EXPECT_THROW(Themes.DeleteTheme(QStringLiteral("Sea")), EQzError);
    EXPECT_THROW(Themes.DeleteTheme(QStringLiteral("nothing")), EQzError);
    EXPECT_THROW(Themes.DeleteTheme(QStringLiteral("../dat/puzz/Sea")), EQzError);
    EXPECT_TRUE(QFileInfo::exists(Tree.Path(QStringLiteral("dat/puzz/Sea/IP0101.dat"))));

    // A theme that is a link to a folder elsewhere: the link goes, the folder stays.
    AddPlayersTheme(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().rename(Tree.Path(QStringLiteral("var/puzz/elsewhere")), Tree.Path(QStringLiteral("kept"))));
    ASSERT_TRUE(QFile::link(Tree.Path(QStringLiteral("kept")), Tree.Path(QStringLiteral("var/puzz/linked"))));
    Themes.DeleteTheme(QStringLiteral("linked"));
    EXPECT_EQ(PlayersEntries(), QStringList());
    EXPECT_EQ(QDir(Tree.Path(QStringLiteral("kept"))).entryList(QDir::Files).size(), TThemeFiles::LevelCount);
}
