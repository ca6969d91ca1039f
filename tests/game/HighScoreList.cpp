// The high-score list: one entry per player and theme, the best score kept,
// descending order, a full table, and the file as far as it goes.
#include "GameTestTree.h"

#include "data/QzError.h"

#include <QProcess>
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

TEST(HighScoreTable, TableReadOutOfOrderComesOutSortedAndLosesOnlyTheLowest)
{
    THighScoreTable table = FullTable();
    std::swap(table[0], table[50]); // a damaged file: the best at the bottom
    THighScoreTable kept = table;
    kept.RecordScore(QStringLiteral("P0"), QStringLiteral("Sea"), 10); // lower than P0's: kept
    EXPECT_EQ(kept[0].PlayerName, QStringLiteral("P0"));
    EXPECT_EQ(kept[50].PlayerName, QStringLiteral("P50"));

    table.RecordScore(QStringLiteral("Late"), QStringLiteral("Sea"), 150);
    EXPECT_EQ(table[0].PlayerName, QStringLiteral("P0")) << "the best score was not displaced";
    EXPECT_EQ(table[50].PlayerName, QStringLiteral("Late"));
    for (int k = 0; k < THighScoreTable::EntryCount; ++k)
        EXPECT_NE(table[k].PlayerName, QStringLiteral("P50")) << "only the lowest made way";
}

TEST(HighScoreTable, NamesThatWouldReadBackDifferentlyAreRefused)
{
    THighScoreTable table;
    table.RecordScore(QStringLiteral("Anna"), QStringLiteral("Sea"), 100);
    const QByteArray before = table.ToBytes();
    // Stored as "????" both would share one row, and one score would be lost.
    EXPECT_THROW(table.RecordScore(QStringLiteral("\u0418\u0432\u0430\u043D"), QStringLiteral("Sea"), 500), EQzError);
    EXPECT_THROW(table.RecordScore(QStringLiteral("\u041F\u0451\u0442\u0440"), QStringLiteral("Sea"), 400), EQzError);
    EXPECT_THROW(table.RecordScore(QStringLiteral("Anna"), QStringLiteral("\u65E5\u672C"), 400), EQzError);
    EXPECT_EQ(table.ToBytes(), before);
}

TEST(HighScoreTable, RowsOfOtherPlayersAreWrittenBackByteForByte)
{
    // A row with bytes Windows-1252 leaves undefined next to one that differs
    // only where the first has them: rewriting must rename neither.
    QByteArray bytes(THighScoreTable::Size, '\0');
    bytes.replace(0, 7, QByteArray("Ren\x81\x8D\x9D\0", 7));
    bytes.replace(41, 4, QByteArray("Sea\0", 4));
    qToLittleEndian<std::int32_t>(900, bytes.data() + 82);
    bytes.replace(86, 7, QByteArray("Ren???\0", 7));
    bytes.replace(86 + 41, 4, QByteArray("Sea\0", 4));
    qToLittleEndian<std::int32_t>(800, bytes.data() + 86 + 82);
    THighScoreTable table = THighScoreTable::FromBytes(bytes);
    table.RecordScore(QStringLiteral("Other"), QStringLiteral("Sea"), 10);
    const QByteArray after = table.ToBytes();
    EXPECT_EQ(after.left(2 * 86), bytes.left(2 * 86));
    table.RecordScore(QStringLiteral("Ren???"), QStringLiteral("Sea"), 850);
    EXPECT_EQ(table.UsedCount(), 3);
    EXPECT_EQ(table[1].PlayerName, QStringLiteral("Ren???"));
    EXPECT_EQ(table[1].Score, 850);
}

TEST(HighScoreTable, FieldWithoutTerminatorIsTheSamePlayerAsBefore)
{
    // A name field filled to its last byte: read, compared and written as the
    // same 40 characters, so the player's next score replaces the row.
    QByteArray bytes(THighScoreTable::Size, '\0');
    bytes.replace(0, 41, QByteArray(41, 'n'));
    bytes.replace(41, 41, QByteArray(41, 't'));
    qToLittleEndian<std::int32_t>(100, bytes.data() + 82);
    THighScoreTable table = THighScoreTable::FromBytes(bytes);
    table.RecordScore(QString(45, QLatin1Char('n')), QString(41, QLatin1Char('t')), 200);
    EXPECT_EQ(table.UsedCount(), 1);
    EXPECT_EQ(table[0].Score, 200);
    EXPECT_EQ(THighScoreTable::FromBytes(table.ToBytes()).UsedCount(), 1);
}

TEST(HighScoreFile, TwoGamesRecordingAtOnceLoseNothing)
{
    TTestTree tree;
    constexpr int perGame = 25; // 50 rows fit the 51 slots: none may go
    QProcess games[2];
    const char* prefixes[2] = {"A", "B"};
    for (int k = 0; k < 2; ++k) {
        games[k].start(QStringLiteral(GAME_FILE_WRITER),
                       {QStringLiteral("record"), tree.Path(QStringLiteral("bin")), tree.Path(QStringLiteral("tmp")),
                        QLatin1String(prefixes[k]), QString::number(perGame)});
        ASSERT_TRUE(games[k].waitForReadyRead(10000));
    }
    for (QProcess& game : games)
        game.write("go\n");
    for (QProcess& game : games)
        ASSERT_TRUE(game.waitForBytesWritten(10000)); // both go at once
    for (QProcess& game : games) {
        ASSERT_TRUE(game.waitForFinished(60000));
        EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
    }
    THighScoreTable table;
    TGame::ReadHighScores(table);
    EXPECT_EQ(table.UsedCount(), 2 * perGame);
    for (const char* prefix : prefixes)
        for (int k = 0; k < perGame; ++k) {
            const QString name = QLatin1String(prefix) + QString::number(k);
            EXPECT_TRUE(std::any_of(table.Entries.begin(), table.Entries.end(),
                                    [&](const THighScoreEntry& Entry) { return Entry.PlayerName == name; }))
                << name.toStdString() << " was lost";
        }
}
