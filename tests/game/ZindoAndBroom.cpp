// The board's animations: the zindo's run and the pieces it knocks off, the
// falling pieces, the broom's sweep and the sparkle of "Use Magic".
#include "GameTestTree.h"

using namespace zindo;
using namespace zindo::test;

namespace {

using TAccess = TModelTestAccess;

class ZindoAndBroom : public TPuzzleFixture {
protected:
    /// One animation step at the next 50 ms.
    void StepOnce()
    {
        Clock.Advance(50);
        TAccess::Step(Puzzle);
    }
    /// Puts the running zindo at (X, Y), judged last against (LastColumn, LastRow).
    void PlaceZindo(int X, int Y, int LastColumn, int LastRow)
    {
        TAccess::PlaceZindo(Puzzle, X, Y, LastColumn, LastRow);
    }
    int ZindoX() const { return Puzzle.ZindoPosition().x(); }
};

} // namespace

TEST_F(ZindoAndBroom, RunStartsLeftOfTheBoardAndEndsPastTheRightEdge)
{
    Puzzle.StartZindoRun();
    EXPECT_EQ(Effects, std::vector<std::int32_t>{efRisk});
    EXPECT_TRUE(Puzzle.ZindoRunning());
    EXPECT_EQ(ZindoX(), -50);
    EXPECT_GE(Puzzle.ZindoPosition().y(), 0);
    EXPECT_LT(Puzzle.ZindoPosition().y(), Puzzle.Picture().height() - 40);
    Puzzle.StartZindoRun();
    EXPECT_EQ(Effects.size(), 1u) << "no second run while one is under way";

    // Looking at the zindo, as the board view does at every step, leaves its
    // run alone; the run ends by itself once it has left the picture.
    const int width = Puzzle.Picture().width();
    while (ZindoX() <= width) {
        ASSERT_TRUE(Puzzle.ZindoRunning()) << "x " << ZindoX();
        StepOnce();
        const auto frame = static_cast<std::size_t>(TAccess::ZindoFrame(Puzzle));
        EXPECT_EQ(Puzzle.ZindoFrameBitmap().Image, TAccess::Sprites(Puzzle).ZindoFrames[frame].Image);
    }
    EXPECT_FALSE(Puzzle.ZindoRunning());
}

TEST_F(ZindoAndBroom, EachCellIsTriedOnceWhenEntered)
{
    // Fill the row under the zindo's feet, then watch the draws it makes.
    Puzzle.StartZindoRun();
    PlaceZindo(-66, 10, -1, -1); // feet at y = 50: row 0
    std::vector<const TPiece*> row0;
    for (int c = 0; c < Puzzle.Columns(); ++c) {
        if (!Puzzle.CellPiece(c, 0)) {
            for (const auto& piece : Puzzle.Pieces())
                if (piece->Place == plFree) {
                    TAccess::PutAt(Puzzle, *piece, c, 0);
                    break;
                }
        }
        row0.push_back(Puzzle.CellPiece(c, 0));
    }
    int draws = 0;
    int lastColumn = -2;
    while (Puzzle.ZindoRunning() && ZindoX() < 9 * 66 + 10) {
        const std::uint32_t seed = Random.GetSeed();
        StepOnce();
        int column = 0, row = 0;
        Puzzle.CellAt(ZindoX(), Puzzle.ZindoPosition().y() + 40, column, row);
        const bool drew = Random.GetSeed() != seed;
        if (column != lastColumn && column >= 0)
            draws += drew ? 1 : 0;
        else
            EXPECT_FALSE(drew) << "x " << ZindoX() << ": a cell already tried";
        lastColumn = column;
    }
    EXPECT_EQ(draws, 9) << "one draw for each of the nine cells it entered";
    int knocked = 0;
    for (int c = 0; c < 9; ++c) {
        const TPiece* piece = row0[static_cast<std::size_t>(c)];
        ASSERT_NE(piece, nullptr);
        if (Puzzle.CellPiece(c, 0) != piece) {
            ++knocked;
            EXPECT_EQ(piece->Place, plFree);
            EXPECT_EQ(Puzzle.CellPiece(c, 0), nullptr);
        }
    }
    EXPECT_GT(knocked, 0);
    EXPECT_LT(knocked, 9);
}

TEST_F(ZindoAndBroom, ZindoActsOnColumnZeroBeforeItFullyEnters)
{
    Puzzle.StartZindoRun();
    PlaceZindo(-60, 10, 5, 5);
    StepOnce(); // x = -55: column 0 by truncation
    EXPECT_EQ(TAccess::ZindoLastCell(Puzzle), QPoint(0, 0));
}

TEST_F(ZindoAndBroom, EmptyCellCostsNoDraw)
{
    // Empty the first row, then let the zindo walk through it.
    for (int c = 0; c < Puzzle.Columns(); ++c)
        TAccess::RemoveAt(Puzzle, c, 0);
    Puzzle.StartZindoRun();
    PlaceZindo(ZindoX(), 10, -1, -1);
    const std::uint32_t seed = Random.GetSeed();
    for (int i = 0; i < 40; ++i)
        StepOnce();
    // Steps draw nothing else: the raid is a minute away and the pot is empty.
    EXPECT_EQ(Random.GetSeed(), seed);
}

