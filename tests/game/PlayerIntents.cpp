// The player's intents as the session answers them: whatever the input, a
// take, a drop or lift, a bonus, a deal or a pause comes to one named
// outcome, and a refused intent changes nothing.
#include "GameTestTree.h"

using namespace zindo;
using namespace zindo::test;

namespace {

class PlayerIntents : public TGameFixture {
protected:
    PlayerIntents()
    {
        Tree.AddTheme(QStringLiteral("Alps"), 1);
        Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Ira"));
        Game->StartLevel();
        EXPECT_TRUE(WaitForPotEntry(*Game, Clock));
    }

    /// A cell without a piece.
    QPoint EmptyCell()
    {
        int column = -1, row = -1;
        EXPECT_TRUE(FindEmptyCell(Puzzle(), -1, -1, column, row));
        return QPoint(column, row);
    }
};

} // namespace

TEST_F(PlayerIntents, TakeAndDropOrLiftSayWhatHappened)
{
    EXPECT_EQ(Game->TakeFromPot(Puzzle().Pot().Count()), toNoPiece);
    EXPECT_EQ(Game->TakeFromPot(-1), toNoPiece);
    ASSERT_EQ(Game->TakeFromPot(0), toTaken);
    const TPiece* held = Puzzle().HeldPiece();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(Game->TakeFromPot(0), toHandFull);
    EXPECT_EQ(Puzzle().HeldPiece(), held) << "a second take leaves the hand as it was";

    EXPECT_EQ(Game->DropOrLiftAt(Puzzle().Columns(), 0), coOutside);
    EXPECT_EQ(Game->DropOrLiftAt(0, -1), coOutside);
    const QPoint own(held->Column, held->Row);
    ASSERT_EQ(Game->DropOrLiftAt(own.x(), own.y()), coDropped);
    EXPECT_EQ(Puzzle().CellPiece(own.x(), own.y()), held);
    const QPoint empty = EmptyCell();
    EXPECT_EQ(Game->DropOrLiftAt(empty.x(), empty.y()), coEmptyCell);
    ASSERT_EQ(Game->DropOrLiftAt(own.x(), own.y()), coLifted);
    EXPECT_EQ(Puzzle().HeldPiece(), held);

    // A plain piece may not replace one lying on a cell; it stays in the hand.
    TPiece* occupant = nullptr;
    for (const auto& piece : Puzzle().Pieces())
        if (piece->Place == plOnBoard)
            occupant = piece.get();
    ASSERT_NE(occupant, nullptr);
    EXPECT_EQ(Game->DropOrLiftAt(occupant->Column, occupant->Row), coRefused);
    EXPECT_EQ(Puzzle().HeldPiece(), held);

    // Paused, the board is hidden and nothing is placed on it.
    ASSERT_EQ(Game->TogglePause(), psPaused);
    EXPECT_EQ(Game->DropOrLiftAt(own.x(), own.y()), coNotPlaying);
    EXPECT_EQ(Puzzle().HeldPiece(), held);
    EXPECT_EQ(Game->TogglePause(), psResumed);
    EXPECT_EQ(Game->DropOrLiftAt(own.x(), own.y()), coDropped);
}

