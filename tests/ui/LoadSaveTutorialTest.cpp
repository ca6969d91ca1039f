#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"
#include "controls/SimpleComboBox.h"
#include "dialogs/ActionForm.h"
#include "dialogs/QzMessageBoxForm.h"
#include "dialogs/SaveForm.h"
#include "ui/SceneView.h"
#include "game/Game.h"
#include "ui/PictureBox.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QTreeWidget>
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
        Find<TSimpleComboBox>(form, "SaveGameComboBox")->SetText(Name);
        QTest::mouseClick(Find(form, "SaveOKButton"), Qt::LeftButton);
    });
    Fixture.Click("SaveButton");
}

} // namespace

TEST(SaveAndLoad, SavedGameIsOfferedAgainAndContinuesItsLevel)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.StartTestland(QStringLiteral("Tess"));
    WhenModalOpens([](QWidget& Modal) { static_cast<QDialog&>(Modal).accept(); }); // the points dialog
    fixture.Trigger("EnableHiddenFunctionsAction");
    fixture.Trigger("SolveLevelAction");
    ASSERT_TRUE(Find(form, "SaveButton")->isVisible());
    const int score = form.Session().GetScore();

    SaveAs(fixture, QStringLiteral("Tess Game"));
    EXPECT_TRUE(QFileInfo::exists(fixture.Tree.Path(QStringLiteral("var/saved/Tess Game.PGM"))));
    EXPECT_EQ(form.Session().SaveName(), QStringLiteral("Tess Game"));
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("Game saved as \"Tess Game\"."))) << form.ZindoMessageMarkup().toStdString();

    // The save dialog proposes the last name and lists the saved games.
    QStringList offered;
    QString proposed;
    WhenModalOpens([&](QWidget& Modal) {
        auto& dialog = dynamic_cast<TSaveForm&>(Modal);
        offered = Find<TSimpleComboBox>(dialog, "SaveGameComboBox")->Items();
        proposed = Find<TSimpleComboBox>(dialog, "SaveGameComboBox")->Text();
        QTest::mouseClick(Find(dialog, "SaveCancelButton"), Qt::LeftButton);
    });
    fixture.Click("SaveButton");
    EXPECT_EQ(offered, QStringList{QStringLiteral("Tess Game")});
    EXPECT_EQ(proposed, QStringLiteral("Tess Game"));

    fixture.Click("EndOfLevelButton"); // on to level 2, then back to the main screen
    form.ShowScreen(scMain);
    TModelTestAccess::SaveName(form.Session()) = QStringLiteral("tess game"); // the case of the name does not matter
    fixture.Click("LoadGameButton");
    EXPECT_EQ(form.CurrentScreen(), scLoad);
    EXPECT_FALSE(form.MusicAllowed());
    auto* savedGames = Find<QTreeWidget>(form, "SavedGamesList");
    ASSERT_NE(savedGames->currentItem(), nullptr);
    EXPECT_EQ(savedGames->currentItem()->text(0), QStringLiteral("Tess Game"));

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
    EXPECT_EQ(Find<QTreeWidget>(form, "SavedGamesList")->topLevelItemCount(), 0);
    fixture.Click("LoadOKButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
}

TEST(SaveAndLoad, UnreadableSavedGameIsReportedAndTheScreenStays)
{
    TWindowFixture fixture;
    fixture.Tree.Write(QStringLiteral("var/saved/Broken.PGM"), QByteArray(10, 'x'));
    TMainWindow& form = fixture.Create();
    fixture.Click("LoadGameButton");
    auto* savedGames = Find<QTreeWidget>(form, "SavedGamesList");
    savedGames->setCurrentItem(savedGames->topLevelItem(0));
    fixture.Click("LoadOKButton");
    EXPECT_EQ(fixture.Errors.size(), 1);
    EXPECT_EQ(form.CurrentScreen(), scLoad);
}

