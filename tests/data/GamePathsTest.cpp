// Where the game finds its data and keeps the player's files: the build tree,
// an installed and a moved prefix, XDG_DATA_HOME set or not, the override,
// and a player's folder that cannot be made or written.
#include "data/GamePaths.h"
#include "data/Paths.h"
#include "data/QzError.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace zindo;
using zindo::test::TScopedEnvironment;

namespace {

/// A temporary root in which the tests lay out program trees; the program
/// directory points into it while the test runs, and no override or XDG
/// variable of the caller leaks in.
class GamePaths : public ::testing::Test {
protected:
    ~GamePaths() override { SetProgramDirectory(QString()); }

    QString At(const QString& Relative) const { return Root.path() + QLatin1Char('/') + Relative; }
    QString Folder(const QString& Relative) const { return At(Relative) + QLatin1Char('/'); }
    void MakeFolders(const QString& Relative) const { ASSERT_TRUE(QDir().mkpath(At(Relative))); }
    void Program(const QString& Relative) const { SetProgramDirectory(At(Relative)); }

    /// Every file and folder below Relative, for "nothing changed here".
    QStringList Listing(const QString& Relative) const
    {
        QStringList all;
        const QDir base(At(Relative));
        for (const QFileInfo& info : base.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            all << info.fileName();
            if (info.isDir())
                for (const QString& inner : Listing(Relative + QLatin1Char('/') + info.fileName()))
                    all << info.fileName() + QLatin1Char('/') + inner;
        }
        return all;
    }

    QTemporaryDir Root;
    TScopedEnvironment Override{PlayerFolderVariable, std::nullopt};
    TScopedEnvironment DataHome{"XDG_DATA_HOME", std::nullopt};
    TScopedEnvironment Home{"HOME", At(QStringLiteral("home"))};
};

TEST_F(GamePaths, BuildTreeKeepsEverythingBesideTheProgram)
{
    MakeFolders(QStringLiteral("build/bin"));
    MakeFolders(QStringLiteral("build/dat/puzz"));
    Program(QStringLiteral("build/bin"));
    DataHome.Set(At(QStringLiteral("xdg"))); // a portable copy does not care

    EXPECT_EQ(GameDataFolder(), Folder(QStringLiteral("build/dat")));
    EXPECT_EQ(GameDataPath(QStringLiteral("snd/mbk2.dat")), At(QStringLiteral("build/dat/snd/mbk2.dat")));
    EXPECT_EQ(PlayerFolder(), Folder(QStringLiteral("build/var")));
    EXPECT_EQ(PlayerPath(QStringLiteral("saved/")), Folder(QStringLiteral("build/var/saved")));
    EXPECT_EQ(ShippedThemesFolder(), Folder(QStringLiteral("build/dat/puzz")));
    EXPECT_EQ(PlayerThemesFolder(), Folder(QStringLiteral("build/var/puzz")));
    EXPECT_EQ(MixerIniFiles(), (QStringList{At(QStringLiteral("build/var/MIXER.INI")),
                                            At(QStringLiteral("build/bin/MIXER.INI"))}));

    // The override wins over every rule, a relative one taken from the
    // current folder.
    Override.Set(At(QStringLiteral("stick/../portable")));
    EXPECT_EQ(PlayerFolder(), Folder(QStringLiteral("portable")));
    Override.Set(QStringLiteral("relative/player"));
    EXPECT_EQ(PlayerFolder(), QDir::current().absoluteFilePath(QStringLiteral("relative/player")) + QLatin1Char('/'));
    EXPECT_EQ(GameDataFolder(), Folder(QStringLiteral("build/dat"))) << "the override moves the player's files only";
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("xdg")))) << "asking creates nothing";
}

