// Timing of a level: the first update, timed feeding and its interval, the
// dealing speed, the two ways of being too slow, pause and resume, and the
// wrap of the tick counter.
#include "GameTestTree.h"

using namespace zindo;
using namespace zindo::test;

namespace {

class LevelTiming : public TGameFixture {
protected:
    LevelTiming()
    {
        Tree.AddTheme(QStringLiteral("Clocks"), 1);
        Game->NewGame(QStringLiteral("Clocks"), QStringLiteral("Cleo"));
    }

    /// Ticks in 10 ms passes until Condition holds; the ms it took, or -1
    /// after Limit ms.
    template <typename TCondition>
    int RunUntil(TCondition Condition, int Limit = 120000)
    {
        for (int t = 0; t <= Limit; t += 10) {
            if (Condition())
                return t;
            Clock.Advance(10);
            Game->Tick();
        }
        return -1;
    }
};

} // namespace

TEST_F(LevelTiming, FeedIntervalExamples)
{
    TPuzzleClass& puzzle = Puzzle();
    TModelTestAccess::Level(puzzle) = 1;
    TModelTestAccess::PlayMs(puzzle) = 0;
    TModelTestAccess::SpeedFactor(puzzle) = 1.0;
    EXPECT_EQ(puzzle.FeedInterval(), 12800u);
    TModelTestAccess::Level(puzzle) = 10;
    TModelTestAccess::PlayMs(puzzle) = 300000;
    EXPECT_EQ(puzzle.FeedInterval(), 10700u);
    TModelTestAccess::SpeedFactor(puzzle) = 1.25;
    EXPECT_EQ(puzzle.FeedInterval(), 8560u);
    TModelTestAccess::PlayMs(puzzle) = 20000000; // the numerator falls below zero
    EXPECT_EQ(puzzle.FeedInterval(), 4000u);
}

TEST_F(LevelTiming, FirstUpdateDealsAndStepsAtOnce)
{
    Game->StartLevel();
    EXPECT_EQ(States, std::vector<std::uint8_t>{stPlaying});
    EXPECT_EQ(Puzzle().Pot().Count(), 0);
    EXPECT_TRUE(Puzzle().BonusActive(bnPreview));
    Clock.Advance(1);
    Game->Tick();
    EXPECT_EQ(Puzzle().Pot().Count(), 1);
    EXPECT_EQ(TModelTestAccess::LastStepTime(Puzzle()), Clock.TickCount());
    EXPECT_EQ(Puzzle().PlayMs(), 1000u);
}

TEST_F(LevelTiming, PiecesAreDealtAtTheFeedInterval)
{
    Game->StartLevel();
    Clock.Advance(1);
    Game->Tick();
    const std::uint32_t firstFeed = Clock.TickCount();
    const int waited = RunUntil([&] { return Puzzle().Pot().Count() == 2; });
    // 13000 - 200 x level 1 - 13 seconds of play = 12787 ms, met at the next 10 ms pass.
    EXPECT_EQ(Puzzle().PlayMs(), 13000u);
    EXPECT_EQ(Puzzle().FeedInterval(), 12787u);
    EXPECT_EQ(Clock.TickCount() - firstFeed, 12790u) << "waited " << waited;
}

TEST_F(LevelTiming, PickUpSpeedsDealingUpThenRelaxes)
{
    Game->StartLevel();
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    TPuzzleClass& puzzle = Puzzle();
    puzzle.TakeFromPot(0);
    const TPiece* piece = puzzle.HeldPiece();
    puzzle.DropHeldPiece(piece->Column, piece->Row);
    puzzle.PickUpAt(piece->Column, piece->Row);
    EXPECT_DOUBLE_EQ(puzzle.SpeedFactor(), 1.25);
    Play(*Game, Clock, 10000);
    EXPECT_DOUBLE_EQ(puzzle.SpeedFactor(), 1.25);
    Play(*Game, Clock, 20);
    EXPECT_DOUBLE_EQ(puzzle.SpeedFactor(), 1.25 / 1.1);
    Play(*Game, Clock, 10010);
    EXPECT_DOUBLE_EQ(puzzle.SpeedFactor(), 1.25 / 1.1 / 1.1);
}

TEST_F(LevelTiming, FullPotForTenSecondsIsTooSlow)
{
    Game->StartLevel();
    // Nobody takes anything: four entries fill the playing screen's 493-pixel
    // pot of 120-pixel pieces.
    ASSERT_GE(RunUntil([&] { return TModelTestAccess::PotFullSince(Puzzle()) != 0; }), 0);
    EXPECT_TRUE(Puzzle().TimeRunningOut());
    EXPECT_EQ(Puzzle().Pot().Count(), 4);
    Play(*Game, Clock, 9900);
    EXPECT_EQ(Puzzle().State(), stPlaying);
    EXPECT_FALSE(Puzzle().UpdateIdle()) << "a running level moves with the clock";
    ASSERT_GE(RunUntil([&] { return Puzzle().State() != stPlaying; }, 1200), 0);
    EXPECT_EQ(Puzzle().State(), stTooSlow);
    EXPECT_EQ(States.back(), stTooSlow);
    EXPECT_EQ(Puzzle().Points().Correct, 0);
    EXPECT_FALSE(Puzzle().UpdateIdle()) << "the ended level's pot is yet to be emptied";
    Game->Tick();
    EXPECT_EQ(Puzzle().Pot().Count(), 0) << "an ended level's pot is emptied";
    EXPECT_TRUE(Puzzle().UpdateIdle()) << "then the ended level waits for the player";
}

