// The high-score list: one entry per player and theme, the best score kept,
// descending order, a full table, and the file as far as it goes.
#include "GameTestTree.h"

#include <QtEndian>

using namespace zindo;
using namespace zindo::test;

namespace {

/// A table whose 51 slots are taken by players P0 .. P50 with scores
/// 5100, 5000, ... 100.
THighScoreTable FullTable()
{
    THighScoreTable table;
    for (int k = 0; k < THighScoreTable::EntryCount; ++k)
        table[k] = THighScoreEntry{QStringLiteral("P%1").arg(k), QStringLiteral("Sea"), (51 - k) * 100};
    return table;
}

} // namespace

TEST(HighScoreTable, MergesNamesWithoutRegardToCase)
{
    THighScoreTable table;
    table.RecordScore(QStringLiteral("anna"), QStringLiteral("Sea"), 500);
    table.RecordScore(QStringLiteral("ANNA"), QStringLiteral("sea"), 700);
    EXPECT_EQ(table.UsedCount(), 1);
    EXPECT_EQ(table[0].PlayerName, QStringLiteral("ANNA"));
    EXPECT_EQ(table[0].Score, 700);
    table.RecordScore(QStringLiteral("Anna"), QStringLiteral("Forest"), 100);
    EXPECT_EQ(table.UsedCount(), 2) << "another theme is another entry";
}

TEST(HighScoreTable, LowerScoreChangesNothing)
{
    THighScoreTable table;
    table.RecordScore(QStringLiteral("Anna"), QStringLiteral("Sea"), 700);
    const QByteArray before = table.ToBytes();
    table.RecordScore(QStringLiteral("anna"), QStringLiteral("Sea"), 699);
    EXPECT_EQ(table.ToBytes(), before);
}

TEST(HighScoreTable, EqualScoreReplacesAndGoesBelowOlderEqualOnes)
{
    THighScoreTable table;
    table.RecordScore(QStringLiteral("Bert"), QStringLiteral("Sea"), 300);
    table.RecordScore(QStringLiteral("Anna"), QStringLiteral("Sea"), 300);
    table.RecordScore(QStringLiteral("Carl"), QStringLiteral("Sea"), 400);
    table.RecordScore(QStringLiteral("bert"), QStringLiteral("SEA"), 300);
    ASSERT_EQ(table.UsedCount(), 3);
    EXPECT_EQ(table[0].PlayerName, QStringLiteral("Carl"));
    EXPECT_EQ(table[1].PlayerName, QStringLiteral("Anna"));
    EXPECT_EQ(table[2].PlayerName, QStringLiteral("bert"));
}

TEST(HighScoreTable, FullTableKeepsBetterScores)
{
    THighScoreTable table = FullTable();
    const QByteArray before = table.ToBytes();
    table.RecordScore(QStringLiteral("Late"), QStringLiteral("Sea"), 50);
    EXPECT_EQ(table.ToBytes(), before) << "a score below all 51 displaces nobody";
    table.RecordScore(QStringLiteral("Late"), QStringLiteral("Sea"), 100);
    EXPECT_EQ(table.ToBytes(), before) << "nor does one equal to the last";

    table.RecordScore(QStringLiteral("Late"), QStringLiteral("Sea"), 2550);
    EXPECT_EQ(table.UsedCount(), 51);
    EXPECT_EQ(table[25].PlayerName, QStringLiteral("P25"));
    EXPECT_EQ(table[26].PlayerName, QStringLiteral("Late"));
    EXPECT_EQ(table[50].PlayerName, QStringLiteral("P49")) << "P50, the lowest, made way";
}

TEST(HighScoreTable, ImprovingInAFullTableLosesNobody)
{
    THighScoreTable table = FullTable();
    table.RecordScore(QStringLiteral("p40"), QStringLiteral("Sea"), 6000);
    EXPECT_EQ(table.UsedCount(), 51);
    EXPECT_EQ(table[0].PlayerName, QStringLiteral("p40"));
    EXPECT_EQ(table[0].Score, 6000);
    EXPECT_EQ(table[50].PlayerName, QStringLiteral("P50"));
    for (int k = 1; k < THighScoreTable::EntryCount; ++k)
        EXPECT_GE(table[k - 1].Score, table[k].Score);
}