TEST_F(GamePaths, InstalledPrefixReadsBesideItAndWritesInTheHome)
{
    MakeFolders(QStringLiteral("usr/bin"));
    MakeFolders(QStringLiteral("usr/share/zindo-puzzle/dat/puzz/Garden"));
    Program(QStringLiteral("usr/bin"));
    const QStringList prefixBefore = Listing(QStringLiteral("usr"));

    // XDG_DATA_HOME unset, or relative (which the base directory rules ignore).
    EXPECT_EQ(GameDataFolder(), Folder(QStringLiteral("usr/share/zindo-puzzle/dat")));
    EXPECT_EQ(PlayerFolder(), Folder(QStringLiteral("home/.local/share/zindo-puzzle")));
    DataHome.Set(QStringLiteral("relative/data"));
    EXPECT_EQ(PlayerFolder(), Folder(QStringLiteral("home/.local/share/zindo-puzzle")));
    EXPECT_EQ(MixerIniFiles(), QStringList{At(QStringLiteral("home/.local/share/zindo-puzzle/MIXER.INI"))})
        << "an installed game reads no MIXER.INI beside its program";

    // XDG_DATA_HOME set: the player's folder is made there on first use,
    // private to the player, with the missing parents.
    DataHome.Set(At(QStringLiteral("xdg/data")));
    EXPECT_EQ(PlayerFolder(), Folder(QStringLiteral("xdg/data/zindo-puzzle")));
    QString reason;
    EXPECT_TRUE(CheckPlayerFolder(reason)) << reason.toStdString();
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(At(QStringLiteral("xdg/data/zindo-puzzle"))).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_TRUE(Listing(QStringLiteral("xdg/data/zindo-puzzle")).isEmpty()) << "the write probe is removed";
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("home/.local"))));
    EXPECT_EQ(Listing(QStringLiteral("usr")), prefixBefore) << "nothing is written below the prefix";

    // A moved prefix finds its data in its new place.
    MakeFolders(QStringLiteral("opt"));
    ASSERT_TRUE(QDir().rename(At(QStringLiteral("usr")), At(QStringLiteral("opt/zindo"))));
    Program(QStringLiteral("opt/zindo/bin"));
    EXPECT_EQ(GameDataFolder(), Folder(QStringLiteral("opt/zindo/share/zindo-puzzle/dat")));
    EXPECT_EQ(ShippedThemesFolder(), Folder(QStringLiteral("opt/zindo/share/zindo-puzzle/dat/puzz")));

    // Without data anywhere, both places looked in are named.
    ASSERT_TRUE(QDir(At(QStringLiteral("opt/zindo/share"))).removeRecursively());
    EXPECT_EQ(GameDataFolderCandidates(), (QStringList{At(QStringLiteral("opt/zindo/dat")),
                                                       At(QStringLiteral("opt/zindo/share/zindo-puzzle/dat"))}));
}

TEST_F(GamePaths, PlayerFolderThatCannotBeUsedIsReportedAndLosesNothing)
{
    MakeFolders(QStringLiteral("usr/bin"));
    MakeFolders(QStringLiteral("usr/share/zindo-puzzle/dat"));
    Program(QStringLiteral("usr/bin"));

    // A file stands where a folder should be made (a full or broken home
    // fails the same way): even a privileged user cannot make the folder.
    QFile blocker(At(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataHome.Set(At(QStringLiteral("blocked/share")));
    QString reason;
    EXPECT_FALSE(CheckPlayerFolder(reason));
    EXPECT_TRUE(reason.contains(At(QStringLiteral("blocked/share/zindo-puzzle")))) << reason.toStdString();
    EXPECT_THROW(MakePlayerFolder(), EQzError);
    EXPECT_EQ(QFileInfo(At(QStringLiteral("blocked"))).size(), 0) << "the file in the way is left alone";

    // A read-only player's folder keeps its files. Permission bits bind only
    // an unprivileged user, so this half runs where the tests do not run as root.
    if (::geteuid() != 0) {
        DataHome.Set(At(QStringLiteral("ro")));
        MakeFolders(QStringLiteral("ro/zindo-puzzle"));
        QFile scores(At(QStringLiteral("ro/zindo-puzzle/hscore.hsc")));
        ASSERT_TRUE(scores.open(QIODevice::WriteOnly));
        scores.write("scores");
        scores.close();
        QFile::setPermissions(At(QStringLiteral("ro/zindo-puzzle")), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(CheckPlayerFolder(reason));
        EXPECT_TRUE(reason.startsWith(QStringLiteral("Cannot write in folder"))) << reason.toStdString();
        EXPECT_EQ(Listing(QStringLiteral("ro/zindo-puzzle")), QStringList{QStringLiteral("hscore.hsc")});
        QFile::setPermissions(At(QStringLiteral("ro/zindo-puzzle")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

} // namespace
