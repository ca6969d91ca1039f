// The points of one level: formulas, speed bonus edges and the row texts.
#include "game/PuzzlePointsCounter.h"

#include <limits>

#include <gtest/gtest.h>

using namespace zindo;

TEST(PointsCounting, WorkedExampleGives4628)
{
    // 36 pieces, 29 set by the player, one risk won, solved after 60 s.
    TPuzzlePointsCounter points;
    points.SetSpeedAllowance(36 * 3000);
    points.AddCorrect(29);
    points.AddRisksWon(1);
    points.SetFinishTime(60000);
    EXPECT_EQ(points.BasePoints(), 1000);
    EXPECT_EQ(points.RiskPoints(), 200);
    EXPECT_EQ(points.CorrectPoints(), 2900);
    EXPECT_EQ(points.SpeedPoints(), 528);
    EXPECT_EQ(points.WrongPoints(), 0);
    EXPECT_EQ(points.TotalPoints(), 4628);
}

TEST(PointsCounting, SpeedBonusCountsWholeSecondsLeft)
{
    TPuzzlePointsCounter points;
    points.SetSpeedAllowance(60000);
    points.SetFinishTime(60000);
    EXPECT_EQ(points.SpeedPoints(), 0);
    points.SetFinishTime(61000);
    EXPECT_EQ(points.SpeedPoints(), 0);
    points.SetFinishTime(59000);
    EXPECT_EQ(points.SpeedPoints(), 11);
    points.SetFinishTime(58500);
    EXPECT_EQ(points.SpeedPoints(), 11);
    points.SetSpeedAllowance(0);
    points.SetFinishTime(0);
    EXPECT_EQ(points.SpeedPoints(), 0);
    EXPECT_EQ(points.SpeedText(), QString());
}

TEST(PointsCounting, NegativeSumGivesZero)
{
    TPuzzlePointsCounter points;
    points.AddWrong(11);
    EXPECT_EQ(points.WrongPoints(), -1100);
    EXPECT_EQ(points.TotalPoints(), 0);
    points.Reset();
    points.AddWrong(9);
    EXPECT_EQ(points.TotalPoints(), 100);

    // Counts no level can reach hold their sign instead of wrapping.
    points.Reset();
    points.AddRisksWon(std::numeric_limits<std::int32_t>::max());
    points.AddCorrect(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(points.RiskPoints(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(points.CorrectPoints(), std::numeric_limits<std::int32_t>::min());
    points.Reset();
    points.AddRisksWon(std::numeric_limits<std::int32_t>::max());
    points.AddCorrect(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(points.TotalPoints(), std::numeric_limits<std::int32_t>::max());
}

TEST(PointsCounting, RowTextsCarryTheCounts)
{
    TPuzzlePointsCounter points;
    points.AddWrong(2);
    points.AddCorrect(12);
    points.SetSpeedAllowance(3000);
    EXPECT_EQ(points.BaseText(), QStringLiteral("Level successfully completed"));
    EXPECT_EQ(points.RiskText(), QStringLiteral("0 Zindo risks won"));
    EXPECT_EQ(points.CorrectText(), QStringLiteral("12 pieces set correctly"));
    EXPECT_EQ(points.SpeedText(), QStringLiteral("Speed Bonus"));
    EXPECT_EQ(points.WrongText(), QStringLiteral("2 pieces set incorrectly"));
    EXPECT_EQ(points.WrongPoints(), -200);
    // One piece is "piece"; none are "pieces". Risks count the same way.
    points.Reset();
    points.AddCorrect(1);
    points.AddWrong(1);
    points.AddRisksWon(1);
    EXPECT_EQ(points.CorrectText(), QStringLiteral("1 piece set correctly"));
    EXPECT_EQ(points.WrongText(), QStringLiteral("1 piece set incorrectly"));
    EXPECT_EQ(points.RiskText(), QStringLiteral("1 Zindo risk won"));
    points.AddRisksWon(1);
    EXPECT_EQ(points.RiskText(), QStringLiteral("2 Zindo risks won"));
    points.AddWrong(-1);
    EXPECT_EQ(points.WrongText(), QStringLiteral("0 pieces set incorrectly"));
}
