// How levels end and what the session books for each end: points and a
// high score for a solved level, 100 points off for anything else, and the
// walk through the ten levels of a theme.
#include "GameTestTree.h"

#include "data/QzError.h"

using namespace zindo;
using namespace zindo::test;

namespace {

class LevelResults : public TGameFixture {
protected:
    void Begin(int Levels)
    {
        Tree.AddTheme(QStringLiteral("Alps"), Levels);
        Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Dora"));
        Game->StartLevel();
    }

    THighScoreTable HighScores()
    {
        THighScoreTable table;
        TGame::ReadHighScores(table);
        return table;
    }
};

} // namespace

TEST_F(LevelResults, SolvedLevelBooksPointsAndAHighScore)
{
    Begin(2);
    EXPECT_EQ(Game->LevelOutcome(), loRunning);
    const TSolveLog log = SolveByHand(*Game, Clock);
    TPuzzleClass& puzzle = Puzzle();
    ASSERT_EQ(puzzle.State(), stSolved);
    EXPECT_EQ(States.back(), stSolved);
    EXPECT_EQ(log.Counted + log.AutoDrops, 16);

    // 20 pieces, 4 of them placed at the start; allowance 60 s.
    EXPECT_EQ(puzzle.Points().Correct, log.Counted);
    EXPECT_EQ(puzzle.Points().RisksWon, log.RisksWon);
    EXPECT_EQ(puzzle.Points().FinishTime, static_cast<std::int32_t>(puzzle.PlayMs()));
    const int expected = 1000 + 200 * log.RisksWon + 100 * log.Counted +
                         (60000 - static_cast<int>(puzzle.PlayMs())) / 1000 * 11;
    EXPECT_EQ(Game->GetScore(), expected);
    EXPECT_EQ(Game->LevelStartScore(), expected);
    EXPECT_EQ(Game->Record().LastCompletedLevel, 1);
    EXPECT_TRUE(Game->Record().ResultBooked);
    EXPECT_EQ(Game->LevelOutcome(), loSolved);
    EXPECT_FALSE(Game->ThemeFinished());

    const THighScoreTable table = HighScores();
    EXPECT_EQ(table.UsedCount(), 1);
    EXPECT_EQ(table[0].PlayerName, QStringLiteral("Dora"));
    EXPECT_EQ(table[0].Theme, QStringLiteral("Alps"));
    EXPECT_EQ(table[0].Score, expected);

    // Clicking on after the end adds nothing; the verdict is only passed on.
    const std::size_t reports = States.size();
    Game->UpdateState();
    EXPECT_EQ(Game->GetScore(), expected);
    EXPECT_EQ(States.size(), reports + 1);
    EXPECT_EQ(States.back(), stSolved);

    Game->StartLevel();
    EXPECT_EQ(Game->Record().Level, 2);
    EXPECT_EQ(Puzzle().Level(), 2);
    EXPECT_FALSE(Game->Record().ResultBooked);
}

TEST_F(LevelResults, HighScoreFileThatCannotBeWrittenIsToldAfterTheLevelIsBooked)
{
    Begin(2);
    // A folder where the table belongs: no game can write it, root neither.
    ASSERT_TRUE(QDir().mkpath(Tree.Path(QStringLiteral("var/hscore.hsc"))));
    Puzzle().Solve();
    EXPECT_THROW(Game->UpdateState(), EQzError);
    // The level is booked and its verdict reported before the file fails.
    EXPECT_EQ(States.back(), stSolved);
    EXPECT_EQ(Game->LevelOutcome(), loSolved);
    EXPECT_EQ(Game->Record().LastCompletedLevel, 1);
    const std::int32_t score = Game->GetScore();
    EXPECT_GT(score, 1000);
    // Asking again books nothing twice and tries no second write.
    EXPECT_NO_THROW(Game->UpdateState());
    EXPECT_EQ(Game->GetScore(), score);
    Game->StartLevel();
    EXPECT_EQ(Game->Record().Level, 2);
}

TEST_F(LevelResults, WronglyFilledBoardFailsTheLevel)
{
    Begin(1);
    TPuzzleClass& puzzle = Puzzle();
    bool first = true;
    while (puzzle.State() == stPlaying) {
        ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
        puzzle.TakeFromPot(0);
        const TPiece* piece = puzzle.HeldPiece();
        int column = piece->Column, row = piece->Row;
        if (first)
            ASSERT_TRUE(FindEmptyCell(puzzle, piece->Column, piece->Row, column, row));
        else
            FindEmptyCell(puzzle, -1, -1, column, row);
        first = false;
        puzzle.DropHeldPiece(column, row);
        Game->UpdateState();
    }
    EXPECT_EQ(puzzle.State(), stWrong);
    EXPECT_EQ(States.back(), stWrong);
    EXPECT_EQ(puzzle.Points().Correct + puzzle.Points().Wrong, 0) << "the counter is reset";
    EXPECT_EQ(Game->GetScore(), 0);
    EXPECT_EQ(Game->LevelOutcome(), loFailed);
    THighScoreTable table = HighScores();
    EXPECT_EQ(table.UsedCount(), 0);

    Game->StartLevel();
    EXPECT_EQ(Game->Record().Level, 1) << "try again: the same level";
}

