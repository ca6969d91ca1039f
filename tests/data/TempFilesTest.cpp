#include "data/AtomicFile.h"
#include "data/TempFiles.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <regex>

#include <unistd.h>

using namespace zindo;
using zindo::test::TTestTree;

TEST(NewTempFileName, IsABracedUpperCaseGuidInTheTempDirectory)
{
    TTestTree tree;
    const QString name = NewTempFileName(QStringLiteral(".jpg"));
    const QFileInfo info(name);
    EXPECT_TRUE(info.isAbsolute());
    // In this run's own folder inside the temporary directory.
    EXPECT_EQ(info.path(), RunTempFolder());
    EXPECT_EQ(QFileInfo(info.path()).path(), QDir::cleanPath(tree.Path(QStringLiteral("tmp"))));
    EXPECT_TRUE(QFileInfo(info.path()).fileName().startsWith(QStringLiteral("zindo-puzzle-%1-").arg(getpid())))
        << info.path().toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}\\.jpg$"))
                    .match(info.fileName())
                    .hasMatch())
        << info.fileName().toStdString();
    EXPECT_FALSE(info.exists());
    EXPECT_EQ(TempFiles().last(), name);
    EXPECT_NE(NewTempFileName(QStringLiteral(".jpg")), name);
}

class TempFilesAfterRun : public testing::TestWithParam<const char*> {};

TEST_P(TempFilesAfterRun, AreDeleted)
{
    TTestTree tree;
    const QString dir = tree.Path(QStringLiteral("tmp"));
    QProcess probe;
    probe.start(QStringLiteral(TEMP_FILE_PROBE), {QString::fromLatin1(GetParam()), dir});
    ASSERT_TRUE(probe.waitForStarted());
    if (QByteArray(GetParam()) == "wait") {
        ASSERT_TRUE(probe.waitForReadyRead(10000));
        const QStringList folders = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        ASSERT_EQ(folders.size(), 1);
        EXPECT_EQ(QDir(dir + QLatin1Char('/') + folders[0]).entryList(QDir::Files).size(), 3 + 1) << "and its lock";
        probe.terminate(); // SIGTERM, as a desktop session ending would send
    }
    ASSERT_TRUE(probe.waitForFinished(10000));
    EXPECT_TRUE(probe.readAllStandardOutput().startsWith("made"));
    // Files and the run's folder are gone.
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, TempFilesAfterRun, testing::Values("exit", "signal", "throw", "wait", "many"));

TEST(TempFilesOfKilledRuns, AreRemovedAtTheNextStartButThoseOfRunningGamesStay)
{
    TTestTree tree;
    const QString dir = tree.Path(QStringLiteral("tmp"));
    const auto folders = [&] { return QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot); };

    // A game killed outright: no clean-up of its own can run.
    QProcess killed;
    killed.start(QStringLiteral(TEMP_FILE_PROBE), {QStringLiteral("kill"), dir});
    ASSERT_TRUE(killed.waitForFinished(10000));
    EXPECT_EQ(killed.exitStatus(), QProcess::CrashExit);
    ASSERT_EQ(folders().size(), 1);
    const QString deadFolder = folders()[0];
    EXPECT_EQ(QDir(dir + QLatin1Char('/') + deadFolder).entryList(QDir::Files).size(), 3 + 1);

    // A folder without a lock file (half-made, or of another program) stays
    // while it is young.
    QDir().mkpath(dir + QStringLiteral("/zindo-puzzle-1-young"));

    // The next game clears away what the killed one left when it makes its
    // first temporary file.
    QProcess running;
    running.start(QStringLiteral(TEMP_FILE_PROBE), {QStringLiteral("wait"), dir});
    ASSERT_TRUE(running.waitForReadyRead(10000));
    QStringList now = folders();
    EXPECT_FALSE(now.contains(deadFolder));
    EXPECT_TRUE(now.contains(QStringLiteral("zindo-puzzle-1-young")));
    ASSERT_EQ(now.size(), 2);
    const QString liveFolder = now[0] == QStringLiteral("zindo-puzzle-1-young") ? now[1] : now[0];

    // A third one leaves the running game's files alone.
    const QString name = NewTempFileName(QStringLiteral(".tmp"));
    now = folders();
    EXPECT_TRUE(now.contains(liveFolder));
    EXPECT_TRUE(now.contains(QFileInfo(QFileInfo(name).path()).fileName()));
    EXPECT_EQ(QDir(dir + QLatin1Char('/') + liveFolder).entryList(QDir::Files).size(), 3 + 1);
    EXPECT_EQ(RemoveStaleTempFolders(), 0) << "nothing else is stale";

    running.terminate();
    ASSERT_TRUE(running.waitForFinished(10000));
    EXPECT_FALSE(folders().contains(liveFolder)) << "a game that ends removes its own folder";
}

// Two games share the player's folder: one writes a save while the other
// starts up and clears away what interrupted writes left there.
TEST(SaveBeingWritten, KeepsItsTemporaryFileFromAnotherGamesCleanUpUntilCutShort)
{
    TTestTree tree;
    const QString saved = tree.Path(QStringLiteral("var/saved"));
    const QString slot = tree.Write(QStringLiteral("var/saved/slot.PGM"), QByteArray("the game before"));
    const auto files = [&] {
        return QDir(saved).entryList(QDir::Files | QDir::Hidden, QDir::Name).join(QLatin1Char(' ')).toStdString();
    };
    const std::regex savedAndTemporary("slot\\.PGM slot\\.PGM\\.[A-Za-z0-9]{6}");
    const auto startSave = [&](QProcess& Writer) {
        Writer.start(QStringLiteral(TEMP_FILE_PROBE), {QStringLiteral("save"), slot});
        return Writer.waitForStarted() && Writer.waitForReadyRead(10000) && Writer.readLine() == "writing\n";
    };

    // Written, not yet in place: the other game's clean-up leaves it.
    QProcess writer;
    ASSERT_TRUE(startSave(writer));
    const std::string during = files();
    ASSERT_TRUE(std::regex_match(during, savedAndTemporary)) << during;
    EXPECT_EQ(RemoveInterruptedWrites(saved, QStringLiteral("*.PGM")), 0);
    EXPECT_EQ(files(), during);
    writer.write("go on\n");
    ASSERT_TRUE(writer.waitForFinished(10000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardOutput().toStdString();
    EXPECT_EQ(TTestTree::Read(slot).toStdString(), "the game saved by the probe");
    EXPECT_EQ(files(), "slot.PGM");

    // Killed at the same point: the next clean-up removes what it left, and
    // the save before it is whole.
    tree.Write(QStringLiteral("var/saved/slot.PGM"), QByteArray("the game before"));
    QProcess killed;
    ASSERT_TRUE(startSave(killed));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(10000));
    ASSERT_TRUE(std::regex_match(files(), savedAndTemporary)) << files();
    EXPECT_EQ(RemoveInterruptedWrites(saved, QStringLiteral("*.PGM")), 1);
    EXPECT_EQ(files(), "slot.PGM");
    EXPECT_EQ(TTestTree::Read(slot).toStdString(), "the game before");
}