TEST(HighScoreTable, LongNamesMergeOnTheirFirstFortyCharacters)
{
    THighScoreTable table;
    const QString theme = QString(45, QLatin1Char('m'));
    table.RecordScore(QStringLiteral("Dora"), theme, 100);
    table.RecordScore(QStringLiteral("Dora"), theme, 200);
    EXPECT_EQ(table.UsedCount(), 1);
    EXPECT_EQ(table[0].Theme, QString(40, QLatin1Char('m')));
}

TEST(HighScoreTable, ByteLayout)
{
    THighScoreTable table;
    table.RecordScore(QStringLiteral("Zo\u00EB"), QStringLiteral("Sea"), 1234);
    table.RecordScore(QStringLiteral("Max"), QStringLiteral("Sea"), 99);
    const QByteArray bytes = table.ToBytes();
    ASSERT_EQ(bytes.size(), 4386);
    EXPECT_EQ(bytes.mid(0, 4), QByteArray("Zo\xEB\0", 4));
    EXPECT_EQ(bytes.mid(41, 4), QByteArray("Sea\0", 4));
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 82), 1234);
    EXPECT_EQ(bytes.mid(86, 4), QByteArray("Max\0", 4));
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 86 + 82), 99);
    EXPECT_EQ(bytes.mid(2 * 86), QByteArray(49 * 86, '\0'));
    EXPECT_EQ(THighScoreTable::FromBytes(bytes).ToBytes(), bytes);
}

TEST(HighScoreFile, MissingFileIsAnEmptyList)
{
    TTestTree tree;
    THighScoreTable table = FullTable();
    TGame::ReadHighScores(table);
    EXPECT_EQ(table.UsedCount(), 0);
}

TEST(HighScoreFile, FirstRecordCreatesTheWholeFile)
{
    TTestTree tree;
    QDir(tree.Path(QStringLiteral("var"))).removeRecursively();
    TGame::RecordHighScore(QStringLiteral("Anna"), QStringLiteral("Sea"), 1500);
    const QByteArray bytes = TTestTree::Read(tree.Path(QStringLiteral("var/hscore.hsc")));
    ASSERT_EQ(bytes.size(), 4386);
    EXPECT_EQ(THighScoreTable::FromBytes(bytes)[0].Score, 1500);
    TGame::RecordHighScore(QStringLiteral("anna"), QStringLiteral("Sea"), 1400);
    EXPECT_EQ(TTestTree::Read(tree.Path(QStringLiteral("var/hscore.hsc"))), bytes);
}

TEST(HighScoreFile, ShortAndLongFilesAreReadAsFarAsTheyGo)
{
    TTestTree tree;
    THighScoreTable written = FullTable();
    const QByteArray bytes = written.ToBytes();

    tree.Write(QStringLiteral("var/hscore.hsc"), bytes.left(86 * 2 + 50));
    THighScoreTable table;
    TGame::ReadHighScores(table);
    EXPECT_EQ(table[1].PlayerName, QStringLiteral("P1"));
    EXPECT_EQ(table[2].PlayerName, QStringLiteral("P2")) << "the name survives, the score is cut off";
    EXPECT_EQ(table[2].Score, 0);
    EXPECT_TRUE(table[3].IsEmpty());

    tree.Write(QStringLiteral("var/hscore.hsc"), bytes + QByteArray(500, 'x'));
    TGame::ReadHighScores(table);
    EXPECT_EQ(table.ToBytes(), bytes);
    TGame::RecordHighScore(QStringLiteral("New"), QStringLiteral("Sea"), 10000);
    EXPECT_EQ(TTestTree::Read(tree.Path(QStringLiteral("var/hscore.hsc"))).size(), 4386);
}
