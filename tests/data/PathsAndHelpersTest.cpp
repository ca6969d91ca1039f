#include "data/AnsiText.h"
#include "data/Clock.h"
#include "data/Paths.h"
#include "data/RandomGenerator.h"
#include "data/VersionInfo.h"

#include <gtest/gtest.h>

using namespace zindo;

TEST(JoinPath, PutsExactlyOneSeparator)
{
    EXPECT_EQ(JoinPath(QStringLiteral("/game/bin/"), QStringLiteral("../dat/x.dat")), QStringLiteral("/game/bin/../dat/x.dat"));
    EXPECT_EQ(JoinPath(QStringLiteral("/game/bin"), QStringLiteral("/x")), QStringLiteral("/game/bin/x"));
    EXPECT_EQ(JoinPath(QString(), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(JoinPath(QStringLiteral("/game/bin/"), QStringLiteral("/x")), QStringLiteral("/game/bin/x"));
}

TEST(ProgramRelativePath, FollowsTheProgramDirectoryAndIsNotNormalised)
{
    SetProgramDirectory(QStringLiteral("/opt/zindo/bin"));
    EXPECT_EQ(ProgramRelativePath(QStringLiteral("../dat/IBROOM.dat")), QStringLiteral("/opt/zindo/bin/../dat/IBROOM.dat"));
    SetProgramDirectory(QString());
    EXPECT_TRUE(ProgramDirectory().endsWith(QLatin1Char('/')));
    EXPECT_NE(ProgramDirectory(), QStringLiteral("/opt/zindo/bin/"));
}

TEST(FileExtension, TakesOnlyTheLastPathPiece)
{
    EXPECT_EQ(FileExtension(QStringLiteral("/a.b/c")), QString());
    EXPECT_EQ(FileExtension(QStringLiteral("/a/c.JPG")), QStringLiteral(".JPG"));
    EXPECT_EQ(ChangeFileExtension(QStringLiteral("/a/my.game"), QStringLiteral(".PGM")), QStringLiteral("/a/my.PGM"));
    EXPECT_EQ(ChangeFileExtension(QStringLiteral("/a.b/name"), QStringLiteral(".dat")), QStringLiteral("/a.b/name.dat"));
}

TEST(RandomGenerator, FollowsTheFixedSequence)
{
    TRandomGenerator random(0);
    // seed 1, then 134775814, then 134775814 * 134775813 + 1 (mod 2^32) ...
    EXPECT_EQ(random.Random(100), 0u);            // (1 * 100) >> 32
    EXPECT_EQ(random.GetSeed(), 1u);
    EXPECT_EQ(random.Random(1000), 31u);          // 134775814 * 1000 >> 32
    EXPECT_EQ(random.GetSeed(), 134775814u);
    std::uint32_t seed = 134775814u;
    seed = seed * 134775813u + 1u;
    const auto expected = static_cast<std::uint32_t>((std::uint64_t(seed) * 6u) >> 32);
    EXPECT_EQ(random.Random(6), expected);
}

TEST(RandomGenerator, StaysInRangeAndCoversIt)
{
    TRandomGenerator random(12345);
    int seen[6] = {};
    for (int i = 0; i < 6000; ++i) {
        const std::uint32_t value = random.Random(6);
        ASSERT_LT(value, 6u);
        ++seen[value];
    }
    for (int count : seen)
        EXPECT_GT(count, 800);
    EXPECT_EQ(random.Random(0), 0u);
}

TEST(TickDiff, IsTheSignedDifferenceAcrossTheWrap)
{
    EXPECT_EQ(TickDiff(1000, 400), 600u);
    EXPECT_EQ(TickDiff(400, 1000), 600u);
    EXPECT_EQ(TickDiff(20u, 0xFFFFFFF0u), 36u); // the counter wrapped in between
    TManualClock clock(0xFFFFFFF0u);
    const std::uint32_t before = clock.TickCount();
    const double dayBefore = clock.Now();
    clock.Advance(50);
    EXPECT_EQ(TickDiff(clock.TickCount(), before), 50u);
    EXPECT_NEAR((clock.Now() - dayBefore) * MsPerDay, 50.0, 1e-3);
}

TEST(SystemClock, DayCountIsAfterTheYear2000)
{
    // 2000-01-01 is day 36526 of the calendar count.
    EXPECT_GT(SystemClock().Now(), 36526.0);
}

TEST(VersionText, FormatsMinorWithTwoDigits)
{
    QString text;
    FormatVersionText((1u << 16) | 10u, (0u << 16) | 58u, text);
    EXPECT_EQ(text, QStringLiteral("1.10 (Build 0.58)"));
    FormatVersionText((2u << 16) | 5u, (3u << 16) | 7u, text);
    EXPECT_EQ(text, QStringLiteral("2.05 (Build 3.7)"));
    QString untouched = QStringLiteral("keep");
    FormatVersionText(0, 123, untouched);
    EXPECT_EQ(untouched, QStringLiteral("keep"));
    QString program;
    ProgramVersionText(program);
    EXPECT_EQ(program, QStringLiteral("1.10 (Build 0.58)"));
}

TEST(AnsiText, ConvertsWindows1252AndMarksTheRest)
{
    const QString text = QStringLiteral("Zo\u00EB \u20AC5 \u4E2D");
    const QByteArray bytes = ToAnsi(text);
    EXPECT_EQ(bytes, QByteArray("Zo\xEB \x80" "5 ?"));
    EXPECT_EQ(FromAnsi(bytes), QStringLiteral("Zo\u00EB \u20AC5 ?"));
}

TEST(AnsiText, FixedFieldsAreCutAndZeroTerminated)
{
    char field[5];
    std::memset(field, 'x', sizeof field);
    WriteAnsiField(field, 5, QStringLiteral("abcdefg"));
    EXPECT_EQ(QByteArray(field, 5), QByteArray("abcd\0", 5));
    EXPECT_EQ(ReadAnsiField(field, 5), QStringLiteral("abcd"));
    const char full[3] = {'a', 'b', 'c'};
    EXPECT_EQ(ReadAnsiField(full, 3), QStringLiteral("abc"));
}
