#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"
#include "dialogs/ActionForm.h"
#include "dialogs/SaveForm.h"
#include "game/Game.h"
#include "ui/PictureBox.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>

using namespace zindo;
using namespace zindo::test;

namespace {

void WriteTutorialPage(TTestTree& Tree, int Page, const QByteArray& Text)
{
    WriteDatPicture(Tree, QStringLiteral("tutorial/ITUTORIAL%1.DAT").arg(Page), LevelPicture(200, 100, Page), "JPEG",
                    QStringLiteral("page%1.jpg").arg(Page));
    const QString plain = Tree.Write(QStringLiteral("src/page%1.txt").arg(Page), Text);
    EncodeFile(plain, Tree.Path(QStringLiteral("dat/tutorial/TTUTORIAL%1.DAT").arg(Page)));
}

/// Saves through the dialog under Name (answering it with OK).
void SaveAs(TWindowFixture& Fixture, const QString& Name)
{
    WhenModalOpens([Name](QWidget& Modal) {
        auto& form = dynamic_cast<TSaveForm&>(Modal);
        form.SetGameName(Name);
        form.SaveOKButtonClick();
    });
    Fixture.Click("SaveButton");
}

} // namespace

TEST(SaveAndLoad, SavedGameIsOfferedAgainAndContinuesItsLevel)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    form.Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
    form.StartLevelScreen();
    fixture.Run(100);
    WhenModalOpens([](QWidget& Modal) { static_cast<QDialog&>(Modal).accept(); }); // the points dialog
    fixture.Trigger("EnableHiddenFunctionsAction");
    fixture.Trigger("SolveLevelAction");
    ASSERT_TRUE(Find(form, "SaveButton")->isVisible());
    const int score = form.Session().GetScore();

    SaveAs(fixture, QStringLiteral("Tess Game"));
    EXPECT_TRUE(QFileInfo::exists(fixture.Tree.Path(QStringLiteral("var/saved/Tess Game.PGM"))));
    EXPECT_EQ(form.Session().SaveName, QStringLiteral("Tess Game"));

    // The save dialog proposes the last name and lists the saved games.
    QStringList offered;
    QString proposed;
    WhenModalOpens([&](QWidget& Modal) {
        auto& dialog = dynamic_cast<TSaveForm&>(Modal);
        offered = dialog.GameNames();
        proposed = dialog.GetGameName();
        dialog.SaveCancelButtonClick();
    });
    fixture.Click("SaveButton");
    EXPECT_EQ(offered, QStringList{QStringLiteral("Tess Game")});
    EXPECT_EQ(proposed, QStringLiteral("Tess Game"));

    fixture.Click("EndOfLevelButton"); // on to level 2, then back to the main screen
    form.ShowScreen(scMain);
    form.Session().SaveName = QStringLiteral("tess game"); // the case of the name does not matter
    fixture.Click("LoadGameButton");
    EXPECT_EQ(form.CurrentScreen(), scLoad);
    EXPECT_FALSE(form.MusicAllowed());
    auto* savedGames = Find<QListWidget>(form, "SavedGamesList");
    ASSERT_NE(savedGames->currentItem(), nullptr);
    EXPECT_EQ(savedGames->currentItem()->text(), QStringLiteral("Tess Game"));

    fixture.Click("LoadOKButton");
    EXPECT_EQ(form.CurrentScreen(), scPlaying);
    EXPECT_EQ(form.Session().Record().Level, 2); // the saved level was solved: the next one follows
    EXPECT_EQ(form.Session().GetScore(), score);
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST(SaveAndLoad, FreshRunLoadScreenHasNoSelectionAndOkGoesBack)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Click("LoadGameButton");
    EXPECT_EQ(Find<QListWidget>(form, "SavedGamesList")->count(), 0);
    fixture.Click("LoadOKButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
}

TEST(SaveAndLoad, UnreadableSavedGameIsReportedAndTheScreenStays)
{
    TWindowFixture fixture;
    fixture.Tree.Write(QStringLiteral("var/saved/Broken.PGM"), QByteArray(10, 'x'));
    TMainWindow& form = fixture.Create();
    fixture.Click("LoadGameButton");
    Find<QListWidget>(form, "SavedGamesList")->setCurrentRow(0);
    fixture.Click("LoadOKButton");
    EXPECT_EQ(fixture.Errors.size(), 1);
    EXPECT_EQ(form.CurrentScreen(), scLoad);
}

TEST(SaveAndLoad, SaveAndExitSavesBeforeTheDeductionAndReturnsEitherWay)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    form.Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
    form.StartLevelScreen();
    fixture.Run(100);
    WhenModalOpens([](QWidget& Modal) {
        dynamic_cast<TActionForm&>(Modal).SaveButtonClick();
        WhenModalOpens([](QWidget& Save) { dynamic_cast<TSaveForm&>(Save).SaveCancelButtonClick(); });
    });
    fixture.Click("MenuButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
    EXPECT_FALSE(QFileInfo::exists(fixture.Tree.Path(QStringLiteral("var/saved"))));
}

TEST(Tutorial, PagesFollowEachOtherUntilTheFirstGap)
{
    TWindowFixture fixture;
    WriteTutorialPage(fixture.Tree, 1, QByteArray("Take a <b>piece</b> from the pot"));
    WriteTutorialPage(fixture.Tree, 2, QByteArray("Second page\0hidden after the zero byte", 38));
    WriteTutorialPage(fixture.Tree, 4, QByteArray("never shown"));
    TMainWindow& form = fixture.Create();

    const TTutorialScreen& tutorial = form.TutorialScreen();
    auto* text = Find<QLabel>(tutorial, "TutorialPageText");
    QWidget* next = Find(tutorial, "NextTutorialPageButton");
    fixture.Click("TutorialButton");
    EXPECT_EQ(form.CurrentScreen(), scTutorial);
    EXPECT_EQ(tutorial.TutorialPage(), 1);
    EXPECT_EQ(Find<TPictureBox>(tutorial, "TutorialPageImage")->Picture().size(), QSize(200, 100));
    EXPECT_TRUE(text->text().contains(QStringLiteral("<b>piece</b>")));
    EXPECT_TRUE(next->isVisible());

    fixture.Click("NextTutorialPageButton");
    EXPECT_EQ(tutorial.TutorialPage(), 2);
    EXPECT_EQ(text->text(), QStringLiteral("Second page"));
    EXPECT_FALSE(next->isVisible());

    fixture.Click("EndTutorialButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
    fixture.Click("TutorialButton");
    EXPECT_EQ(tutorial.TutorialPage(), 1);
}

TEST(Tutorial, LongTextsAreCutAt20001Characters)
{
    TWindowFixture fixture;
    WriteTutorialPage(fixture.Tree, 1, QByteArray(25000, 'a'));
    TMainWindow& form = fixture.Create();
    EXPECT_EQ(form.TutorialScreen().LoadTutorialText(1).size(), 20001);
    EXPECT_EQ(form.TutorialScreen().LoadTutorialText(2), QString());
}
