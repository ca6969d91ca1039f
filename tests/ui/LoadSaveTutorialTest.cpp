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
void SaveAs(TForm1& Form, const QString& Name)
{
    WhenModalOpens([Name](QWidget& Modal) {
        auto& form = dynamic_cast<TSaveForm&>(Modal);
        form.SetGameName(Name);
        form.SaveOKButtonClick();
    });
    Form.SaveButton->click();
}

} // namespace

TEST(SaveAndLoad, SavedGameIsOfferedAgainAndContinuesItsLevel)
{
    TWindowFixture fixture;
    TForm1& form = fixture.Create();
    form.Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
    form.StartLevelScreen();
    fixture.Run(100);
    WhenModalOpens([](QWidget& Modal) { static_cast<QDialog&>(Modal).accept(); }); // the points dialog
    form.HiddenFunctionsEnabled = true;
    form.CheatAction->trigger();
    ASSERT_TRUE(form.SaveButton->isVisible());
    const int score = form.Session().GetScore();

    SaveAs(form, QStringLiteral("Tess Game"));
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
    form.SaveButton->click();
    EXPECT_EQ(offered, QStringList{QStringLiteral("Tess Game")});
    EXPECT_EQ(proposed, QStringLiteral("Tess Game"));

    form.NextPuzzleButton->click(); // on to level 2, then back to the main screen
    form.ShowPage(form.MainTabSheet);
    form.Session().SaveName = QStringLiteral("tess game"); // the case of the name does not matter
    form.LoadGameButton->click();
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.LoadTabSheet);
    EXPECT_FALSE(form.MusicAllowed);
    ASSERT_NE(form.SavedGamesListBox->currentItem(), nullptr);
    EXPECT_EQ(form.SavedGamesListBox->currentItem()->text(), QStringLiteral("Tess Game"));

    form.LoadOKButton->click();
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.PuzzleTabSheet);
    EXPECT_EQ(form.Session().Record().Level, 2); // the saved level was solved: the next one follows
    EXPECT_EQ(form.Session().GetScore(), score);
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST(SaveAndLoad, FreshRunLoadScreenHasNoSelectionAndOkGoesBack)
{
    TWindowFixture fixture;
    TForm1& form = fixture.Create();
    form.LoadGameButton->click();
    EXPECT_EQ(form.SavedGamesListBox->count(), 0);
    form.LoadOKButton->click();
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.MainTabSheet);
}

TEST(SaveAndLoad, UnreadableSavedGameIsReportedAndTheScreenStays)
{
    TWindowFixture fixture;
    fixture.Tree.Write(QStringLiteral("var/saved/Broken.PGM"), QByteArray(10, 'x'));
    TForm1& form = fixture.Create();
    form.LoadGameButton->click();
    form.SavedGamesListBox->setCurrentRow(0);
    form.LoadOKButton->click();
    EXPECT_EQ(fixture.Errors.size(), 1);
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.LoadTabSheet);
}

TEST(SaveAndLoad, SaveAndExitSavesBeforeTheDeductionAndReturnsEitherWay)
{
    TWindowFixture fixture;
    TForm1& form = fixture.Create();
    form.Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
    form.StartLevelScreen();
    fixture.Run(100);
    WhenModalOpens([&form](QWidget& Modal) {
        dynamic_cast<TActionForm&>(Modal).SaveButtonClick();
        WhenModalOpens([](QWidget& Save) { dynamic_cast<TSaveForm&>(Save).SaveCancelButtonClick(); });
    });
    form.MenuButton->click();
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.MainTabSheet);
    EXPECT_FALSE(QFileInfo::exists(fixture.Tree.Path(QStringLiteral("var/saved"))));
}

TEST(Tutorial, PagesFollowEachOtherUntilTheFirstGap)
{
    TWindowFixture fixture;
    WriteTutorialPage(fixture.Tree, 1, QByteArray("Take a <b>piece</b> from the pot"));
    WriteTutorialPage(fixture.Tree, 2, QByteArray("Second page\0hidden after the zero byte", 38));
    WriteTutorialPage(fixture.Tree, 4, QByteArray("never shown"));
    TForm1& form = fixture.Create();

    form.HelpButton->click();
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.HelpTabSheet);
    EXPECT_EQ(form.TutorialPage, 1);
    EXPECT_EQ(form.TutorialPageImage->Picture().size(), QSize(200, 100));
    EXPECT_TRUE(form.TutorialPageText->text().contains(QStringLiteral("<b>piece</b>")));
    EXPECT_TRUE(form.NextTutorialPageButton->isVisible());

    form.NextTutorialPageButton->click();
    EXPECT_EQ(form.TutorialPage, 2);
    EXPECT_EQ(form.TutorialPageText->text(), QStringLiteral("Second page"));
    EXPECT_FALSE(form.NextTutorialPageButton->isVisible());

    form.EndTutorialButton->click();
    EXPECT_EQ(form.MainPageControl->currentWidget(), form.MainTabSheet);
    form.HelpButton->click();
    EXPECT_EQ(form.TutorialPage, 1);
}

TEST(Tutorial, LongTextsAreCutAt20001Characters)
{
    TWindowFixture fixture;
    WriteTutorialPage(fixture.Tree, 1, QByteArray(25000, 'a'));
    TForm1& form = fixture.Create();
    EXPECT_EQ(form.LoadTutorialText(1).size(), 20001);
    EXPECT_EQ(form.LoadTutorialText(2), QString());
}
