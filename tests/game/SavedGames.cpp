// Saving and loading games: the 232-byte layout, names and where files go,
// continuing at the right level, and bad files or names that change nothing.
#include "GameTestTree.h"

#include "GameFileWriter.h"

#include "data/QzError.h"
#include "game/ThemeFiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QtEndian>

#include <csignal>
#include <limits>
#include <random>

using namespace zindo;
using namespace zindo::test;

namespace {

class SavedGames : public TGameFixture {
protected:
    SavedGames()
    {
        Tree.AddTheme(QStringLiteral("Sea"), 3);
        Game->NewGame(QStringLiteral("Sea"), QStringLiteral("Finn"));
        Game->StartLevel();
    }

    QString SavedPath(const QString& File) const { return Tree.Path(QStringLiteral("var/saved/") + File); }

    static std::int32_t IntAt(const QByteArray& Bytes, int Offset)
    {
        return qFromLittleEndian<std::int32_t>(Bytes.constData() + Offset);
    }

    /// Expects EQzError whose message contains Text.
    template <typename TAction>
    void ExpectError(TAction Action, const QString& Text)
    {
        try {
            Action();
            ADD_FAILURE() << "no error, expected " << Text.toStdString();
        } catch (const EQzError& error) {
            EXPECT_TRUE(error.Message().contains(Text)) << error.Message().toStdString();
        }
    }
};

} // namespace

TEST_F(SavedGames, FileHoldsTheRecordByteForByte)
{
    SolveByHand(*Game, Clock);
    ASSERT_EQ(Puzzle().State(), stSolved);
    const int score = Game->GetScore();
    TModelTestAccess::Record(*Game).Version = 7; // set again by the save
    Game->SaveGame(QStringLiteral("first"));

    const QByteArray bytes = TTestTree::Read(SavedPath(QStringLiteral("first.PGM")));
    ASSERT_EQ(bytes.size(), 232);
    EXPECT_EQ(IntAt(bytes, 0), 256);
    EXPECT_EQ(IntAt(bytes, 4), 1);
    EXPECT_EQ(IntAt(bytes, 8), 1);  // Level
    EXPECT_EQ(IntAt(bytes, 12), 0);
    EXPECT_EQ(bytes.mid(16, 4), QByteArray("Sea\0", 4));
    EXPECT_EQ(bytes.mid(16, 101).count('\0'), 101 - 3);
    EXPECT_EQ(IntAt(bytes, 120), 1); // LastCompletedLevel
    EXPECT_EQ(IntAt(bytes, 124), score);
    EXPECT_EQ(bytes.mid(128, 5), QByteArray("Finn\0", 5));
    EXPECT_EQ(bytes[229], 1); // ResultBooked
    EXPECT_EQ(bytes.mid(117, 3), QByteArray(3, '\0'));
    EXPECT_EQ(bytes.mid(230, 2), QByteArray(2, '\0'));
    EXPECT_EQ(Game->SaveName(), QStringLiteral("first"));
}

TEST_F(SavedGames, TextsAreStoredAsWindows1252)
{
    TSavedGameRecord record;
    record.PlayerName = QStringLiteral("Zo\u00EB \u20AC \u65E5");
    record.Theme = QString(120, QLatin1Char('t'));
    const QByteArray bytes = record.ToBytes();
    EXPECT_EQ(bytes.mid(128, 7), QByteArray("Zo\xEB \x80 ?", 7));
    EXPECT_EQ(bytes[128 + 7], '\0');
    EXPECT_EQ(bytes.mid(16, 101), QByteArray(100, 't') + QByteArray(1, '\0'));

    const TSavedGameRecord back = TSavedGameRecord::FromBytes(bytes);
    EXPECT_EQ(back.PlayerName, QStringLiteral("Zo\u00EB \u20AC ?"));
    EXPECT_EQ(back.Theme, QString(100, QLatin1Char('t')));
}

TEST_F(SavedGames, NewGameKeepsAtMostHundredCharacters)
{
    Game->NewGame(QString(150, QLatin1Char('x')), QString(130, QLatin1Char('y')));
    EXPECT_EQ(Game->Record().Theme.size(), 100);
    EXPECT_EQ(Game->Record().PlayerName.size(), 100);
}

