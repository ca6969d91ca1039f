#include "data/AnsiText.h"
#include "data/AtomicFile.h"
#include "data/Clock.h"
#include "data/FileLock.h"
#include "data/IniFile.h"
#include "data/Paths.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"
#include "data/VersionInfo.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace zindo;
using zindo::test::TTestTree;

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
    // A field without a terminator reads as long as a written one can be,
    // so reading and writing it again agree.
    const char full[3] = {'a', 'b', 'c'};
    EXPECT_EQ(ReadAnsiField(full, 3), QStringLiteral("ab"));
    char again[3];
    WriteAnsiField(again, 3, ReadAnsiField(full, 3));
    EXPECT_EQ(ReadAnsiField(again, 3), ReadAnsiField(full, 3));
}

TEST(AnsiText, EveryByteReadIsWrittenBackAsItWas)
{
    // All 255 non-zero bytes, the five Windows-1252 leaves undefined among them.
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
    EXPECT_TRUE(IsAnsiText(FromAnsi(all)));
    EXPECT_EQ(ToAnsi(FromAnsi(QByteArray("A\x81\x8D\x8F\x90\x9D"))), QByteArray("A\x81\x8D\x8F\x90\x9D"));
}

TEST(AnsiText, TellsWhichNamesCanBeStored)
{
    EXPECT_TRUE(IsAnsiText(QStringLiteral("Zo\u00EB \u20AC \u0178 ?")));
    EXPECT_FALSE(IsAnsiText(QStringLiteral("\u0418\u0432\u0430\u043D"))) << "Cyrillic";
    EXPECT_FALSE(IsAnsiText(QStringLiteral("a\u0080b"))) << "a control character Windows-1252 puts the euro on";
    EXPECT_FALSE(IsAnsiText(QString::fromUtf8("smile \xF0\x9F\x98\x80")));
    EXPECT_FALSE(IsAnsiText(QString(QChar(0xD800))) ) << "a lone surrogate";
    EXPECT_FALSE(IsAnsiText(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))) << "ends a field early";
    EXPECT_THROW(CheckAnsiText(QStringLiteral("\u0418\u0432\u0430\u043D"), QStringLiteral("player name")), EQzError);
    EXPECT_NO_THROW(CheckAnsiText(QStringLiteral("Zo\u00EB"), QStringLiteral("player name")));
}

TEST(IniFile, ReadsTheWayPlayersWriteIt)
{
    const TIniFile ini = TIniFile::FromBytes("\xEF\xBB\xBF; mixer settings\r\n"
                                             "[ General ]\r\n"
                                             "waveOUTdevice = 2 ; the second\r\n"
                                             "Name=\"Sound Blaster\"\r\n"
                                             "Name=ignored, the first counts\r\n"
                                             "# a comment=3\r\n"
                                             "[Dev/ice \\ 1]\n"
                                             "Big=99999999999\n"
                                             "Low=-99999999999\n"
                                             "Word=abc\n"
                                             "Plus=+7x\n"
                                             "=no key\n");
    EXPECT_EQ(ini.IntValue(QStringLiteral("general"), QStringLiteral("WaveOutDevice"), -1), 2);
    EXPECT_EQ(ini.Value(QStringLiteral("GENERAL"), QStringLiteral("name")), QStringLiteral("Sound Blaster"));
    EXPECT_FALSE(ini.Contains(QStringLiteral("general"), QStringLiteral("# a comment")));
    EXPECT_EQ(ini.IntValue(QStringLiteral("dev/ice \\ 1"), QStringLiteral("big"), 0), 2147483647);
    EXPECT_EQ(ini.IntValue(QStringLiteral("Dev/ice \\ 1"), QStringLiteral("Low"), 0), -2147483647 - 1);
    EXPECT_EQ(ini.IntValue(QStringLiteral("Dev/ice \\ 1"), QStringLiteral("Word"), 5), 5);
    EXPECT_EQ(ini.IntValue(QStringLiteral("Dev/ice \\ 1"), QStringLiteral("Plus"), 5), 7);
    EXPECT_EQ(ini.IntValue(QStringLiteral("general"), QStringLiteral("Missing"), 4), 4);
    EXPECT_FALSE(ini.Contains(QStringLiteral("Dev/ice \\ 1"), QString()));
}

