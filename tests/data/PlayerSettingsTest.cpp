// The player's settings in config.ini: stored as players' files have always
// held them, what the game does not know kept, and a write that does not
// reach the disk reported.
#include "data/GamePaths.h"
#include "data/PlayerSettings.h"
#include "data/QzError.h"
#include "support/ScopedEnvironment.h"
#include "support/TestTree.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zindo;
using namespace zindo::test;

namespace {

class PlayerSettings : public ::testing::Test {
protected:
    QString ConfigFile() const { return Tree.Path(QStringLiteral("var/config.ini")); }
    QByteArray Stored() const { return TTestTree::Read(ConfigFile()); }

    TTestTree Tree; ///< the player's folder is its var/
    TScopedEnvironment Override{PlayerFolderVariable, std::nullopt};
};

} // namespace

TEST_F(PlayerSettings, StoredInTheKeysAndValuesPlayersFilesHold)
{
    ASSERT_TRUE(QDir(Tree.Path(QStringLiteral("var"))).removeRecursively());
    TPlayerSettings settings;
    EXPECT_EQ(settings.FileName(), ConfigFile());
    EXPECT_EQ(settings.DisplayMode(), dmUnknown);
    EXPECT_TRUE(settings.PlayerName().isEmpty());
    EXPECT_TRUE(settings.LastTheme().isEmpty());
    EXPECT_TRUE(settings.Language().isEmpty());
    EXPECT_TRUE(settings.WindowSize().Size.isEmpty());
    EXPECT_TRUE(settings.ChangeResolution());
    EXPECT_FALSE(QFileInfo::exists(ConfigFile())) << "reading makes nothing";

    settings.SetDisplayMode(dmFullScreen);
    settings.SetWindowSize({QSize(1200, 800), true});
    settings.SetPlayerName(QStringLiteral("Ida"));
    settings.SetLastTheme(QStringLiteral("Garden"));
    settings.SetLanguage(QStringLiteral("de"));
    settings.SetChangeResolution(false);
    EXPECT_EQ(Stored(), QByteArray("[General]\nLanguage=de\n\n"
                                   "[Display]\nChangeResolution=0\nDisplayMode=fullscreen\nWindowHeight=800\n"
                                   "WindowMaximized=1\nWindowWidth=1200\n\n"
                                   "[Player]\nName=Ida\nTheme=Garden\n"));
    const TPlayerSettings again;
    EXPECT_EQ(again.DisplayMode(), dmFullScreen);
    EXPECT_EQ(again.WindowSize().Size, QSize(1200, 800));
    EXPECT_TRUE(again.WindowSize().Maximized);
    EXPECT_EQ(again.PlayerName(), QStringLiteral("Ida"));
    EXPECT_EQ(again.LastTheme(), QStringLiteral("Garden"));
    EXPECT_EQ(again.Language(), QStringLiteral("de"));
    EXPECT_FALSE(again.ChangeResolution());

    // What players write by hand: the mode is compared exactly, and any
    // text but "window" plays full screen; sizes that make no sense are none.
    const std::pair<const char*, TDisplayMode> modes[] = {
        {"window", dmWindow}, {"unknown", dmUnknown}, {"Window", dmFullScreen}, {"", dmUnknown}};
    for (const auto& [text, mode] : modes) {
        Tree.Write(QStringLiteral("var/config.ini"),
                   QByteArray("[Display]\nWindowWidth=wide\nWindowHeight=700\nChangeResolution= Off\n"
                              "DisplayMode=") + text);
        EXPECT_EQ(settings.DisplayMode(), mode) << text;
    }
    EXPECT_TRUE(settings.WindowSize().Size.isEmpty());
    EXPECT_FALSE(settings.ChangeResolution());
    settings.SetDisplayMode(dmWindow);
    EXPECT_TRUE(Stored().contains("DisplayMode=window\n"));
    settings.SetDisplayMode(dmUnknown);
    EXPECT_FALSE(Stored().contains("DisplayMode")) << "no choice stored: the player is asked again";
}

TEST_F(PlayerSettings, KeysTheGameDoesNotKnowSurviveEveryWrite)
{
    Tree.Write(QStringLiteral("var/config.ini"),
               "[General]\nLanguage=fr\nTheme=dark\n\n[Display]\nChangeResolution=0\nDisplayMode=window\n\n"
               "[Mods]\nSpeed=fast\n");
    TPlayerSettings settings;
    settings.SetPlayerName(QStringLiteral("Ro"));
    settings.SetWindowSize({QSize(800, 600), false});
    settings.SetLanguage(QString());
    EXPECT_EQ(Stored(), QByteArray("[General]\nTheme=dark\n\n"
                                   "[Display]\nChangeResolution=0\nDisplayMode=window\nWindowHeight=600\n"
                                   "WindowMaximized=0\nWindowWidth=800\n\n"
                                   "[Mods]\nSpeed=fast\n\n"
                                   "[Player]\nName=Ro\n"));
}

TEST_F(PlayerSettings, AWriteThatDoesNotReachTheDiskIsAnError)
{
    // A line the settings reader cannot make sense of is no reason to fail.
    Tree.Write(QStringLiteral("var/config.ini"), "DisplayMode window\n");
    EXPECT_NO_THROW(TPlayerSettings().SetDisplayMode(dmWindow));
    EXPECT_EQ(TPlayerSettings().DisplayMode(), dmWindow);

    // A folder where the file should be: no write holds, each says so.
    ASSERT_TRUE(QFile::remove(ConfigFile()));
    ASSERT_TRUE(QDir().mkpath(ConfigFile()));
    TPlayerSettings settings;
    try {
        settings.SetDisplayMode(dmFullScreen);
        FAIL() << "the write was taken for done";
    } catch (const EQzError& error) {
        EXPECT_TRUE(error.Message().contains(ConfigFile())) << error.Message().toStdString();
    }
    EXPECT_THROW(settings.SetWindowSize({QSize(800, 600), false}), EQzError);
    EXPECT_THROW(settings.SetPlayerName(QStringLiteral("Ro")), EQzError);
    EXPECT_THROW(settings.SetLanguage(QStringLiteral("de")), EQzError);
    EXPECT_EQ(settings.DisplayMode(), dmUnknown);
    EXPECT_TRUE(QFileInfo(ConfigFile()).isDir());
}