TEST_F(SavedGames, SolvedLevelContinuesWithTheNext)
{
    SolveByHand(*Game, Clock);
    const int score = Game->GetScore();
    Game->SaveGame(QStringLiteral("after-one"));

    Game->NewGame(QStringLiteral("Sea"), QStringLiteral("Other"));
    Game->StartLevel();
    Game->LoadGame(QStringLiteral("after-one"));
    EXPECT_EQ(Game->Record().Level, 2);
    EXPECT_EQ(Game->Record().LastCompletedLevel, 1);
    EXPECT_EQ(Game->Record().PlayerName, QStringLiteral("Finn"));
    EXPECT_EQ(Game->GetScore(), score);
    EXPECT_EQ(Puzzle().Level(), 2);
    EXPECT_EQ(Puzzle().State(), stPlaying);
    EXPECT_EQ(Game->LevelStartScore(), score);
    EXPECT_EQ(Game->SaveName(), QStringLiteral("after-one")) << "loading keeps the save name";

    // The level screen then starts the level once more: the same level.
    Game->StartLevel();
    EXPECT_EQ(Game->Record().Level, 2);
}

TEST_F(SavedGames, UnsolvedLevelIsPlayedAgain)
{
    Play(*Game, Clock, 2000);
    Game->SaveGame(QStringLiteral("midway"));
    SolveByHand(*Game, Clock);
    Game->StartLevel();
    ASSERT_EQ(Game->Record().Level, 2);
    Game->LoadGame(QStringLiteral("midway"));
    EXPECT_EQ(Game->Record().Level, 1);
    EXPECT_EQ(Game->GetScore(), 0);
}

TEST_F(SavedGames, NamesAndListing)
{
    EXPECT_FALSE(FileExists(Tree.Path(QStringLiteral("var/saved"))));
    Game->SaveGame(QStringLiteral("Game.1"));
    EXPECT_TRUE(FileExists(SavedPath(QStringLiteral("Game.PGM"))));
    Game->SaveGame(QStringLiteral("beta"));
    Game->SaveGame(QStringLiteral("Alpha"));
    Game->SaveGame(QStringLiteral("beta")); // overwrites
    QStringList list;
    QString current;
    Game->ListSavedGames(list, current);
    EXPECT_EQ(list, (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("Game")}));
    EXPECT_EQ(current, QStringLiteral("beta"));
}

TEST_F(SavedGames, FollowARenamedThemeAndKeepWhenTheyWereSaved)
{
    SolveByHand(*Game, Clock);
    Game->SaveGame(QStringLiteral("holiday"));
    const QByteArray before = TTestTree::Read(SavedPath(QStringLiteral("holiday.PGM")));
    const QDateTime savedAt = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(SavedPath(QStringLiteral("holiday.PGM")));
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(savedAt, QFileDevice::FileModificationTime));
    }
    Tree.AddTheme(QStringLiteral("Lake"), 1);
    Game->NewGame(QStringLiteral("Lake"), QStringLiteral("Finn"));
    Game->SaveGame(QStringLiteral("other"));
    const QByteArray other = TTestTree::Read(SavedPath(QStringLiteral("other.PGM")));
    Tree.Write(QStringLiteral("var/saved/broken.PGM"), QByteArray("short"));
    Game->NewGame(QStringLiteral("Sea"), QStringLiteral("Finn"));

    ASSERT_TRUE(QDir().rename(Tree.Path(QStringLiteral("dat/puzz/Sea")), Tree.Path(QStringLiteral("dat/puzz/Ocean"))));
    // Until they follow, the game says what is wrong, not that it failed inside.
    ExpectError([&] { Game->LoadGame(QStringLiteral("holiday")); }, QStringLiteral("\"Sea\" is not there any more"));
    EXPECT_EQ(Game->FollowRenamedTheme(QStringLiteral("Sea"), QStringLiteral("Ocean")), 1);

    // Only the theme's name changed: the game goes on where it was saved, and
    // the load screen still tells when that was.
    const QByteArray after = TTestTree::Read(SavedPath(QStringLiteral("holiday.PGM")));
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i) {
        if (i < TSavedGameRecord::ThemeOffset || i >= TSavedGameRecord::ThemeOffset + TSavedGameRecord::TextFieldSize) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(QFileInfo(SavedPath(QStringLiteral("holiday.PGM"))).lastModified().toSecsSinceEpoch(),
              savedAt.toSecsSinceEpoch());
    EXPECT_EQ(TTestTree::Read(SavedPath(QStringLiteral("other.PGM"))), other);
    EXPECT_EQ(TTestTree::Read(SavedPath(QStringLiteral("broken.PGM"))), QByteArray("short"));
    EXPECT_EQ(Game->Record().Theme, QStringLiteral("Ocean")) << "the session's own record follows too";
    Game->LoadGame(QStringLiteral("holiday"));
    EXPECT_EQ(Game->Record().Theme, QStringLiteral("Ocean"));
    EXPECT_EQ(Game->Record().Level, 2);
}

