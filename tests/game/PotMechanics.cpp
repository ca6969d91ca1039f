// The pot: where entries appear, how they fall and stack, when the pot has
// room, is full or busy, and which entry a click hits.
#include "data/Clock.h"
#include "data/RandomGenerator.h"
#include "game/Pot.h"

#include <gtest/gtest.h>

#include <array>

using namespace zindo;

namespace {

class PotMechanics : public ::testing::Test {
protected:
    PotMechanics()
    {
        Pot.Length = 493;
        Pot.PieceSize = 120;
    }

    /// Moves until nothing moves any more (bounded).
    void Settle()
    {
        for (int i = 0; i < 1000 && Pot.Move(1.0); ++i) {
        }
    }

    TManualClock Clock;
    TRandomGenerator Random{7};
    TPot Pot{Clock, Random};
    std::array<TPiece, 8> Pieces;
};

} // namespace

TEST_F(PotMechanics, EmptyPotHasRoomHitsNothingAndIsNotFull)
{
    EXPECT_TRUE(Pot.HasRoom());
    EXPECT_EQ(Pot.HitTest(10), -1);
    EXPECT_FALSE(Pot.IsFull());
    EXPECT_EQ(Pot.EntryPosition(), 373);
}

TEST_F(PotMechanics, EntryAtOddPositionRestsAtMinusOne)
{
    Pot.Add(Pieces[0]);
    EXPECT_EQ(Pieces[0].Place, plInPot);
    EXPECT_DOUBLE_EQ(Pot.Entry(0).Position, 373.0);
    Settle();
    EXPECT_DOUBLE_EQ(Pot.Entry(0).Position, -1.0);
    EXPECT_EQ(Pot.Entry(0).RoundedPosition(), -1);
    EXPECT_EQ(Pot.HitTest(-1), 0);
    EXPECT_EQ(Pot.HitTest(119), 0);
    EXPECT_EQ(Pot.HitTest(-2), -1);
    EXPECT_EQ(Pot.HitTest(120), -1);
}

TEST_F(PotMechanics, HasRoomOnlyOnceTheTopEntrySankBelow253)
{
    Pot.Add(Pieces[0]);
    while (Pot.Entry(0).Position >= 254)
        Pot.Move(1.0);
    EXPECT_DOUBLE_EQ(Pot.Entry(0).Position, 253.0);
    EXPECT_FALSE(Pot.HasRoom());
    Pot.Move(1.0);
    EXPECT_TRUE(Pot.HasRoom());
}

TEST_F(PotMechanics, StackedEntriesLeaveGapsThatHitNothing)
{
    Pot.Add(Pieces[0]);
    Settle();
    Pot.Add(Pieces[1]);
    Settle();
    const int lower = Pot.Entry(0).RoundedPosition();
    const int upper = Pot.Entry(1).RoundedPosition();
    const int gap = upper - (lower + 120);
    EXPECT_GT(gap, 2);
    EXPECT_LE(gap, 4);
    EXPECT_EQ(Pot.HitTest(lower + 120), 0);
    EXPECT_EQ(Pot.HitTest(lower + 121), -1);
    EXPECT_EQ(Pot.HitTest(upper), 1);
}

TEST_F(PotMechanics, TakingTheLowestLetsTheOthersCloseUp)
{
    for (int i = 0; i < 3; ++i) {
        Pot.Add(Pieces[static_cast<std::size_t>(i)]);
        Settle();
    }
    TPiece* taken = Pot.Take(0);
    EXPECT_EQ(taken, &Pieces[0]);
    EXPECT_EQ(Pieces[0].Place, plInHand);
    ASSERT_EQ(Pot.Count(), 2);
    Settle();
    EXPECT_DOUBLE_EQ(Pot.Entry(0).Position, -1.0);
    const double gap = Pot.Entry(1).Position - (Pot.Entry(0).Position + 120);
    EXPECT_GT(gap, 2.0);
    EXPECT_LE(gap, 4.0);
}

