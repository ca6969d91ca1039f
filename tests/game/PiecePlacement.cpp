// Taking pieces from the pot, dropping them, lifting them again, and the
// piece kinds that change where a piece lands.
#include "GameTestTree.h"

using namespace zindo;
using namespace zindo::test;

using PiecePlacement = TPuzzleFixture;

TEST_F(PiecePlacement, TakeMovesThePotEntryIntoTheHand)
{
    Puzzle.FeedNow();
    ASSERT_EQ(Puzzle.Pot().Count(), 1);
    TPiece* piece = Puzzle.Pot().Entry(0).Piece;
    Changes.clear();
    Puzzle.TakeFromPot(0);
    EXPECT_EQ(Puzzle.HeldPiece(), piece);
    EXPECT_EQ(piece->Place, plInHand);
    EXPECT_EQ(Puzzle.Pot().Count(), 0);
    EXPECT_EQ(Changes.back(), RepaintAll);
}

TEST_F(PiecePlacement, TakeWithABadIndexOnlyAsksForRepaint)
{
    Puzzle.FeedNow();
    Changes.clear();
    Puzzle.TakeFromPot(5);
    Puzzle.TakeFromPot(-1);
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle.Pot().Count(), 1);
    EXPECT_EQ(Changes, (std::vector<std::uint8_t>{RepaintAll, RepaintAll}));
}

TEST_F(PiecePlacement, RightAndWrongDropsAreCounted)
{
    TPiece* piece = TakeKind(pkPlain);
    ASSERT_TRUE(piece);
    EXPECT_TRUE(Puzzle.DropHeldPiece(piece->Column, piece->Row));
    EXPECT_EQ(Puzzle.CellPiece(piece->Column, piece->Row), piece);
    EXPECT_EQ(piece->Place, plOnBoard);
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);

    TPiece* other = TakeKind(pkPlain);
    ASSERT_TRUE(other);
    int column = 0, row = 0;
    ASSERT_TRUE(FindEmptyCell(Puzzle, other->Column, other->Row, column, row));
    EXPECT_TRUE(Puzzle.DropHeldPiece(column, row));
    EXPECT_EQ(Puzzle.Points().Correct, 1);
    EXPECT_EQ(Puzzle.Points().Wrong, 1);
}

TEST_F(PiecePlacement, DropOnAnOccupiedCellOrOutsideIsRefused)
{
    TPiece* piece = TakeKind(pkPlain);
    TPiece* occupant = PlacedPiece();
    ASSERT_TRUE(piece && occupant);
    EXPECT_FALSE(Puzzle.DropHeldPiece(occupant->Column, occupant->Row));
    EXPECT_FALSE(Puzzle.DropHeldPiece(Puzzle.Columns(), 0));
    EXPECT_FALSE(Puzzle.DropHeldPiece(0, Puzzle.Rows()));
    EXPECT_EQ(Puzzle.HeldPiece(), piece);
    EXPECT_EQ(piece->Place, plInHand);
    EXPECT_EQ(Puzzle.CellPiece(occupant->Column, occupant->Row), occupant);
    EXPECT_EQ(Puzzle.Points().Correct + Puzzle.Points().Wrong, 0);
}

TEST_F(PiecePlacement, EmptyPotIsRefilledAfterADrop)
{
    TPiece* piece = TakeKind(pkPlain);
    ASSERT_TRUE(piece);
    TModelTestAccess::Pot(Puzzle).Clear(); // the other entries go back, so that the pot runs empty
    Puzzle.DropHeldPiece(piece->Column, piece->Row);
    EXPECT_EQ(Puzzle.Pot().Count(), 1);
}

TEST_F(PiecePlacement, AutoDropLandsOnItsOwnCellUncounted)
{
    TPiece* piece = TakeKind(pkAutoDrop);
    ASSERT_TRUE(piece);
    // Something else lies on the piece's own cell; it falls off.
    TPiece* intruder = nullptr;
    for (const auto& p : Puzzle.Pieces())
        if (p->Place == plFree)
            intruder = p.get();
    ASSERT_TRUE(intruder);
    ASSERT_TRUE(TModelTestAccess::PutAt(Puzzle, *intruder, piece->Column, piece->Row));
    int column = 0, row = 0;
    ASSERT_TRUE(FindEmptyCell(Puzzle, piece->Column, piece->Row, column, row));

    EXPECT_TRUE(Puzzle.DropHeldPiece(column, row));
    EXPECT_EQ(Puzzle.CellPiece(piece->Column, piece->Row), piece);
    EXPECT_EQ(Puzzle.CellPiece(column, row), nullptr);
    EXPECT_EQ(intruder->Place, plFree);
    EXPECT_EQ(Puzzle.FallingPieces().size(), 1u);
    EXPECT_EQ(Puzzle.HeldKind(), pkPlain);
    EXPECT_EQ(Puzzle.Points().Correct + Puzzle.Points().Wrong, 0);
}

TEST_F(PiecePlacement, ChangeDropReplacesTheOccupantAndCounts)
{
    TPiece* piece = TakeKind(pkChangeDrop);
    TPiece* occupant = PlacedPiece();
    ASSERT_TRUE(piece && occupant);
    EXPECT_TRUE(Puzzle.DropHeldPiece(occupant->Column, occupant->Row));
    EXPECT_EQ(Puzzle.CellPiece(occupant->Column, occupant->Row), piece);
    EXPECT_EQ(occupant->Place, plFree);
    EXPECT_EQ(Puzzle.Points().Wrong, 1);
    EXPECT_EQ(Puzzle.FallingPieces().size(), 1u);
}

