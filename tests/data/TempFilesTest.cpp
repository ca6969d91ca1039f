#include "data/TempFiles.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

using namespace zindo;
using zindo::test::TTestTree;

TEST(NewTempFileName, IsABracedUpperCaseGuidInTheTempDirectory)
{
    TTestTree tree;
    const QString name = NewTempFileName(QStringLiteral(".jpg"));
    const QFileInfo info(name);
    EXPECT_TRUE(info.isAbsolute());
    EXPECT_EQ(info.path(), QDir::cleanPath(tree.Path(QStringLiteral("tmp"))));
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
        EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 3);
        probe.terminate(); // SIGTERM, as a desktop session ending would send
    }
    ASSERT_TRUE(probe.waitForFinished(10000));
    EXPECT_TRUE(probe.readAllStandardOutput().startsWith("made"));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, TempFilesAfterRun, testing::Values("exit", "signal", "throw", "wait"));
