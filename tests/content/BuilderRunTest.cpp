// The builder as the build runs it: the same bytes on every run, and an
// incremental run remakes only what changed.

#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

using namespace zindo::test;

namespace {

struct TRun {
    int ExitCode = -1;
    QString Output;
};

TRun RunBuilder(const QString& Assets, const QString& Dat)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The tutorial of each language is drawn with the build's translations.
    process.start(QStringLiteral(ZINDO_CONTENT_BUILDER), {QStringLiteral("--assets"), Assets, QStringLiteral("--dat"), Dat,
                                                          QStringLiteral("--translations"),
                                                          QStringLiteral(ZINDO_TRANSLATIONS_DIR)});
    process.waitForFinished(300000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

std::map<QString, QByteArray> Tree(const QString& Root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(Root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(Root).relativeFilePath(path)] = ReadAll(path);
    }
    return files;
}

bool CopyTree(const QString& From, const QString& To)
{
    QDirIterator it(From, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = To + QLatin1Char('/') + QDir(From).relativeFilePath(path);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(path, target))
            return false;
    }
    return true;
}

} // namespace

TEST(BuilderRun, TwoBuildsGiveTheSameBytes)
{
    QTemporaryDir first, second;
    const QString assets = QStringLiteral(ZINDO_ASSETS_DIR);
    const TRun a = RunBuilder(assets, first.path());
    const TRun b = RunBuilder(assets, second.path());
    ASSERT_EQ(a.ExitCode, 0) << a.Output.toStdString();
    ASSERT_EQ(b.ExitCode, 0) << b.Output.toStdString();
    const auto treeA = Tree(first.path());
    const auto treeB = Tree(second.path());
    EXPECT_GT(treeA.size(), 50u);
    ASSERT_EQ(treeA.size(), treeB.size());
    for (const auto& [name, bytes] : treeA) {
        const auto other = treeB.find(name);
        ASSERT_NE(other, treeB.end()) << name.toStdString();
        EXPECT_TRUE(bytes == other->second) << name.toStdString();
    }
}

TEST(BuilderRun, ASecondRunRemakesOnlyWhatChanged)
{
    QTemporaryDir assetsCopy, dat;
    ASSERT_TRUE(CopyTree(QStringLiteral(ZINDO_ASSETS_DIR), assetsCopy.path()));
    const TRun first = RunBuilder(assetsCopy.path(), dat.path());
    ASSERT_EQ(first.ExitCode, 0) << first.Output.toStdString();
    const auto before = Tree(dat.path());

    const TRun again = RunBuilder(assetsCopy.path(), dat.path());
    ASSERT_EQ(again.ExitCode, 0);
    EXPECT_TRUE(again.Output.contains(QStringLiteral(" 0 written"))) << again.Output.toStdString();
    EXPECT_TRUE(Tree(dat.path()) == before);

    // A newer photograph remakes its level, and the pictures drawn from it.
    const QString photo = assetsCopy.path() + QStringLiteral("/photos/Landscapes/07_SnowyForest.jpg");
    QFile file(photo);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
    file.close();
    const QString level = dat.path() + QStringLiteral("/puzz/Landscapes/IP0701.dat");
    const QString other = dat.path() + QStringLiteral("/puzz/Landscapes/IP0601.dat");
    const QDateTime levelBefore = QFileInfo(level).lastModified();
    const QDateTime otherBefore = QFileInfo(other).lastModified();
    const TRun touched = RunBuilder(assetsCopy.path(), dat.path());
    ASSERT_EQ(touched.ExitCode, 0);
    EXPECT_TRUE(touched.Output.contains(QStringLiteral(" 2 written"))) << touched.Output.toStdString(); // level + title
    EXPECT_NE(QFileInfo(level).lastModified(), levelBefore);
    EXPECT_EQ(QFileInfo(other).lastModified(), otherBefore);
}

TEST(BuilderRun, AMissingTutorialTextFailsTheBuild)
{
    QTemporaryDir assetsCopy, dat;
    ASSERT_TRUE(CopyTree(QStringLiteral(ZINDO_ASSETS_DIR), assetsCopy.path()));
    ASSERT_TRUE(QFile::remove(assetsCopy.path() + QStringLiteral("/tutorial/TTUTORIAL3.txt")));
    const TRun run = RunBuilder(assetsCopy.path(), dat.path());
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Output.contains(QStringLiteral("TTUTORIAL3"))) << run.Output.toStdString();
}