TEST(SaveAndLoad, LoadScreenTellsTheGamesApartNewestFirstAmongEqualNames)
{
    TWindowFixture fixture;
    const QDateTime monday(QDate(2026, 3, 2), QTime(9, 15));
    auto writeGame = [&](const QString& Name, std::int32_t Level, std::int32_t Solved, std::int32_t Score,
                         const QDateTime& SavedAt) {
        TSavedGameRecord record;
        record.Version = TSavedGameRecord::CurrentVersion;
        record.Theme = QStringLiteral("Testland");
        record.PlayerName = QStringLiteral("Tess");
        record.Level = Level;
        record.LastCompletedLevel = Solved;
        record.Score = Score;
        QFile file(fixture.Tree.Write(QStringLiteral("var/saved/") + Name + QStringLiteral(".PGM"), record.ToBytes()));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(SavedAt, QFileDevice::FileModificationTime));
    };
    writeGame(QStringLiteral("beta"), 3, 3, 4200, monday);
    writeGame(QStringLiteral("Alpha"), 2, 1, 900, monday.addDays(1));
    writeGame(QStringLiteral("alpha"), 5, 4, 7700, monday.addDays(2));
    fixture.Tree.Write(QStringLiteral("var/saved/Broken.PGM"), QByteArray(10, 'x'));
    TMainWindow& form = fixture.Create();
    TModelTestAccess::SaveName(form.Session()) = QStringLiteral("ALPHA");

    fixture.Click("LoadGameButton");
    auto* list = Find<QTreeWidget>(form, "SavedGamesList");
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(i)->text(column);
        rows << cells.join(QLatin1Char('|'));
    }
    auto saved = [](const QDateTime& Time) { return Time.toString(QStringLiteral("yyyy-MM-dd HH:mm")); };
    EXPECT_EQ(rows, (QStringList{
                        QStringLiteral("alpha|Testland|5|7700|") + saved(monday.addDays(2)),
                        QStringLiteral("Alpha|Testland|2|900|") + saved(monday.addDays(1)),
                        QStringLiteral("beta|Testland|4|4200|") + saved(monday), // level 3 was solved: 4 is next
                        QStringLiteral("Broken|cannot be read|||"),
                    }));
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("alpha")); // the newest of the names that match

    // Loading goes by the name of the row chosen.
    list->setCurrentItem(list->topLevelItem(1));
    fixture.Click("LoadOKButton");
    EXPECT_EQ(form.CurrentScreen(), scPlaying);
    EXPECT_EQ(form.Session().Record().Level, 2);
    EXPECT_EQ(form.Session().GetScore(), 900);
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST(SaveAndLoad, ReplacingASavedGameAndDeletingOneAskFirst)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    // The shared message box, shown once before the save dialog is made: it
    // must still come in front of it.
    WhenMessageBoxOpens([](TQzMessageBoxForm& Box) { QTest::mouseClick(Find(Box, "OKButton"), Qt::LeftButton); });
    ShowMessageBox(QStringLiteral("Get Ready"), mtInformation, mbOK);
    fixture.StartTestland(QStringLiteral("Tess"));
    WhenModalOpens([](QWidget& Modal) { static_cast<QDialog&>(Modal).accept(); }); // the points dialog
    fixture.Trigger("EnableHiddenFunctionsAction");
    fixture.Trigger("SolveLevelAction");
    SaveAs(fixture, QStringLiteral("Mine"));
    SaveAs(fixture, QStringLiteral("Other"));
    const QString mine = fixture.Tree.Path(QStringLiteral("var/saved/Mine.PGM"));
    // Spoil the file, to see whether it is written again.
    fixture.Tree.Write(QStringLiteral("var/saved/Mine.PGM"), QByteArray(10, 'x'));

    // Saving over "Mine" asks, in front of the dialog; "Choose Another Name"
    // keeps the dialog, with the keyboard and the name selected, and the file.
    QString question;
    bool inFront = false;
    bool stayed = false;
    QString typed;
    WhenModalOpens([&](QWidget& Modal) {
        auto& dialog = dynamic_cast<TSaveForm&>(Modal);
        auto* name = Find<TSimpleComboBox>(dialog, "SaveGameComboBox");
        name->SetText(QStringLiteral("Mine"));
        WhenMessageBoxOpens([&](TQzMessageBoxForm& Box) {
            question = Find<QLabel>(Box, "MessageLabel")->text();
            // The question has the keyboard: Esc through the window answers
            // "Choose Another Name".
            inFront = Box.graphicsProxyWidget()->zValue() > dialog.graphicsProxyWidget()->zValue();
            QTest::keyClick(&form.SceneView(), Qt::Key_Escape);
        });
        QTest::mouseClick(Find(dialog, "SaveOKButton"), Qt::LeftButton);
        stayed = dialog.isVisible();
        QTest::keyClicks(&form.SceneView(), QStringLiteral("Mine2"));
        typed = name->Text();
        // "Replace" writes it.
        name->SetText(QStringLiteral("Mine"));
        WhenMessageBoxOpens([](TQzMessageBoxForm& Box) { QTest::mouseClick(Find(Box, "OKButton"), Qt::LeftButton); });
        QTest::mouseClick(Find(dialog, "SaveOKButton"), Qt::LeftButton);
    });
    fixture.Click("SaveButton");
    EXPECT_TRUE(question.contains(QStringLiteral("\"Mine\""))) << question.toStdString();
    EXPECT_TRUE(inFront);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(typed, QStringLiteral("Mine2"));
    EXPECT_EQ(QFileInfo(mine).size(), TSavedGameRecord::Size);

    // The load screen has its heading, and deletes a game after a question:
    // cancelled, it stays; confirmed (here with the Delete key), it goes.
    form.ShowScreen(scMain);
    fixture.Click("LoadGameButton");
    EXPECT_FALSE(Find<QLabel>(form, "LoadHeading")->text().isEmpty());
    auto* list = Find<QTreeWidget>(form, "SavedGamesList");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->setCurrentItem(list->topLevelItem(0));
    QString deleteQuestion;
    WhenMessageBoxOpens([&](TQzMessageBoxForm& Box) {
        deleteQuestion = Find<QLabel>(Box, "MessageLabel")->text();
        QTest::mouseClick(Find(Box, "CancelButton"), Qt::LeftButton);
    });
    fixture.Click("LoadDeleteButton");
    EXPECT_TRUE(deleteQuestion.contains(QStringLiteral("\"Mine\""))) << deleteQuestion.toStdString();
    EXPECT_TRUE(QFileInfo::exists(mine));
    EXPECT_EQ(list->topLevelItemCount(), 2);

    WhenMessageBoxOpens([](TQzMessageBoxForm& Box) {
        EXPECT_EQ(Find<QAbstractButton>(Box, "OKButton")->text(), QStringLiteral("Delete"));
        QTest::mouseClick(Find(Box, "OKButton"), Qt::LeftButton);
    });
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_FALSE(QFileInfo::exists(mine));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Other"));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("\"Mine\""))) << form.ZindoMessageMarkup().toStdString();
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST(SaveAndLoad, SaveAndExitSavesBeforeTheDeductionAndReturnsEitherWay)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.StartTestland(QStringLiteral("Tess"));
    WhenModalOpens([](QWidget& Modal) {
        QTest::mouseClick(Find(dynamic_cast<TActionForm&>(Modal), "SaveAndExitButton"), Qt::LeftButton);
        WhenModalOpens([](QWidget& Save) {
            QTest::mouseClick(Find(dynamic_cast<TSaveForm&>(Save), "SaveCancelButton"), Qt::LeftButton);
        });
    });
    fixture.Click("MenuButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
    EXPECT_FALSE(QFileInfo::exists(fixture.Tree.Path(QStringLiteral("var/saved"))));
    EXPECT_FALSE(form.ZindoMessageMarkup().contains(QStringLiteral("saved"))) << form.ZindoMessageMarkup().toStdString();

    // Saved: the main screen says so.
    form.StartLevelScreen();
    fixture.Run(100);
    WhenModalOpens([](QWidget& Modal) {
        QTest::mouseClick(Find(dynamic_cast<TActionForm&>(Modal), "SaveAndExitButton"), Qt::LeftButton);
        WhenModalOpens([](QWidget& Save) {
            Find<TSimpleComboBox>(Save, "SaveGameComboBox")->SetText(QStringLiteral("Later"));
            QTest::mouseClick(Find(dynamic_cast<TSaveForm&>(Save), "SaveOKButton"), Qt::LeftButton);
        });
    });
    fixture.Click("MenuButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("Game saved as \"Later\"."))) << form.ZindoMessageMarkup().toStdString();
}