TEST_F(LevelTiming, HoldingTheLastPieceTooLongIsTooSlow)
{
    Game->StartLevel();
    TPuzzleClass& puzzle = Puzzle();
    // Everything but one piece goes to its place; the last stays in hand.
    for (;;) {
        ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
        puzzle.TakeFromPot(0);
        if (puzzle.FreePieceCount() == 0 && puzzle.Pot().Count() == 0)
            break;
        const TPiece* piece = puzzle.HeldPiece();
        puzzle.DropHeldPiece(piece->Column, piece->Row);
    }
    ASSERT_NE(puzzle.HeldPiece(), nullptr);
    const TPiece* held = puzzle.HeldPiece();
    bool bonusBoxesRepainted = false; // once the level has ended
    Game->OnChange = [&](TGame&, std::uint8_t Parts) {
        bonusBoxesRepainted |= puzzle.State() == stTooSlow && (Parts & RepaintBonus) != 0;
    };

    const std::uint32_t taken = Clock.TickCount();
    Play(*Game, Clock, 7000);
    EXPECT_EQ(puzzle.State(), stPlaying) << "2 s of quiet plus 5 s have not passed";
    EXPECT_NE(TModelTestAccess::IdleSince(puzzle), 0.0);
    const int more = RunUntil([&] { return puzzle.State() != stPlaying; });
    EXPECT_EQ(puzzle.State(), stTooSlow);
    EXPECT_LE(Clock.TickCount() - taken, 9200u) << more;

    // Nothing stays in the hand: the piece went back with the pot's pieces,
    // and the bonus boxes were repainted for the ended level (black).
    EXPECT_EQ(puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(held->Place, plFree);
    EXPECT_TRUE(bonusBoxesRepainted);
    for (const TBonusKind slot : {bnJoker, bnCheck, bnCleanup})
        EXPECT_EQ(puzzle.BonusCount(slot), 0) << int(slot);
}

TEST_F(LevelTiming, TakingTheLastPieceAfterAWaitStartsTheIdleClockAgain)
{
    Game->StartLevel();
    TPuzzleClass& puzzle = Puzzle();
    // Every piece but the last goes to its place as soon as it comes.
    for (;;) {
        ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
        if (puzzle.FreePieceCount() == 0 && puzzle.Pot().Count() == 1)
            break;
        puzzle.TakeFromPot(0);
        const TPiece* piece = puzzle.HeldPiece();
        puzzle.DropHeldPiece(piece->Column, piece->Row);
        Game->UpdateState();
        ASSERT_EQ(puzzle.State(), stPlaying);
    }
    // The last piece lands and lies still; the player waits 6 s (of the 10 s
    // that one pot entry allows), then takes it.
    ASSERT_GE(RunUntil([&] { return TModelTestAccess::IdleSince(puzzle) != 0; }), 0);
    Play(*Game, Clock, 6000);
    ASSERT_EQ(puzzle.State(), stPlaying);
    puzzle.TakeFromPot(0);
    Game->UpdateState();
    EXPECT_EQ(puzzle.State(), stPlaying) << "taking the piece must not lose the level";
    EXPECT_EQ(TModelTestAccess::IdleSince(puzzle), 0.0);

    // The usual allowance for a held last piece (2 s of quiet plus 5 s) runs
    // from the take, so the piece can still be put down.
    Play(*Game, Clock, 6500);
    ASSERT_EQ(puzzle.State(), stPlaying);
    const TPiece* piece = puzzle.HeldPiece();
    ASSERT_NE(piece, nullptr);
    EXPECT_TRUE(puzzle.DropHeldPiece(piece->Column, piece->Row));
    Game->UpdateState();
    EXPECT_EQ(puzzle.State(), stSolved);
}

TEST_F(LevelTiming, IdleLimitGrowsWithThePotEntries)
{
    Game->StartLevel();
    TPuzzleClass& puzzle = Puzzle();
    TModelTestAccess::Pot(puzzle).Length = 493; // four entries fill it, three do not
    while (puzzle.FreePieceCount() + puzzle.Pot().Count() > 4) {
        ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
        puzzle.TakeFromPot(0);
        const TPiece* piece = puzzle.HeldPiece();
        puzzle.DropHeldPiece(piece->Column, piece->Row);
    }
    ASSERT_GE(RunUntil([&] { return puzzle.FreePieceCount() == 0; }), 0);
    puzzle.TakeFromPot(0);
    ASSERT_EQ(puzzle.Pot().Count(), 3);

    ASSERT_GE(RunUntil([&] { return TModelTestAccess::IdleSince(puzzle) != 0; }), 0);
    EXPECT_EQ(TModelTestAccess::PotFullSince(puzzle), 0.0);
    const std::uint32_t idleFrom = Clock.TickCount();
    Play(*Game, Clock, 19800);
    EXPECT_EQ(puzzle.State(), stPlaying);
    RunUntil([&] { return puzzle.State() != stPlaying; }, 3000);
    EXPECT_EQ(puzzle.State(), stTooSlow);
    EXPECT_LE(Clock.TickCount() - idleFrom, 21100u);
}

TEST_F(LevelTiming, PauseKeepsFeedAndRaidTimersButNotBonusExpiry)
{
    Game->StartLevel();
    Play(*Game, Clock, 1000);
    TPuzzleClass& puzzle = Puzzle();
    puzzle.UseBonus(bnCheck, 5000);
    EXPECT_TRUE(puzzle.BonusActive(bnCheck));
    Play(*Game, Clock, 1000);
    const std::uint32_t sinceFeed = Clock.TickCount() - TModelTestAccess::LastFeedTime(puzzle);
    const std::uint32_t toRaid = TModelTestAccess::NextZindoRun(puzzle) - Clock.TickCount();
    const std::uint32_t playMs = puzzle.PlayMs();
    Effects.clear();

    Game->Pause();
    EXPECT_EQ(puzzle.State(), stPaused);
    EXPECT_FALSE(puzzle.UpdateIdle()) << "the pause is yet to be reported";
    Play(*Game, Clock, 8000); // the check would have ended 4 s before the resume
    EXPECT_EQ(puzzle.PlayMs(), playMs);
    EXPECT_EQ(Puzzle().Pot().Count(), 1) << "nothing is dealt while paused";
    EXPECT_TRUE(puzzle.UpdateIdle()) << "nothing moves while paused";
    Game->Resume();
    EXPECT_EQ(puzzle.State(), stPlaying);
    EXPECT_FALSE(puzzle.UpdateIdle());
    EXPECT_EQ(Clock.TickCount() - TModelTestAccess::LastFeedTime(puzzle), sinceFeed);
    EXPECT_EQ(TModelTestAccess::NextZindoRun(puzzle) - Clock.TickCount(), toRaid);
    EXPECT_EQ(Effects, (std::vector<std::int32_t>{efPause, efPause}));

    Clock.Advance(10);
    Game->Tick();
    EXPECT_FALSE(puzzle.BonusActive(bnCheck));
    EXPECT_FALSE(puzzle.BonusActive(bnPreview));
    EXPECT_EQ(puzzle.PlayMs(), playMs + 1000) << "one second is added by the first update after the pause";
}

TEST_F(LevelTiming, AbortWhilePausedCountsAfterResume)
{
    Game->StartLevel();
    Game->Pause();
    Game->LeaveLevel();
    EXPECT_EQ(Puzzle().State(), stPaused);
    Game->Resume();
    Game->UpdateState();
    EXPECT_EQ(Puzzle().State(), stAbandoned);
}

TEST_F(LevelTiming, DeadlinesSurviveTheTickWrap)
{
    Clock.SetTick(0xFFFFFFFFu - 3000u);
    Game->StartLevel();
    Play(*Game, Clock, 500);
    EXPECT_TRUE(Puzzle().BonusActive(bnPreview)) << "the preview runs its 10 s across the wrap";
    EXPECT_FALSE(Puzzle().ZindoRunning()) << "the first raid is a minute away";
    Play(*Game, Clock, 9000);
    EXPECT_TRUE(Puzzle().BonusActive(bnPreview));
    Play(*Game, Clock, 1000);
    EXPECT_FALSE(Puzzle().BonusActive(bnPreview));
    EXPECT_LT(Clock.TickCount(), 10000u);
}

TEST_F(LevelTiming, RaidComesOnSchedule)
{
    Game->StartLevel();
    const std::uint32_t due = TModelTestAccess::NextZindoRun(Puzzle()) - Clock.TickCount();
    EXPECT_GE(due, 60000u);
    EXPECT_LT(due, 180000u);
    TPuzzleClass& puzzle = Puzzle();
    TModelTestAccess::Pot(puzzle).Length = 100000; // room enough that the level does not end too slow meanwhile
    const int waited = RunUntil([&] { return puzzle.ZindoRunning(); }, 190000);
    EXPECT_GE(waited, static_cast<int>(due));
    EXPECT_LE(waited, static_cast<int>(due) + 60);
    EXPECT_EQ(Effects.back(), efRisk);
}