TEST_F(SavedGames, ThemesAreTheEntriesOfThePictureFolder)
{
    Tree.AddTheme(QStringLiteral("alpine"), 1);
    QDir().mkpath(Tree.Path(QStringLiteral("dat/puzz/.hidden")));
    EXPECT_EQ(TThemeFiles().ThemeNames(), (QStringList{QStringLiteral("alpine"), QStringLiteral("Sea")}));
}

TEST_F(SavedGames, MissingOrShortFileLeavesTheSessionAsItWas)
{
    Play(*Game, Clock, 1000);
    const QByteArray before = Game->Record().ToBytes();
    const std::int32_t startScore = Game->LevelStartScore();

    ExpectError([&] { Game->LoadGame(QStringLiteral("nothing")); }, QStringLiteral("Cannot open file"));
    EXPECT_EQ(Game->Record().ToBytes(), before);

    TSavedGameRecord other;
    other.Level = 3;
    other.Theme = QStringLiteral("Sea");
    other.PlayerName = QStringLiteral("Short");
    Tree.Write(QStringLiteral("var/saved/short.PGM"), other.ToBytes().left(231));
    ExpectError([&] { Game->LoadGame(QStringLiteral("short")); }, QStringLiteral("Stream read error"));
    EXPECT_EQ(Game->Record().ToBytes(), before);
    EXPECT_EQ(Game->LevelStartScore(), startScore);
    EXPECT_EQ(Puzzle().State(), stPlaying);

    // Longer files are read for their first 232 bytes.
    Tree.Write(QStringLiteral("var/saved/long.PGM"), other.ToBytes() + QByteArray(50, 'z'));
    Game->LoadGame(QStringLiteral("long"));
    EXPECT_EQ(Game->Record().Level, 3);
    EXPECT_EQ(Game->Record().PlayerName, QStringLiteral("Short"));
}

TEST_F(SavedGames, GameAfterTheLastLevelCannotBeLoaded)
{
    TSavedGameRecord finished;
    finished.Level = 10;
    finished.LastCompletedLevel = 10;
    finished.Theme = QStringLiteral("Sea");
    Tree.Write(QStringLiteral("var/saved/done.PGM"), finished.ToBytes());
    const QByteArray before = Game->Record().ToBytes();
    ExpectError([&] { Game->LoadGame(QStringLiteral("done")); },
                QStringLiteral("Internal error: no picture found for level"));
    EXPECT_EQ(Game->Record().ToBytes(), before);
}

TEST_F(SavedGames, NamesThatLeaveTheFolderAreRefused)
{
    // Names starting with a dot would make hidden files (".mine" and ".other"
    // both as ".PGM"), listed nowhere and overwriting each other.
    for (const QString& name : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../evil"),
                                QStringLiteral("a/b"), QStringLiteral("/tmp/x"), QStringLiteral(".mine"),
                                QStringLiteral(".PGM"), QStringLiteral("..x")}) {
        EXPECT_THROW(Game->SaveGame(name), EQzError) << name.toStdString();
        EXPECT_THROW(Game->LoadGame(name), EQzError) << name.toStdString();
    }
    EXPECT_FALSE(FileExists(Tree.Path(QStringLiteral("var/saved"))));
    EXPECT_FALSE(FileExists(Tree.Path(QStringLiteral("var/evil.PGM"))));
    EXPECT_TRUE(Game->SaveName().isEmpty());
}