TEST_F(ZindoAndBroom, FallingPiecesAreDimmedEvenlyAndLeaveThePicture)
{
    TPiece* piece = PlacedPiece();
    ASSERT_TRUE(piece);
    TAccess::RemoveAt(Puzzle, piece->Column, piece->Row);
    ASSERT_EQ(Puzzle.FallingPieces().size(), 1u);
    const TRemovingPiece& falling = Puzzle.FallingPieces()[0];
    EXPECT_EQ(QPoint(falling.X, falling.Y), Puzzle.CellOrigin(piece->Column, piece->Row));
    EXPECT_EQ(QPoint(falling.Column, falling.Row), QPoint(piece->Column, piece->Row));
    // Every pixel lies halfway between the piece's and mid-grey: no pattern
    // that enlarging the board would coarsen.
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(4, 6), QPoint(2, 3), QPoint(61, 37)}) {
        const QColor shown = falling.Picture.pixelColor(at);
        const QColor own = piece->Bitmap.pixelColor(at);
        EXPECT_NEAR(shown.red(), (own.red() + 128) / 2, 2) << at.x() << "," << at.y();
        EXPECT_NEAR(shown.green(), (own.green() + 128) / 2, 2) << at.x() << "," << at.y();
        EXPECT_NEAR(shown.blue(), (own.blue() + 128) / 2, 2) << at.x() << "," << at.y();
    }

    const int startY = falling.Y;
    StepOnce();
    EXPECT_EQ(Puzzle.FallingPieces()[0].Y, startY + 27);
    for (int i = 0; i < 40 && !Puzzle.FallingPieces().empty(); ++i) {
        EXPECT_LE(Puzzle.FallingPieces()[0].Y, Puzzle.Picture().height());
        StepOnce();
    }
    EXPECT_TRUE(Puzzle.FallingPieces().empty());
}

TEST_F(ZindoAndBroom, BroomSweepsUpInStrokesAndStopsPastTheRightEdge)
{
    TAccess::StartBroom(Puzzle);
    EXPECT_EQ(Puzzle.BroomPosition(), QPoint(0, Puzzle.Picture().height()));
    StepOnce();
    EXPECT_EQ(Puzzle.BroomPosition(), QPoint(25, Puzzle.Picture().height() - 50));
    int strokes = 0;
    int steps = 0;
    while (Puzzle.BroomActive() && steps < 1000) {
        const int y = Puzzle.BroomPosition().y();
        StepOnce();
        ++steps;
        strokes += Puzzle.BroomPosition().y() > y ? 1 : 0;
    }
    EXPECT_FALSE(Puzzle.BroomActive());
    EXPECT_GT(Puzzle.BroomPosition().x(), Puzzle.Picture().width());
    EXPECT_GE(strokes, 2);
}

TEST_F(ZindoAndBroom, SparkleLastsSixtySteps)
{
    TAccess::StartSparkle(Puzzle, 100, 120);
    EXPECT_TRUE(Puzzle.SparkleActive());
    EXPECT_EQ(Puzzle.SparklePosition(), QPoint(100, 120));
    for (int i = 0; i < 59; ++i)
        StepOnce();
    EXPECT_TRUE(Puzzle.SparkleActive());
    StepOnce();
    EXPECT_FALSE(Puzzle.SparkleActive());
}

TEST_F(ZindoAndBroom, MagicPutsAPotPieceOnItsOwnCellWithASparkle)
{
    Puzzle.FeedNow();
    Puzzle.FeedNow();
    Effects.clear();
    Puzzle.UseBonus(bnJoker, 0);
    EXPECT_EQ(Puzzle.Pot().Count(), 1);
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle.HeldKind(), pkPlain);
    EXPECT_EQ(Effects.back(), efMagic);
    EXPECT_EQ(Puzzle.Bonus(bnJoker).Count, 1);
    EXPECT_EQ(Puzzle.Points().Correct, 0) << "magic is not counted";
    EXPECT_TRUE(Puzzle.SparkleActive());
    int column = 0, row = 0;
    Puzzle.CellAt(Puzzle.SparklePosition().x() - 25, Puzzle.SparklePosition().y() - 25, column, row);
    ASSERT_NE(Puzzle.CellPiece(column, row), nullptr);
    EXPECT_EQ(Puzzle.CellPiece(column, row)->Column, column);
    EXPECT_EQ(Puzzle.CellPiece(column, row)->Row, row);
}

TEST_F(ZindoAndBroom, BonusesNeedAnEmptyHandAndAPlayingLevel)
{
    ASSERT_EQ(Puzzle.Pot().Count(), 0);
    Puzzle.UseBonus(bnJoker);
    EXPECT_EQ(Puzzle.BonusCount(bnJoker), 2) << "magic with nothing in the pot costs nothing";
    Puzzle.FeedNow();
    Puzzle.TakeFromPot(0);
    EXPECT_EQ(Puzzle.BonusCount(bnCheck), -2) << "greyed while a piece is in hand";
    Puzzle.UseBonus(bnCheck, 5000);
    EXPECT_FALSE(Puzzle.BonusActive(bnCheck));
    const TPiece* piece = Puzzle.HeldPiece();
    Puzzle.DropHeldPiece(piece->Column, piece->Row);
    Puzzle.UseBonus(bnCheck, 5000);
    EXPECT_TRUE(Puzzle.BonusActive(bnCheck));
    EXPECT_EQ(Puzzle.BonusCount(bnCheck), 1);
    Puzzle.UseBonus(bnPreview, 5000);
    EXPECT_EQ(Puzzle.Bonus(bnPreview).Count, 0);
    Puzzle.Pause();
    EXPECT_EQ(Puzzle.BonusCount(bnCleanup), 0);
}