TEST_F(LevelResults, AbandonedLevelCostsAHundredPoints)
{
    Begin(2);
    SolveByHand(*Game, Clock);
    const int score = Game->GetScore();
    ASSERT_GT(score, 100);
    Game->StartLevel();
    Play(*Game, Clock, 3000);
    Game->LeaveLevel();
    EXPECT_EQ(Puzzle().State(), stAbandoned);
    EXPECT_EQ(States.back(), stAbandoned);
    EXPECT_EQ(Game->GetScore(), score - 100);
    // Booked once only, however often the end is reported.
    Game->UpdateState();
    Play(*Game, Clock, 100);
    EXPECT_EQ(Game->GetScore(), score - 100);
    EXPECT_EQ(Game->LevelOutcome(), loFailed);
    Game->StartLevel();
    EXPECT_EQ(Game->Record().Level, 2);
    EXPECT_EQ(Game->LevelStartScore(), score - 100);
}

TEST_F(LevelResults, NewGameStartsFromZero)
{
    Begin(1);
    SolveByHand(*Game, Clock);
    ASSERT_GT(Game->GetScore(), 0);
    Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Emil"));
    EXPECT_EQ(Game->GetScore(), 0);
    EXPECT_EQ(Game->Record().Level, 1);
    EXPECT_EQ(Game->Record().LastCompletedLevel, 0);
    EXPECT_EQ(Game->Record().Version, 256u);
    EXPECT_EQ(Game->Record().Reserved1, 1u);
}

TEST_F(LevelResults, TenLevelsFinishTheTheme)
{
    Begin(10);
    for (int level = 1; level <= 10; ++level) {
        if (level > 1)
            Game->StartLevel();
        ASSERT_EQ(Puzzle().Level(), level);
        SolveByHand(*Game, Clock);
        ASSERT_EQ(Puzzle().State(), stSolved) << "level " << level;
        EXPECT_EQ(Game->ThemeFinished(), level == 10);
    }
    EXPECT_EQ(Game->LevelOutcome(), loSolved);
    const THighScoreTable table = HighScores();
    EXPECT_EQ(table.UsedCount(), 1) << "one entry per player and theme";
    EXPECT_EQ(table[0].Score, Game->GetScore());

    // There is no eleventh level.
    const int score = Game->GetScore();
    try {
        Game->StartLevel();
        FAIL() << "level 11 started";
    } catch (const EQzError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Internal error: no picture found for level"));
    }
    EXPECT_EQ(Game->Record().Level, 11);
    EXPECT_EQ(Game->GetScore(), score);
    EXPECT_EQ(Puzzle().Level(), 10);
    EXPECT_EQ(Puzzle().State(), stSolved);
}

TEST_F(LevelResults, MissingPictureChangesNothing)
{
    Tree.AddTheme(QStringLiteral("Alps"), 1);
    Game->NewGame(QStringLiteral("Empty"), QStringLiteral("Dora"));
    const QByteArray before = Game->Record().ToBytes();
    EXPECT_THROW(Game->StartLevel(), EQzError);
    EXPECT_EQ(Game->Record().ToBytes(), before);
    EXPECT_EQ(Puzzle().Columns(), 0);
    EXPECT_TRUE(States.empty());

    // A theme that names a folder outside the picture folder has no pictures.
    Game->NewGame(QStringLiteral("../puzz/Alps"), QStringLiteral("Dora"));
    EXPECT_THROW(Game->StartLevel(), EQzError);
}

TEST_F(LevelResults, FirstExistingVariantIsTaken)
{
    Tree.AddLevelPicture(QStringLiteral("Var"), 1, 7, SolidImage(90, 120, Qt::red));
    Tree.AddLevelPicture(QStringLiteral("Var"), 1, 12, SolidImage(120, 90, Qt::red));
    Game->NewGame(QStringLiteral("Var"), QStringLiteral("Dora"));
    Game->StartLevel();
    EXPECT_EQ(Puzzle().Columns(), 4) << "the portrait variant 7";
    EXPECT_EQ(Puzzle().Rows(), 5);
}