TEST_F(SavedGames, DamagedRecordsAreRefusedAndChangeNothing)
{
    Play(*Game, Clock, 1000);
    const QByteArray before = Game->Record().ToBytes();
    const auto damaged = [&](std::int32_t Level, std::int32_t Score) {
        TSavedGameRecord record = SavedGameVariant(0);
        record.Level = Level;
        record.LastCompletedLevel = 0;
        record.Theme = QStringLiteral("Sea");
        record.Score = Score;
        Tree.Write(QStringLiteral("var/saved/bad.PGM"), record.ToBytes());
    };
    for (const auto& [level, score] : std::initializer_list<std::pair<std::int32_t, std::int32_t>>{
             {0, 100}, {11, 100}, {-1, 100}, {std::numeric_limits<std::int32_t>::max(), 100}, {1, -1},
             {2, std::numeric_limits<std::int32_t>::min()}}) {
        damaged(level, score);
        ExpectError([&] { Game->LoadGame(QStringLiteral("bad")); }, QStringLiteral("\"bad\" is damaged"));
        EXPECT_EQ(Game->Record().ToBytes(), before) << level << " " << score;
        EXPECT_EQ(Puzzle().State(), stPlaying);
    }
}

TEST_F(SavedGames, ScoreNearTheLimitStopsThereInsteadOfTurningNegative)
{
    TSavedGameRecord record = SavedGameVariant(0);
    record.Level = 1;
    record.LastCompletedLevel = 0;
    record.Theme = QStringLiteral("Sea");
    record.PlayerName = QStringLiteral("Max");
    record.Score = std::numeric_limits<std::int32_t>::max() - 50;
    Tree.Write(QStringLiteral("var/saved/rich.PGM"), record.ToBytes());
    Game->LoadGame(QStringLiteral("rich"));
    SolveByHand(*Game, Clock);
    ASSERT_EQ(Puzzle().State(), stSolved);
    EXPECT_EQ(Game->GetScore(), std::numeric_limits<std::int32_t>::max());
    THighScoreTable table;
    TGame::ReadHighScores(table);
    EXPECT_EQ(table[0].PlayerName, QStringLiteral("Max"));
    EXPECT_EQ(table[0].Score, std::numeric_limits<std::int32_t>::max());
}

TEST_F(SavedGames, NamesTheFileCannotHoldAreRefusedNotStoredAsQuestionMarks)
{
    const QByteArray before = Game->Record().ToBytes();
    const QString cyrillic = QStringLiteral("\u0418\u0432\u0430\u043D");
    ExpectError([&] { Game->NewGame(QStringLiteral("Sea"), cyrillic); }, QStringLiteral("player name"));
    ExpectError([&] { Game->NewGame(cyrillic, QStringLiteral("Finn")); }, QStringLiteral("theme name"));
    EXPECT_EQ(Game->Record().ToBytes(), before);

    TModelTestAccess::Record(*Game).PlayerName = cyrillic;
    EXPECT_THROW(Game->SaveGame(QStringLiteral("never")), EQzError);
    EXPECT_FALSE(FileExists(SavedPath(QStringLiteral("never.PGM"))));
}

TEST_F(SavedGames, LoadingAndSavingAgainKeepsEveryByteOfTheNames)
{
    // Bytes Windows-1252 leaves undefined, and a name field without a terminator.
    QByteArray bytes = SavedGameVariant(0).ToBytes();
    bytes.replace(TSavedGameRecord::PlayerNameOffset, 6, QByteArray("Ren\x81\x9D\0", 6));
    bytes.replace(TSavedGameRecord::ThemeOffset, 4, QByteArray("Sea\0", 4));
    Tree.Write(QStringLiteral("var/saved/odd.PGM"), bytes);
    Game->LoadGame(QStringLiteral("odd"));
    Game->SaveGame(QStringLiteral("odd"));
    EXPECT_EQ(TTestTree::Read(SavedPath(QStringLiteral("odd.PGM"))).mid(TSavedGameRecord::PlayerNameOffset, 6),
              QByteArray("Ren\x81\x9D\0", 6));

    const TSavedGameRecord full = TSavedGameRecord::FromBytes(
        QByteArray(TSavedGameRecord::Size, 'x'));
    EXPECT_EQ(full.PlayerName.size(), TSavedGameRecord::MaxTextLength);
    EXPECT_EQ(TSavedGameRecord::FromBytes(full.ToBytes()).PlayerName, full.PlayerName);
}