TEST_F(PiecePlacement, ChangeDropOnAnEmptyCellIsAPlainDrop)
{
    TPiece* piece = TakeKind(pkChangeDrop);
    ASSERT_TRUE(piece);
    EXPECT_TRUE(Puzzle.DropHeldPiece(piece->Column, piece->Row));
    EXPECT_EQ(Puzzle.Points().Correct, 1);
    EXPECT_TRUE(Puzzle.FallingPieces().empty());
}

TEST_F(PiecePlacement, CleanupAndSlowPiecesBehaveAsPlain)
{
    for (TPieceKind kind : {pkCleanup, pkSlow}) {
        TPiece* piece = TakeKind(kind);
        TPiece* occupant = PlacedPiece();
        ASSERT_TRUE(piece && occupant);
        EXPECT_DOUBLE_EQ(Puzzle.SpeedFactor(), 1.0);
        EXPECT_FALSE(Puzzle.BroomActive());
        EXPECT_FALSE(Puzzle.DropHeldPiece(occupant->Column, occupant->Row));
        EXPECT_TRUE(Puzzle.DropHeldPiece(piece->Column, piece->Row));
    }
    EXPECT_EQ(Puzzle.Points().Correct, 2);
    EXPECT_TRUE(Effects.empty());
}

TEST_F(PiecePlacement, LiftingAPieceCostsACorrectCountAndSpeedsUpDealing)
{
    TPiece* piece = TakeKind(pkPlain);
    ASSERT_TRUE(piece);
    int column = 0, row = 0;
    ASSERT_TRUE(FindEmptyCell(Puzzle, piece->Column, piece->Row, column, row));
    Puzzle.DropHeldPiece(column, row);
    Puzzle.PickUpAt(column, row);
    EXPECT_EQ(Puzzle.HeldPiece(), piece);
    EXPECT_EQ(Puzzle.CellPiece(column, row), nullptr);
    EXPECT_EQ(Puzzle.Points().Correct, -1);
    EXPECT_EQ(Puzzle.Points().Wrong, 1);
    EXPECT_DOUBLE_EQ(Puzzle.SpeedFactor(), 1.25);
    EXPECT_EQ(TModelTestAccess::SpeedChangeTime(Puzzle), Clock.TickCount());
    Puzzle.DropHeldPiece(piece->Column, piece->Row);
    EXPECT_EQ(Puzzle.Points().Correct, 0);
    EXPECT_EQ(Puzzle.Points().Wrong, 1);

    // An empty cell, or a level that is not playing, lifts nothing.
    Puzzle.PickUpAt(column, row);
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);
    Puzzle.Pause();
    Puzzle.PickUpAt(piece->Column, piece->Row);
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);
}

TEST_F(PiecePlacement, CellsOfPixels)
{
    int column = 0, row = 0;
    Puzzle.CellAt(-65, 10, column, row);
    EXPECT_EQ(column, 0) << "truncation toward zero";
    Puzzle.CellAt(-66, 10, column, row);
    EXPECT_EQ(column, -1);
    Puzzle.CellAt(9 * 66, 7 * 66 - 1, column, row);
    EXPECT_EQ(column, -1);
    EXPECT_EQ(row, 6);
    EXPECT_EQ(Puzzle.CellOrigin(3, 2), QPoint(198, 132));
}

TEST_F(PiecePlacement, CleanUpSweepsOnlyWrongPieces)
{
    TModelTestAccess::CleanUp(Puzzle);
    EXPECT_TRUE(Puzzle.BroomActive());
    EXPECT_TRUE(Puzzle.FallingPieces().empty());
    EXPECT_EQ(PiecesOnBoard(Puzzle), 13);

    TPiece* piece = TakeKind(pkPlain);
    int column = 0, row = 0;
    ASSERT_TRUE(piece && FindEmptyCell(Puzzle, piece->Column, piece->Row, column, row));
    Puzzle.DropHeldPiece(column, row);
    TModelTestAccess::CleanUp(Puzzle);
    EXPECT_EQ(piece->Place, plFree);
    EXPECT_EQ(Puzzle.FallingPieces().size(), 1u);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 13);
}

TEST_F(PiecePlacement, SolvePlacesEveryPieceEvenTheOneInHand)
{
    TPiece* held = TakeKind(pkDeath);
    ASSERT_TRUE(held);
    Effects.clear();
    Puzzle.Solve();
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 63);
    EXPECT_EQ(Puzzle.Pot().Count(), 0);
    EXPECT_EQ(Puzzle.State(), stSolved);
    EXPECT_EQ(Puzzle.Points().Correct, 63) << "every piece is dropped anew, the pre-placed ones too";
    EXPECT_TRUE(Effects.empty()) << "the risk piece in hand is not judged";
}

TEST_F(PiecePlacement, ReloadingGivesUpThePieceInHand)
{
    ASSERT_TRUE(TakeKind(pkDeath));
    Effects.clear();
    const QString container = Tree.AddLevelPicture(QStringLiteral("T"), 1, 1, PatternImage(120, 90));
    Puzzle.LoadPicture(DecodeToTemp(container), 1);
    EXPECT_EQ(Puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle.HeldKind(), pkPlain);
    EXPECT_TRUE(Effects.empty()) << "pre-placement is not judged as a risk";
    EXPECT_EQ(Puzzle.Bonus(bnJoker).Count + Puzzle.Bonus(bnCheck).Count + Puzzle.Bonus(bnCleanup).Count, 6);
    EXPECT_EQ(Puzzle.Lives(), 3);
    EXPECT_EQ(Puzzle.Pot().Count(), 0);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 4);
    for (const auto& piece : Puzzle.Pieces())
        EXPECT_NE(piece->Place, plInHand);
}