TEST_F(LevelResults, GamePassesRepaintsOn)
{
    std::vector<std::uint8_t> parts;
    Game->OnChange = [&](TGame&, std::uint8_t Parts) { parts.push_back(Parts); };
    Begin(1);
    parts.clear();
    Clock.Advance(1);
    Game->Tick();
    EXPECT_NE(std::find(parts.begin(), parts.end(), RepaintPot), parts.end());
    parts.clear();
    Puzzle().TakeFromPot(0);
    EXPECT_EQ(parts.back(), RepaintAll);
}

TEST_F(LevelResults, UnreadablePictureDoesNotBookTheOldLevelAgain)
{
    Begin(1);
    SolveByHand(*Game, Clock);
    const int score = Game->GetScore();
    // Level 2 exists but its picture is not a picture.
    const QString plain = Tree.Write(QStringLiteral("plain/broken/IP0201.bmp"), QByteArray("not a bitmap"));
    EncodeFile(plain, Tree.Path(QStringLiteral("dat/puzz/Alps/IP0201.dat")));
    try {
        Game->StartLevel();
        ADD_FAILURE() << "an unreadable level picture was played";
    } catch (const EQzError& error) {
        // The message names the theme's file, not its decoded copy.
        EXPECT_TRUE(error.Message().contains(QStringLiteral("IP0201.dat"))) << error.what();
        EXPECT_FALSE(error.Message().contains(DecodeToTemp(Tree.Path(QStringLiteral("dat/puzz/Alps/IP0201.dat")))))
            << error.what();
    }
    EXPECT_EQ(Game->Record().Level, 2);
    EXPECT_EQ(Puzzle().State(), stSolved) << "the puzzle keeps the solved level";
    Game->UpdateState();
    Play(*Game, Clock, 100);
    EXPECT_EQ(Game->GetScore(), score);
    EXPECT_EQ(Game->Record().LastCompletedLevel, 1);
    EXPECT_TRUE(Game->Record().ResultBooked);
    EXPECT_EQ(Game->LevelOutcome(), loFailed) << "level 2 is now the one to try";
}

TEST_F(LevelResults, LeavingWithALiftedPieceLaysItBackOnItsCell)
{
    Begin(1);
    TPuzzleClass& puzzle = Puzzle();
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    puzzle.TakeFromPot(0);
    const TPiece* piece = puzzle.HeldPiece();
    // Set wrong, so the lift and the return are told apart from a right piece.
    int column = -1, row = -1;
    ASSERT_TRUE(FindEmptyCell(puzzle, piece->Column, piece->Row, column, row));
    ASSERT_TRUE(puzzle.DropHeldPiece(column, row));
    const int onBoard = PiecesOnBoard(puzzle);
    const TPuzzlePointsCounter before = puzzle.Points();

    puzzle.PickUpAt(column, row);
    ASSERT_EQ(puzzle.HeldPiece(), piece);
    EXPECT_EQ(puzzle.Points().Correct, before.Correct - 1);
    Game->LeaveLevel();
    EXPECT_EQ(puzzle.State(), stAbandoned);
    EXPECT_EQ(puzzle.HeldPiece(), nullptr) << "nothing stays in the hand after the end";
    EXPECT_EQ(puzzle.CellPiece(column, row), piece);
    EXPECT_EQ(piece->Place, plOnBoard);
    EXPECT_EQ(PiecesOnBoard(puzzle), onBoard);
    EXPECT_EQ(puzzle.Points().Correct, before.Correct);
    EXPECT_EQ(puzzle.Points().Wrong, before.Wrong);
    EXPECT_EQ(puzzle.BoardBitmap().pixelColor(puzzle.CellOrigin(column, row) + QPoint(60, 60)),
              piece->Bitmap.pixelColor(60, 60));

    // A click on the ended board lifts nothing.
    puzzle.PickUpAt(column, row);
    EXPECT_EQ(puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(puzzle.CellPiece(column, row), piece);
}

TEST_F(LevelResults, NothingMovesOnAnEndedBoard)
{
    Begin(1);
    TPuzzleClass& puzzle = Puzzle();
    puzzle.StartZindoRun();
    TModelTestAccess::StartSparkle(puzzle, 60, 60);
    TModelTestAccess::StartBroom(puzzle);
    // Solving knocks every placed piece off before laying all of them on
    // their cells: the knocked-off copies are still falling when it ends.
    puzzle.Solve();
    ASSERT_EQ(puzzle.State(), stSolved);
    EXPECT_TRUE(puzzle.FallingPieces().empty());
    EXPECT_FALSE(puzzle.ZindoRunning());
    EXPECT_FALSE(puzzle.BroomActive());
    EXPECT_FALSE(puzzle.SparkleActive());
}