TEST_F(PotMechanics, PutBackTakesItsPlaceAgainAndWhatNoLongerFitsGoesBackToTheFreePool)
{
    // A full pot of four; the second is taken, the two above close up and a
    // fifth piece comes in on top.
    for (int i = 0; i < 4; ++i) {
        Pot.Add(Pieces[static_cast<std::size_t>(i)]);
        Settle();
    }
    const double takenAt = Pot.Entry(1).Position;
    const TPieceKind kind = ToPieceKind(4);
    TPiece* taken = Pot.Take(1);
    Settle();
    Pot.Add(Pieces[4]);
    Settle();
    ASSERT_EQ(Pot.Count(), 4);
    Clock.Advance(3000);

    EXPECT_EQ(Pot.PutBack(*taken, kind, 1, takenAt), 1);
    ASSERT_EQ(Pot.Count(), 4);
    EXPECT_EQ(Pot.Entry(1).Piece, taken);
    EXPECT_EQ(Pot.Entry(1).Kind, kind);
    EXPECT_DOUBLE_EQ(Pot.Entry(1).Position, takenAt);
    EXPECT_EQ(taken->Place, plInPot);
    EXPECT_EQ(Pot.Entry(3).Piece, &Pieces[3]);
    EXPECT_EQ(Pieces[4].Place, plFree) << "the newest entry no longer fits";
    for (int i = 1; i < Pot.Count(); ++i)
        EXPECT_GE(Pot.Entry(i).Position, Pot.Entry(i - 1).Position + 122) << "entry " << i << " overlaps";
    EXPECT_LE(Pot.Entry(3).Position, Pot.EntryPosition());
    EXPECT_EQ(Pot.LastChange, Clock.TickCount());

    // Into a pot with room nothing leaves, and an index past the top puts
    // the entry on top.
    TPiece* top = Pot.Take(3);
    EXPECT_EQ(Pot.PutBack(*top, pkPlain, 9, Pot.EntryPosition()), 0);
    EXPECT_EQ(Pot.Entry(3).Piece, top);
}

TEST_F(PotMechanics, FullOnlyWhenSettled)
{
    // 373 < 4 x 122: four entries fill a 493-pixel pot of 120-pixel pieces.
    for (int i = 0; i < 3; ++i) {
        Pot.Add(Pieces[static_cast<std::size_t>(i)]);
        Settle();
    }
    EXPECT_FALSE(Pot.IsFull());
    Pot.Add(Pieces[3]);
    Pot.Add(Pieces[4]);
    Pot.Move(1.0);
    EXPECT_FALSE(Pot.IsFull()) << "something still moves";
    Settle();
    Pot.Move(1.0);
    EXPECT_TRUE(Pot.IsFull());
}

TEST_F(PotMechanics, BusyForTwoSecondsAfterAChangeAndWhileMoving)
{
    Pot.Add(Pieces[0]);
    EXPECT_TRUE(Pot.IsBusy());
    Settle();
    Pot.Move(1.0);
    Clock.Advance(1999);
    EXPECT_TRUE(Pot.IsBusy());
    Clock.Advance(1);
    EXPECT_FALSE(Pot.IsBusy());
    Pot.Add(Pieces[1]);
    Clock.Advance(2500);
    Pot.Move(1.0);
    EXPECT_TRUE(Pot.IsBusy()) << "the new entry still falls";
}

TEST_F(PotMechanics, ClearReturnsPiecesToTheFreePool)
{
    Pot.Add(Pieces[0]);
    Pot.Add(Pieces[1]);
    const std::uint32_t stamp = Pot.LastChange;
    Clock.Advance(5000);
    Pot.Clear();
    EXPECT_EQ(Pot.Count(), 0);
    EXPECT_EQ(Pieces[0].Place, plFree);
    EXPECT_EQ(Pieces[1].Place, plFree);
    EXPECT_EQ(Pot.LastChange, stamp);
}

TEST_F(PotMechanics, KindsFollowTheSharedGenerator)
{
    // Odd first draw: plain; even first draw: the kind is the second draw of 6.
    TRandomGenerator replay(7);
    for (std::size_t i = 0; i < Pieces.size(); ++i) {
        Pot.Add(Pieces[i]);
        const bool drawsKind = replay.Random(65535) % 2 == 0;
        const TPieceKind expected = drawsKind ? ToPieceKind(replay.Random(6)) : pkPlain;
        EXPECT_EQ(Pot.Entry(static_cast<std::int32_t>(i)).Kind, expected) << "entry " << i;
    }
    EXPECT_EQ(Random.GetSeed(), replay.GetSeed());
}
