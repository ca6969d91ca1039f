// Start-up with a player's folder that cannot keep files, a settings file
// that cannot be read or written, a missing data folder, and a display mode
// given on the command line.

#include "UiFixture.h"

#include "data/GamePaths.h"
#include "dialogs/StartUpForm.h"
#include "game/Game.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QRadioButton>

using namespace zindo;
using namespace zindo::test;

namespace {

/// Accepts every modal dialog that opens while it lives and counts the
/// first-start questions among them.
class TModalAnswerer {
public:
    TModalAnswerer()
    {
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(OpenModal());
            if (!dialog)
                return;
            if (dynamic_cast<TStartUpForm*>(dialog))
                ++StartUpQuestions;
            dialog->accept();
        });
        Timer.start(5);
    }
    QTimer Timer;
    int StartUpQuestions = 0;
};

bool Windowed(const TMainWindow& Form)
{
    return !(Form.windowFlags() & Qt::FramelessWindowHint);
}

} // namespace

TEST(PlayerFolder, OneThatCannotBeMadeStartsWindowedSaysSoOnceAndKeepsWhatIsThere)
{
    TWindowFixture fixture(false);
    // A file of the player's where the folder should be: the folder cannot be made.
    QDir(fixture.Tree.Path(QStringLiteral("var"))).removeRecursively();
    fixture.Tree.Write(QStringLiteral("var"), "the player's own file");
    TModalAnswerer answerer;
    TMainWindow& form = fixture.Create();

    // A choice that could not be stored is not asked for.
    EXPECT_EQ(answerer.StartUpQuestions, 0);
    EXPECT_TRUE(Windowed(form));
    ASSERT_EQ(fixture.Errors.size(), 1);
    EXPECT_TRUE(fixture.Errors[0].contains(QStringLiteral("cannot keep your settings, saved games and high scores")))
        << fixture.Errors[0].toStdString();
    EXPECT_TRUE(fixture.Errors[0].contains(fixture.Tree.Path(QStringLiteral("var"))))
        << fixture.Errors[0].toStdString();

    // Playing on: a solved level is booked without a second message.
    fixture.StartTestland(QStringLiteral("Ro"));
    fixture.Trigger("EnableHiddenFunctionsAction");
    fixture.Trigger("SolveLevelAction");
    EXPECT_EQ(form.Session().GetState(), stSolved);
    EXPECT_EQ(fixture.Errors.size(), 1) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(TTestTree::Read(fixture.Tree.Path(QStringLiteral("var"))), QByteArray("the player's own file"));
}

TEST(PlayerFolder, SettingsAreJudgedByTheWriteNotByWhatTheOldFileHeld)
{
    {
        // A settings file Qt cannot parse: the answer replaces it, nothing is said.
        TWindowFixture fixture(false);
        fixture.Tree.Write(QStringLiteral("var/config.ini"), "DisplayMode window\n");
        AnswerFirstStartQuestion(false);
        TMainWindow& form = fixture.Create();
        EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("window"));
        EXPECT_TRUE(Windowed(form));
        EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
    }
    {
        // A settings file that cannot be written (a folder of that name): the
        // run is windowed although full screen was chosen, and that is said once.
        TWindowFixture fixture(false);
        QDir().mkpath(fixture.Tree.Path(QStringLiteral("var/config.ini")));
        TModalAnswerer answerer; // Full Screen is preselected
        TMainWindow& form = fixture.Create();
        EXPECT_EQ(answerer.StartUpQuestions, 1);
        EXPECT_TRUE(Windowed(form));
        ASSERT_EQ(fixture.Errors.size(), 1);
        EXPECT_TRUE(fixture.Errors[0].contains(QStringLiteral("cannot keep your settings.")))
            << fixture.Errors[0].toStdString();

        // The Options' choice holds for the run, without a second message.
        answerer.Timer.stop();
        WhenModalOpens([](QWidget& Modal) {
            Modal.findChild<QRadioButton*>(QStringLiteral("OptionsDisplayFullScreen"))->setChecked(true);
            static_cast<QDialog&>(Modal).accept();
        });
        fixture.Click("OptionsButton");
        EXPECT_FALSE(Windowed(form));
        EXPECT_EQ(fixture.Errors.size(), 1) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(QFileInfo(fixture.Tree.Path(QStringLiteral("var/config.ini"))).isDir());
    }
}

TEST(PlayerFolder, MissingDataFolderIsAnErrorNamingTheFoldersLookedIn)
{
    TWindowFixture fixture;
    QDir(fixture.Tree.Path(QStringLiteral("dat"))).removeRecursively();
    // Without dat/ the player's folder would be the home's: keep it in the tree.
    TScopedEnvironment playerFolder(PlayerFolderVariable, fixture.Tree.Path(QStringLiteral("var")));
    TMainWindow form(fixture.Options());
    try {
        form.StartUp();
        FAIL() << "start-up went on without its data";
    } catch (const std::exception& error) {
        const QString text = QString::fromUtf8(error.what());
        EXPECT_TRUE(text.contains(fixture.Tree.Path(QStringLiteral("dat")))) << error.what();
        EXPECT_TRUE(text.contains(fixture.Tree.Path(QStringLiteral("share/zindo-puzzle/dat")))) << error.what();
    }
}

TEST(CommandLineDisplayMode, HoldsForThisRunWithoutAskingOrStoring)
{
    {
        // First start with --fullscreen: no question, and nothing stored.
        TWindowFixture fixture(false);
        fixture.DisplayMode = QStringLiteral("fullscreen");
        TModalAnswerer answerer;
        TMainWindow& form = fixture.Create();
        EXPECT_EQ(answerer.StartUpQuestions, 0);
        EXPECT_FALSE(Windowed(form));
        EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("<no file>"));
    }
    {
        // --window over a stored full screen leaves the stored choice alone.
        TWindowFixture fixture(false);
        WriteDisplayModeSetting(fixture.Tree, QStringLiteral("fullscreen"));
        fixture.DisplayMode = QStringLiteral("window");
        TMainWindow& form = fixture.Create();
        EXPECT_TRUE(Windowed(form));
        EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("fullscreen"));
        EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
    }
}