TEST_F(SavedGames, OnlyFilesEndingInPgmAreListed)
{
    Game->SaveGame(QStringLiteral("slot"));
    Tree.Write(QStringLiteral("var/saved/slot.PGM.Ab12Cd"), QByteArray(232, '\0')); // a killed save
    Tree.Write(QStringLiteral("var/saved/lower.pgm"), QByteArray(232, '\0'));
    Tree.Write(QStringLiteral("var/saved/notes.txt"), QByteArray("x"));
    QDir().mkpath(SavedPath(QStringLiteral("folder.PGM")));
    QStringList list;
    QString current;
    Game->ListSavedGames(list, current);
    EXPECT_EQ(list, QStringList{QStringLiteral("slot")});

    TGame::CleanUpInterruptedWrites();
    EXPECT_FALSE(FileExists(SavedPath(QStringLiteral("slot.PGM.Ab12Cd"))));
    EXPECT_TRUE(FileExists(SavedPath(QStringLiteral("lower.pgm"))));
    EXPECT_TRUE(FileExists(SavedPath(QStringLiteral("slot.PGM"))));
}

TEST_F(SavedGames, WritersKilledAtAnyMomentLeaveOldOrNewFilesAndNoPhantomGame)
{
    const QByteArray variants[2] = {SavedGameVariant(0).ToBytes(), SavedGameVariant(1).ToBytes()};
    const QString slot = SavedPath(QStringLiteral("slot.PGM"));
    const QString scores = Tree.Path(QStringLiteral("var/hscore.hsc"));
    std::mt19937 random(20240611); // the same moments in every run
    for (int round = 0; round < 200; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(GAME_FILE_WRITER),
                     {QStringLiteral("save-loop"), Tree.Path(QStringLiteral("bin")), Tree.Path(QStringLiteral("tmp"))});
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << writer.readAllStandardError().toStdString();
        QThread::usleep(random() % 15000);
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << writer.readAllStandardError().toStdString();

        if (FileExists(slot)) {
            const QByteArray game = TTestTree::Read(slot);
            EXPECT_TRUE(game == variants[0] || game == variants[1]) << "torn saved game in round " << round;
        }
        if (FileExists(scores)) {
            const QByteArray bytes = TTestTree::Read(scores);
            ASSERT_EQ(bytes.size(), THighScoreTable::Size) << "torn high-score table in round " << round;
            const THighScoreTable table = THighScoreTable::FromBytes(bytes);
            EXPECT_EQ(table.UsedCount(), 1);
            EXPECT_EQ(table[0].PlayerName, QStringLiteral("Writer"));
            EXPECT_GT(table[0].Score, 0);
        }
        QStringList list;
        QString current;
        Game->ListSavedGames(list, current);
        EXPECT_TRUE(list.isEmpty() || list == QStringList{QStringLiteral("slot")}) << list.join(u',').toStdString();
    }
    const auto leftOvers = QDir(SavedPath(QString())).entryList(QDir::Files).size() +
                           QDir(Tree.Path(QStringLiteral("var"))).entryList(QDir::Files).size();
    // What the killed writes left goes at the next start.
    TGame::CleanUpInterruptedWrites();
    EXPECT_EQ(QDir(SavedPath(QString())).entryList(QDir::Files), QStringList{QStringLiteral("slot.PGM")});
    EXPECT_EQ(QDir(Tree.Path(QStringLiteral("var"))).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("hscore.hsc"), QStringLiteral("hscore.hsc.lock")}));
    std::printf("[          ] %d files before the clean-up\n", int(leftOvers));
}
