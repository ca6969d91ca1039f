// Risk pieces: the effects they raise, the bonus they win and the bonus or
// life they cost, up to losing a level for lack of lives.
#include "GameTestTree.h"

using namespace zindo;
using namespace zindo::test;

namespace {

class RiskPieces : public TPuzzleFixture {
protected:
    int BonusTotal() const
    {
        return Puzzle.Bonus(bnJoker).Count + Puzzle.Bonus(bnCheck).Count + Puzzle.Bonus(bnCleanup).Count;
    }
    void SetCounts(int Joker, int Check, int Cleanup)
    {
        TModelTestAccess::Bonus(Puzzle, bnJoker).Count = Joker;
        TModelTestAccess::Bonus(Puzzle, bnCheck).Count = Check;
        TModelTestAccess::Bonus(Puzzle, bnCleanup).Count = Cleanup;
    }
};

} // namespace

TEST_F(RiskPieces, TakingOneRaisesEffect3)
{
    ASSERT_TRUE(TakeKind(pkDeath));
    EXPECT_EQ(Effects, std::vector<std::int32_t>{efRisk});
}

TEST_F(RiskPieces, RightDropWinsABonus)
{
    TPiece* piece = TakeKind(pkDeath);
    ASSERT_TRUE(piece);
    EXPECT_TRUE(Puzzle.DropHeldPiece(piece->Column, piece->Row));
    EXPECT_EQ(Effects, (std::vector<std::int32_t>{efRisk, efRiskWon}));
    EXPECT_EQ(Puzzle.Points().RisksWon, 1);
    EXPECT_EQ(Puzzle.Points().Correct, 1);
    EXPECT_EQ(BonusTotal(), 7);
    EXPECT_FALSE(Puzzle.ZindoRunning());
}

TEST_F(RiskPieces, WrongDropSendsTheZindoAndCostsABonus)
{
    TPiece* piece = TakeKind(pkDeath);
    int column = 0, row = 0;
    ASSERT_TRUE(piece && FindEmptyCell(Puzzle, piece->Column, piece->Row, column, row));
    EXPECT_TRUE(Puzzle.DropHeldPiece(column, row));
    // The raid's 3 comes before the 5, so the lost risk is what is heard.
    EXPECT_EQ(Effects, (std::vector<std::int32_t>{efRisk, efRisk, efRiskLost}));
    EXPECT_TRUE(Puzzle.ZindoRunning());
    EXPECT_EQ(Puzzle.CellPiece(column, row), piece) << "the piece stays where it was dropped";
    EXPECT_EQ(Puzzle.Points().Wrong, 1);
    EXPECT_EQ(BonusTotal(), 5);
    EXPECT_EQ(Puzzle.Lives(), 3);
}

TEST_F(RiskPieces, PunishmentTakesABonusBeforeALife)
{
    SetCounts(2, 0, 0);
    TModelTestAccess::PunishRisk(Puzzle);
    EXPECT_EQ(Puzzle.Bonus(bnJoker).Count, 1);
    EXPECT_EQ(Puzzle.Lives(), 3);
    SetCounts(0, 0, 1);
    TModelTestAccess::PunishRisk(Puzzle);
    EXPECT_EQ(Puzzle.Bonus(bnCleanup).Count, 0);
    EXPECT_EQ(Puzzle.Lives(), 3);
    TModelTestAccess::PunishRisk(Puzzle);
    EXPECT_EQ(Puzzle.Lives(), 2);
}

TEST_F(RiskPieces, ThirdLostLifeEndsTheLevel)
{
    SetCounts(0, 0, 0);
    for (int loss = 1; loss <= 3; ++loss) {
        TPiece* piece = TakeKind(pkDeath);
        int column = 0, row = 0;
        ASSERT_TRUE(piece && FindEmptyCell(Puzzle, piece->Column, piece->Row, column, row));
        Puzzle.DropHeldPiece(column, row);
        EXPECT_EQ(Puzzle.Lives(), 3 - loss);
        EXPECT_EQ(Puzzle.GetState(), loss < 3 ? stPlaying : stNoLives);
    }
    EXPECT_TRUE(Puzzle.Finished());
    // Nothing more is dealt once the level is over.
    const int entries = Puzzle.Pot().Count();
    Puzzle.FeedNow();
    EXPECT_EQ(Puzzle.Pot().Count(), entries);
}

TEST_F(RiskPieces, RewardGoesToOneOfTheThreeUsableSlots)
{
    for (int i = 0; i < 30; ++i)
        TModelTestAccess::RewardRisk(Puzzle);
    EXPECT_EQ(BonusTotal(), 36);
    EXPECT_EQ(Puzzle.Bonus(bnPreview).Count, 0);
}

/// A whole level lost by risk: the bonuses are used up first, then every
/// wrongly dropped risk piece costs a life.
using RiskyLevel = TGameFixture;

TEST_F(RiskyLevel, LosesTheLevelForLackOfLives)
{
    Tree.AddTheme(QStringLiteral("Risky"), 1);
    Game->NewGame(QStringLiteral("Risky"), QStringLiteral("Bea"));
    Game->StartLevel();
    TPuzzleClass& puzzle = Puzzle();
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    puzzle.UseBonus(bnJoker, 0);
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    puzzle.UseBonus(bnJoker, 0);
    for (int i = 0; i < 2; ++i) {
        puzzle.UseBonus(bnCheck, 5000);
        puzzle.UseBonus(bnCleanup, 0);
    }
    ASSERT_EQ(puzzle.BonusCount(bnJoker) + puzzle.BonusCount(bnCheck) + puzzle.BonusCount(bnCleanup), 0);

    // Every piece goes to a wrong cell while one is free; wrongly placed
    // pieces are swept back into the pool so the dealing goes on.
    int lostRisks = 0;
    for (int move = 0; move < 2000 && puzzle.State() == stPlaying; ++move) {
        if (!WaitForPotEntry(*Game, Clock))
            break;
        const TPieceKind kind = puzzle.Pot().Entry(0).Kind;
        puzzle.TakeFromPot(0);
        const TPiece* piece = puzzle.HeldPiece();
        int column = 0, row = 0;
        if (!FindEmptyCell(puzzle, piece->Column, piece->Row, column, row)) {
            column = piece->Column;
            row = piece->Row;
        }
        const bool wrongRisk = kind == pkDeath && (column != piece->Column || row != piece->Row);
        puzzle.DropHeldPiece(column, row);
        lostRisks += wrongRisk ? 1 : 0;
        Game->UpdateState();
        if (puzzle.State() == stPlaying && FindEmptyCell(puzzle, -1, -1, column, row) &&
            !FindEmptyCell(puzzle, column, row, column, row))
            TModelTestAccess::CleanUp(puzzle);
    }
    EXPECT_EQ(puzzle.State(), stNoLives);
    EXPECT_GE(lostRisks, 3);
    EXPECT_EQ(puzzle.Lives(), 0);
    EXPECT_EQ(States.back(), stNoLives);
    EXPECT_EQ(Game->GetScore(), 0);
    EXPECT_EQ(Game->LevelOutcome(), loFailed);
    EXPECT_EQ(Game->Record().LastCompletedLevel, 0);
}