TEST(IniFile, ReadsEveryKindOfLineEnd)
{
    // Unix, Windows and old Macintosh line ends, alone and mixed in one file.
    for (const char* end : {"\n", "\r\n", "\r"}) {
        const QByteArray text = QByteArray("[general]") + end + "WaveOutDevice=2" + end + "[default]" + end +
                                "Remix=2" + end + "WaveBlocks=5";
        const TIniFile ini = TIniFile::FromBytes(text);
        EXPECT_EQ(ini.IntValue(QStringLiteral("general"), QStringLiteral("WaveOutDevice"), -1), 2) << text.toStdString();
        EXPECT_EQ(ini.IntValue(QStringLiteral("default"), QStringLiteral("Remix"), -1), 2) << text.toStdString();
        EXPECT_EQ(ini.IntValue(QStringLiteral("default"), QStringLiteral("WaveBlocks"), -1), 5) << text.toStdString();
    }
    const TIniFile mixed = TIniFile::FromBytes("[a]\rone=1\r\n\r\ntwo=2\n\r[b]\r\rthree=3\n");
    EXPECT_EQ(mixed.IntValue(QStringLiteral("a"), QStringLiteral("one"), 0), 1);
    EXPECT_EQ(mixed.IntValue(QStringLiteral("a"), QStringLiteral("two"), 0), 2);
    EXPECT_EQ(mixed.IntValue(QStringLiteral("b"), QStringLiteral("three"), 0), 3);
    EXPECT_FALSE(mixed.Contains(QStringLiteral("a"), QStringLiteral("three")));
}

TEST(AtomicWrite, ReplacesTheFileWholeAndLeavesNothingBehind)
{
    TTestTree tree;
    const QString path = tree.Write(QStringLiteral("var/table.bin"), QByteArray("old"));
    WriteFileAtomically(path, QByteArray("new content"));
    EXPECT_EQ(TTestTree::Read(path), QByteArray("new content"));
    EXPECT_EQ(QDir(tree.Path(QStringLiteral("var"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("table.bin")});

    // A folder in the way: the write fails, and no temporary file is left.
    QDir().mkpath(tree.Path(QStringLiteral("var/blocked")));
    EXPECT_THROW(WriteFileAtomically(tree.Path(QStringLiteral("var/blocked")), QByteArray("x")), EQzError);
    EXPECT_EQ(QDir(tree.Path(QStringLiteral("var"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("table.bin")});
}

TEST(AtomicWrite, LeftOversOfKilledWritesGoUnlessStillBeingWritten)
{
    TTestTree tree;
    const QString saved = tree.Path(QStringLiteral("var/saved/"));
    tree.Write(QStringLiteral("var/saved/slot.PGM"), QByteArray("game"));
    tree.Write(QStringLiteral("var/saved/slot.PGM.Ab12Cd"), QByteArray("torn"));
    tree.Write(QStringLiteral("var/saved/other.PGM.zzzzzz"), QByteArray("torn"));
    tree.Write(QStringLiteral("var/saved/busy.PGM.Qq1234"), QByteArray("being written"));
    tree.Write(QStringLiteral("var/saved/notes.txt.Ab12Cd"), QByteArray("not ours"));
    tree.Write(QStringLiteral("var/saved/slot.pgm.Ab12Cd"), QByteArray("not ours either"));
    tree.Write(QStringLiteral("var/saved/slot.PGM.toolong"), QByteArray("nor this"));
    const TFileLock writer(saved + QStringLiteral("busy.PGM.Qq1234"), 0);

    EXPECT_EQ(RemoveInterruptedWrites(saved, QStringLiteral("*.PGM")), 2);
    EXPECT_EQ(QDir(saved).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("busy.PGM.Qq1234"), QStringLiteral("notes.txt.Ab12Cd"),
                           QStringLiteral("slot.PGM"), QStringLiteral("slot.PGM.toolong"),
                           QStringLiteral("slot.pgm.Ab12Cd")}));
}