TEST(SaveAndLoad, SaveAndExitThatCannotWriteKeepsTheDialogOverThePausedLevel)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.StartTestland(QStringLiteral("Tess"));
    fixture.Tree.Write(QStringLiteral("var/saved"), "a file where the folder should be");
    bool stayed = false;
    WhenModalOpens([&](QWidget& Modal) {
        QTest::mouseClick(Find(dynamic_cast<TActionForm&>(Modal), "SaveAndExitButton"), Qt::LeftButton);
        WhenModalOpens([&](QWidget& Save) {
            auto& dialog = dynamic_cast<TSaveForm&>(Save);
            auto* name = Find<TSimpleComboBox>(dialog, "SaveGameComboBox");
            name->SetText(QStringLiteral("keep me"));
            QTest::mouseClick(Find(dialog, "SaveOKButton"), Qt::LeftButton);
            stayed = dialog.isVisible() && name->Text() == QStringLiteral("keep me") &&
                     form.Session().GetState() == stPaused && form.CurrentScreen() == scPlaying;
            QTest::mouseClick(Find(dialog, "SaveCancelButton"), Qt::LeftButton);
        });
    });
    fixture.Click("MenuButton");
    EXPECT_TRUE(stayed);
    ASSERT_EQ(fixture.Errors.size(), 1);
    EXPECT_TRUE(fixture.Errors.first().contains(QStringLiteral("saved"))) << fixture.Errors.first().toStdString();
    EXPECT_EQ(form.CurrentScreen(), scMain); // cancelling leaves, as before
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