TEST_F(PlayerIntents, PutBackReturnsThePieceWhereItCameFrom)
{
    EXPECT_EQ(Game->PutBackHeldPiece(), pbEmptyHand);

    // Taken from the pot: back into its place, with its kind, the pot as before.
    for (int i = 0; i < 1000 && !Game->CanDealNow(); ++i) {
        Clock.Advance(10);
        Game->Tick();
    }
    ASSERT_EQ(Game->DealNow(), dlDealt);
    ASSERT_EQ(Puzzle().Pot().Count(), 2);
    const TPieceInPot before = Puzzle().Pot().Entry(1);
    const std::int32_t free = Puzzle().FreePieceCount();
    ASSERT_EQ(Game->TakeFromPot(1), toTaken);
    EXPECT_EQ(Game->PutBackHeldPiece(), pbToPot);
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    ASSERT_EQ(Puzzle().Pot().Count(), 2);
    EXPECT_EQ(Puzzle().Pot().Entry(1).Piece, before.Piece);
    EXPECT_EQ(Puzzle().Pot().Entry(1).Kind, before.Kind);
    EXPECT_DOUBLE_EQ(Puzzle().Pot().Entry(1).Position, before.Position);
    EXPECT_EQ(before.Piece->Place, plInPot);
    EXPECT_EQ(Puzzle().FreePieceCount(), free);

    // Lifted from the board: back onto its cell, counted as before the lift.
    const TPiece* placed = nullptr;
    for (const auto& piece : Puzzle().Pieces())
        if (piece->Place == plOnBoard)
            placed = piece.get();
    ASSERT_NE(placed, nullptr);
    const std::int32_t points = Puzzle().Points().TotalPoints();
    ASSERT_EQ(Game->DropOrLiftAt(placed->Column, placed->Row), coLifted);
    EXPECT_LT(Puzzle().Points().TotalPoints(), points);
    EXPECT_EQ(Game->PutBackHeldPiece(), pbToCell);
    EXPECT_EQ(Puzzle().CellPiece(placed->Column, placed->Row), placed);
    EXPECT_EQ(placed->Place, plOnBoard);
    EXPECT_EQ(Puzzle().Points().TotalPoints(), points);

    // Paused, the hand keeps its piece.
    ASSERT_EQ(Game->TakeFromPot(0), toTaken);
    ASSERT_EQ(Game->TogglePause(), psPaused);
    EXPECT_EQ(Game->PutBackHeldPiece(), pbNotPlaying);
    EXPECT_NE(Puzzle().HeldPiece(), nullptr);
}

TEST_F(PlayerIntents, BonusesAndDealingRefuseWhatWouldCostForNothing)
{
    // "Use Magic" with an empty pot spends nothing.
    TModelTestAccess::Pot(Puzzle()).Clear();
    EXPECT_EQ(Game->UseBonus(bnJoker), boPotEmpty);
    EXPECT_EQ(Puzzle().BonusCount(bnJoker), 2);

    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    ASSERT_EQ(Game->TakeFromPot(0), toTaken);
    EXPECT_EQ(Game->UseBonus(bnCheck), boHandFull);
    EXPECT_EQ(Game->DealNow(), dlHandFull);
    EXPECT_FALSE(Game->CanDealNow());
    const TPiece* held = Puzzle().HeldPiece();
    ASSERT_EQ(Game->DropOrLiftAt(held->Column, held->Row), coDropped);

    EXPECT_EQ(Game->UseBonus(bnCheck), boUsed);
    EXPECT_TRUE(Puzzle().BonusActive(bnCheck));
    EXPECT_EQ(Game->UseBonus(bnCheck), boUsed);
    EXPECT_EQ(Game->UseBonus(bnCheck), boNoneLeft);
    EXPECT_EQ(Puzzle().BonusCount(bnCheck), 0);

    // Dealing at once needs room at the pot's top: a fresh entry takes a
    // piece's height to slide below it.
    for (int i = 0; i < 200 && !Game->CanDealNow(); ++i)
        Play(*Game, Clock, 50);
    ASSERT_TRUE(Game->CanDealNow());
    const int before = Puzzle().Pot().Count();
    EXPECT_EQ(Game->DealNow(), dlDealt);
    EXPECT_EQ(Puzzle().Pot().Count(), before + 1);
    EXPECT_FALSE(Game->CanDealNow());
    EXPECT_EQ(Game->DealNow(), dlNoRoom);
    EXPECT_EQ(Puzzle().Pot().Count(), before + 1);

    Game->LeaveLevel();
    EXPECT_EQ(Game->UseBonus(bnCleanup), boNotPlaying);
    EXPECT_EQ(Game->DealNow(), dlNotPlaying);
    EXPECT_EQ(Game->TakeFromPot(0), toNotPlaying);
    EXPECT_EQ(Game->TogglePause(), psNotRunning);
}
