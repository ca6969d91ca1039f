// The player's own themes beside the shipped ones, and where an installed
// game reads its data and writes the player's files.
#include "GameTestTree.h"

#include "game/ThemeFiles.h"

#include "data/GamePaths.h"
#include "data/QzError.h"
#include "support/ScopedEnvironment.h"

using namespace zindo;
using namespace zindo::test;

namespace {

const QColor ShippedColor(20, 40, 200);
const QColor PlayersColor(220, 30, 30);

/// The colour in the middle of the composed board picture.
QColor PictureCentre(const TPuzzleClass& Puzzle)
{
    return Puzzle.Picture().pixelColor(Puzzle.Picture().width() / 2, Puzzle.Picture().height() / 2);
}

class PlayerThemes : public TGameFixture {
protected:
    /// Level Level of Theme in the player's theme folder.
    void AddPlayersLevel(const QString& Theme, int Level, const QColor& Color)
    {
        Tree.AddContainer(QStringLiteral("var/puzz/%1/IP%2.dat").arg(Theme, QString::asprintf("%2.2d01", Level)),
                          SolidImage(120, 90, Color), QStringLiteral("level.bmp"));
    }
};

} // namespace

TEST_F(PlayerThemes, JoinTheShippedOnesAndWinOverASameNamedOne)
{
    Tree.AddTheme(QStringLiteral("Sea"), 1);
    Tree.AddLevelPicture(QStringLiteral("Alps"), 1, 1, SolidImage(120, 90, ShippedColor));
    Tree.AddLevelPicture(QStringLiteral("Alps"), 2, 1, SolidImage(120, 90, ShippedColor));
    AddPlayersLevel(QStringLiteral("Alps"), 1, PlayersColor);
    AddPlayersLevel(QStringLiteral("mine"), 1, PlayersColor);
    QDir().mkpath(Tree.Path(QStringLiteral("var/puzz/.hidden")));

    EXPECT_EQ(TThemeFiles().ThemeNames(),
              (QStringList{QStringLiteral("Alps"), QStringLiteral("mine"), QStringLiteral("Sea")}));

    // The player's "Alps" is the whole theme: its level 1, and no level 2
    // borrowed from the shipped theme of the same name.
    Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Ida"));
    Game->StartLevel();
    EXPECT_EQ(PictureCentre(Puzzle()), PlayersColor);
    TModelTestAccess::Record(*Game).Level = 2;
    EXPECT_THROW(Game->LoadLevel(), EQzError);

    Game->NewGame(QStringLiteral("mine"), QStringLiteral("Ida"));
    Game->StartLevel();
    EXPECT_EQ(PictureCentre(Puzzle()), PlayersColor);
    Game->NewGame(QStringLiteral("Sea"), QStringLiteral("Ida"));
    EXPECT_NO_THROW(Game->StartLevel());
}

TEST(InstalledGame, ReadsThePrefixAndWritesOnlyThePlayersFolder)
{
    // The data of a game tree, seen from a program in an installed prefix:
    // <root>/usr/bin/zindo-puzzle with <root>/usr/share/zindo-puzzle/dat.
    TGameTree tree;
    tree.AddLevelPicture(QStringLiteral("Alps"), 1, 1, SolidImage(120, 90, ShippedColor));
    ASSERT_TRUE(QDir().mkpath(tree.Path(QStringLiteral("usr/bin"))));
    ASSERT_TRUE(QDir().mkpath(tree.Path(QStringLiteral("usr/share/zindo-puzzle"))));
    ASSERT_TRUE(QDir().rename(tree.Path(QStringLiteral("dat")), tree.Path(QStringLiteral("usr/share/zindo-puzzle/dat"))));
    ASSERT_TRUE(QDir(tree.Path(QStringLiteral("var"))).removeRecursively());
    SetProgramDirectory(tree.Path(QStringLiteral("usr/bin")));
    TScopedEnvironment override(PlayerFolderVariable, std::nullopt);
    TScopedEnvironment dataHome("XDG_DATA_HOME", tree.Path(QStringLiteral("home/data")));

    TManualClock clock;
    TRandomGenerator random(5);
    TGame game(clock, random);
    game.NewGame(QStringLiteral("Alps"), QStringLiteral("Ida"));
    game.StartLevel();
    EXPECT_EQ(PictureCentre(game.Puzzle()), ShippedColor);
    game.SaveGame(QStringLiteral("first"));
    TGame::RecordHighScore(QStringLiteral("Ida"), QStringLiteral("Alps"), 700);

    const QString player = tree.Path(QStringLiteral("home/data/zindo-puzzle/"));
    EXPECT_TRUE(QFileInfo(player + QStringLiteral("saved/first.PGM")).isFile());
    EXPECT_EQ(QFileInfo(player + QStringLiteral("hscore.hsc")).size(), THighScoreTable::Size);
    EXPECT_EQ(QFileInfo(player).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ExeOther |
                                                 QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup),
              QFile::Permissions());
    EXPECT_FALSE(QFileInfo::exists(tree.Path(QStringLiteral("var"))));
    EXPECT_FALSE(QFileInfo::exists(tree.Path(QStringLiteral("usr/var"))));
    EXPECT_EQ(QDir(tree.Path(QStringLiteral("usr"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("bin"), QStringLiteral("share")}));
}