TEST(Tutorial, APictureOfTwiceTheSizeFillsTheAreaOneOfItsSizeFills)
{
    // Four coloured quarters, at the area's size and at twice it; and a
    // small picture, which stays at its own size in the middle.
    const auto quarters = [](int Scale) {
        QImage image(1011 * Scale, 511 * Scale, QImage::Format_RGB32);
        QPainter painter(&image);
        const int w = 500 * Scale;
        const int h = 250 * Scale;
        painter.fillRect(0, 0, image.width(), image.height(), QColor(0, 0, 255));
        painter.fillRect(0, 0, w, h, QColor(255, 0, 0));
        painter.fillRect(image.width() - w, 0, w, h, QColor(0, 255, 0));
        painter.fillRect(0, image.height() - h, w, h, QColor(255, 255, 0));
        return image;
    };
    TWindowFixture fixture;
    WriteDatPicture(fixture.Tree, QStringLiteral("tutorial/ITUTORIAL1.DAT"), quarters(2), "BMP", QStringLiteral("page1.bmp"));
    WriteDatPicture(fixture.Tree, QStringLiteral("tutorial/ITUTORIAL2.DAT"), quarters(1), "BMP", QStringLiteral("page2.bmp"));
    QImage small(200, 100, QImage::Format_RGB32);
    small.fill(QColor(255, 0, 255));
    WriteDatPicture(fixture.Tree, QStringLiteral("tutorial/ITUTORIAL3.DAT"), small, "BMP", QStringLiteral("page3.bmp"));
    TMainWindow& form = fixture.Create();
    QWidget* area = Find(form.TutorialScreen(), "TutorialPageImage");
    const auto shown = [&] { return area->grab().toImage().convertToFormat(QImage::Format_RGB32); };

    fixture.Click("TutorialButton");
    ASSERT_EQ(Find<TPictureBox>(form.TutorialScreen(), "TutorialPageImage")->Picture().size(), QSize(2022, 1022));
    const QImage twice = shown();
    fixture.Click("NextTutorialPageButton");
    const QImage once = shown();
    ASSERT_EQ(once.size(), QSize(1011, 511));
    EXPECT_EQ(twice.size(), once.size());
    int differing = 0;
    for (int y = 0; y < once.height(); ++y)
        for (int x = 0; x < once.width(); ++x)
            differing += qGray(once.pixel(x, y)) != qGray(twice.pixel(x, y));
    EXPECT_LT(differing, 1011 * 4); // at most the seams between the quarters
    EXPECT_EQ(twice.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(twice.pixel(1005, 5), qRgb(0, 255, 0));
    EXPECT_EQ(twice.pixel(5, 505), qRgb(255, 255, 0));
    EXPECT_EQ(twice.pixel(1005, 505), qRgb(0, 0, 255));

    fixture.Click("NextTutorialPageButton");
    const QImage alone = shown();
    EXPECT_EQ(alone.pixel(505, 255), qRgb(255, 0, 255));
    EXPECT_EQ(alone.pixel(406, 206), qRgb(255, 0, 255)); // its corner, 200 x 100 around the middle
    EXPECT_NE(alone.pixel(404, 204), qRgb(255, 0, 255));
    EXPECT_NE(alone.pixel(5, 5), qRgb(255, 0, 255));
}

TEST(Tutorial, LongTextsAreCutAt20001Characters)
{
    TWindowFixture fixture;
    WriteTutorialPage(fixture.Tree, 1, QByteArray(25000, 'a'));
    TMainWindow& form = fixture.Create();
    EXPECT_EQ(form.TutorialScreen().LoadTutorialText(1).size(), 20001);
    EXPECT_EQ(form.TutorialScreen().LoadTutorialText(2), QString());
}
