#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "dialogs/QzMessageBoxForm.h"
#include "dialogs/StartUpForm.h"
#include "game/Game.h"
#include "ui/PictureBox.h"
#include "ui/SceneView.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

using namespace zindo;
using namespace zindo::test;

namespace {

void PressKeys(QWidget& Window, Qt::Key Key)
{
    QTest::keyClick(&Window, Key, Qt::ControlModifier | Qt::ShiftModifier);
}

} // namespace

TEST(FirstStart, OkWithFullScreenStoresFullscreen)
{
    TWindowFixture fixture(false);
    AnswerFirstStartQuestion(true);
    TMainWindow& form = fixture.Create();
    EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("fullscreen"));
    EXPECT_EQ(Find(form, "CinemaScopePanelTop")->height(), 15);
    EXPECT_EQ(Find(form, "CinemaScopePanelBottom")->height(), 15);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
}

TEST(FirstStart, OkWithWindowStoresWindow)
{
    TWindowFixture fixture(false);
    AnswerFirstStartQuestion(false);
    TMainWindow& form = fixture.Create();
    EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("window"));
    EXPECT_EQ(Find(form, "CinemaScopePanelTop")->height(), 1);
}

TEST(FirstStart, ClosingTheFormWritesNothingAndStartsWindowed)
{
    TWindowFixture fixture(false);
    WhenModalOpens([](QWidget& Modal) { Modal.close(); });
    TMainWindow& form = fixture.Create();
    EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("<no file>"));
    EXPECT_FALSE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(1011, 694));
}

TEST(StartUp, ShowsTheMainScreenWithMenuColumnAndIcons)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    EXPECT_EQ(form.CurrentScreen(), scMain);
    EXPECT_EQ(form.PendingEffect(), 3);
    EXPECT_TRUE(form.MusicAllowed());
    const int menuColumnLeft = form.MainScreen().MenuColumnLeft();
    EXPECT_EQ(menuColumnLeft, form.MainScreen().width() - 260);
    // The column ends 10 pixels left of the page's edge; its buttons are as
    // wide as their longest caption needs, 150 pixels at least.
    const QRect startGame = Find(form, "StartGameButton")->geometry();
    EXPECT_EQ(startGame.right(), menuColumnLeft + 249);
    EXPECT_EQ(startGame.top(), 73);
    EXPECT_GE(startGame.width(), 150);
    EXPECT_EQ(startGame.height(), 33);
    EXPECT_EQ(Find(form, "ExitButton")->geometry().top(), 222);
    EXPECT_EQ(form.Session().Puzzle().Pot().Length, Find(form, "PotView")->height());
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

namespace {

/// What the window asks of the sound side, in order.
struct TRecordingSound : TSoundOutput {
    explicit TRecordingSound(QStringList& ACalls) : Calls(ACalls) {}
    void LoadEffectSounds() override { Calls << QStringLiteral("load"); }
    void PlayEffect(std::uint8_t Code) override { Calls << QStringLiteral("effect %1").arg(Code); }
    void PlayOrStopMusic(int Wanted) override { Calls << QStringLiteral("music %1").arg(Wanted); }
    QStringList& Calls;
};

} // namespace

TEST(StartUp, SoundsAndOtherScreensWaitForTheFirstFrameOrForTheFirstScreenThatNeedsThem)
{
    const auto startWithoutShowing = [](TWindowFixture& Fixture, QStringList& Calls) -> TMainWindow& {
        TMainWindow::TOptions options = Fixture.Options();
        options.Sound = std::make_unique<TRecordingSound>(Calls);
        Fixture.Window = std::make_unique<TMainWindow>(std::move(options));
        Fixture.Window->StartUp();
        return *Fixture.Window;
    };

    {
        // Before the first frame nothing is loaded or heard, and the greeting
        // waits; once the window has been painted, all of it follows.
        TWindowFixture fixture;
        QStringList calls;
        QApplication::setWindowIcon(QIcon());
        TMainWindow& form = startWithoutShowing(fixture, calls);
        form.IdlePass();
        EXPECT_TRUE(calls.isEmpty()) << calls.join(QLatin1Char(',')).toStdString();
        EXPECT_TRUE(QApplication::windowIcon().isNull());
        EXPECT_EQ(form.PendingEffect(), 3);
        EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("AboutBackButton")), nullptr);
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !calls.isEmpty(); }, 5000));
        EXPECT_EQ(calls, QStringList({QStringLiteral("load"), QStringLiteral("music 2")}));
        EXPECT_FALSE(QApplication::windowIcon().isNull()) << "the window's icon comes with the first frame";
        form.IdlePass();
        EXPECT_TRUE(calls.contains(QStringLiteral("effect 3"))) << calls.join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(form.PendingEffect(), 0);
        EXPECT_NE(form.findChild<QWidget*>(QStringLiteral("AboutBackButton")), nullptr);
        form.FinishStartUp(); // done once only
        EXPECT_EQ(calls.count(QStringLiteral("load")), 1);
        // Every page, built before the frame or after it, lies on one wallpaper.
        const auto* pages = form.findChild<QStackedWidget*>();
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->count(), ScreenCount);
        for (int page = 0; page < pages->count(); ++page) {
            const QWidget* screen = pages->widget(page);
            EXPECT_EQ(screen->findChildren<QWidget*>(QStringLiteral("Wallpaper"), Qt::FindDirectChildrenOnly).size(), 1)
                << screen->objectName().toStdString();
        }
    }
    {
        // A screen asked for before the first frame brings it all at once.
        TWindowFixture fixture;
        QStringList calls;
        TMainWindow& form = startWithoutShowing(fixture, calls);
        fixture.Click("TutorialButton");
        EXPECT_EQ(form.CurrentScreen(), scTutorial);
        ASSERT_FALSE(calls.isEmpty());
        EXPECT_EQ(calls.first(), QStringLiteral("load"));
        EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(StartUp, UnreadableHighScoresLeaveTheBoxEmptyAndAreToldOnce)
{
    TWindowFixture fixture;
    QDir().mkpath(fixture.Tree.Path(QStringLiteral("var/hscore.hsc"))); // a folder cannot be read as the table
    TMainWindow& form = fixture.Create();
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("The high scores cannot be read")))
        << form.ZindoMessageMarkup().toStdString();
    // Repainting does not read the table again, and coming back does not say it twice.
    Find(form, "SplashView")->grab();
    fixture.Click("AboutButton");
    fixture.Click("AboutBackButton");
    EXPECT_EQ(form.CurrentScreen(), scMain);
    EXPECT_EQ(form.ZindoMessageMarkup(), QString());
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST(StartUp, MissingWallpaperOrSpriteIsAnErrorWithTheFileName)
{
    // Both are read on worker threads while the screens are built; what
    // went wrong there still stops the start, with the file's name.
    for (const QString& file : {QStringLiteral("ibk.dat"), QStringLiteral("izn2.dat")}) {
        TWindowFixture fixture;
        QFile::remove(fixture.Tree.Path(QStringLiteral("dat/") + file));
        TMainWindow form(fixture.Options());
        try {
            form.StartUp();
            ADD_FAILURE() << "start-up went on without " << file.toStdString();
        } catch (const std::exception& error) {
            EXPECT_NE(QString::fromUtf8(error.what()).indexOf(file), -1) << error.what();
        }
    }
}

TEST(Shortcuts, PuzzleMakerAndHiddenKeysNeedTheEnablingKeyFirst)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Trigger("OpenPuzzleMakerAction");
    EXPECT_EQ(form.CurrentScreen(), scMain);
    EXPECT_FALSE(form.HiddenFunctionsEnabled());
    fixture.Trigger("EnableHiddenFunctionsAction");
    EXPECT_TRUE(form.HiddenFunctionsEnabled());
    fixture.Trigger("OpenPuzzleMakerAction");
    EXPECT_EQ(form.CurrentScreen(), scPuzzleMaker);
    EXPECT_FALSE(form.MusicAllowed());
}

TEST(Shortcuts, KeysReachTheActionsThroughTheWindow)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    form.activateWindow();
    PressKeys(form, Qt::Key_M);
    EXPECT_EQ(form.CurrentScreen(), scMain);
    PressKeys(form, Qt::Key_K);
    PressKeys(form, Qt::Key_M);
    EXPECT_EQ(form.CurrentScreen(), scPuzzleMaker);
}

TEST(Shortcuts, EscapeGoesBackToTheMainScreenFromEveryOtherScreen)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Trigger("EnableHiddenFunctionsAction");
    // Also while the name line or a list has the keys.
    for (const TScreenId screen : {scThemeSelection, scLoad, scTutorial, scAbout, scPuzzleMaker}) {
        form.OpenScreen(screen);
        ASSERT_EQ(form.CurrentScreen(), screen);
        QTest::keyClick(&form.SceneView(), Qt::Key_Escape);
        EXPECT_EQ(form.CurrentScreen(), scMain) << "from screen " << int(screen);
    }
    fixture.Trigger("BackAction"); // would open the modal menu and block here if it acted
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_EQ(form.CurrentScreen(), scMain);
}

TEST(ThemeSelection, ListsThemesAndShowsPreviewsOfTheFirst)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Click("StartGameButton");
    EXPECT_EQ(form.CurrentScreen(), scThemeSelection);
    auto* themes = Find<QListWidget>(form, "ThemeList");
    ASSERT_EQ(themes->count(), 1);
    EXPECT_EQ(themes->currentItem()->text(), QStringLiteral("Testland"));
    EXPECT_EQ(FocusedControl(), Find(form, "PlayerNameEdit"));
    EXPECT_FALSE(form.MusicAllowed());
    // The pictures are shown small, labelled with their level.
    auto* seventh = Find<TPictureBox>(form, "ThemePreview07Image");
    EXPECT_GT(seventh->width(), 100);
    EXPECT_EQ(seventh->Picture().size(), QSize(360, 270));
    EXPECT_EQ(Find<QLabel>(form, "ThemePreview07Label")->text(), QStringLiteral("Level 7"));

    // The ten pictures are let go while the game runs and shown again on coming back.
    Find<QLineEdit>(form, "PlayerNameEdit")->setText(QStringLiteral("Tess"));
    WhenModalOpens([](QWidget& Modal) {
        QTest::mouseClick(Find(dynamic_cast<TQzMessageBoxForm&>(Modal), "OKButton"), Qt::LeftButton);
    });
    fixture.Click("GoButton");
    ASSERT_EQ(form.CurrentScreen(), scPlaying);
    EXPECT_TRUE(seventh->Picture().isNull());
    form.OpenScreen(scThemeSelection);
    EXPECT_EQ(seventh->Picture().size(), QSize(360, 270));
}

TEST(ThemeSelection, TheNameTakesWhatTheHighScoreListStoresAsItIsTyped)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Click("StartGameButton");
    auto* name = Find<QLineEdit>(form, "PlayerNameEdit");
    ASSERT_EQ(FocusedControl(), name);

    // Typed beyond the 40 characters the list keeps: the rest is refused,
    // and the panel says why.
    QTest::keyClicks(name, QString(45, QLatin1Char('x')));
    EXPECT_EQ(name->text(), QString(40, QLatin1Char('x')));
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("at most 40 characters"))) << form.ZindoMessageMarkup().toStdString();

    // Characters the high-score file cannot store are refused as they are
    // typed or pasted; the others stay.
    name->clear();
    for (const QChar letter : QStringLiteral("Ив")) { // as a Cyrillic keyboard types them
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(name, &press);
    }
    EXPECT_EQ(name->text(), QString());
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("Western European"))) << form.ZindoMessageMarkup().toStdString();
    name->insert(QStringLiteral("Zo\U0001F600\u00EB"));
    EXPECT_EQ(name->text(), QStringLiteral("Zo\u00EB"));
    EXPECT_EQ(fixture.Errors.size(), 0);

    // A name the program puts there (the last player's, from the settings)
    // is held to the same rule.
    name->setText(QStringLiteral("Иван Ida"));
    EXPECT_EQ(name->text(), QStringLiteral(" Ida"));

    name->setText(QString(40, QLatin1Char('y')));
    QString boxText;
    WhenModalOpens([&boxText](QWidget& Modal) {
        auto& box = dynamic_cast<TQzMessageBoxForm&>(Modal);
        boxText = box.MessageText();
        QTest::mouseClick(Find(box, "OKButton"), Qt::LeftButton);
    });
    fixture.Click("GoButton");
    EXPECT_EQ(boxText, QStringLiteral("Get Ready"));
    EXPECT_EQ(fixture.Errors.size(), 0);
    EXPECT_EQ(form.CurrentScreen(), scPlaying);
    EXPECT_EQ(form.Session().Record().Level, 1);
    EXPECT_EQ(form.Session().GetState(), stPlaying);
}

TEST(ThemeSelection, GoAsksForANameAndTheNameIsOfferedAgainNextRun)
{
    TWindowFixture fixture;
    TMainWindow& first = fixture.Create();
    fixture.Click("StartGameButton");
    auto* name = Find<QLineEdit>(first, "PlayerNameEdit");
    EXPECT_EQ(name->text(), QString()); // nobody has played yet
    for (const QString& nobody : {QString(), QStringLiteral("   ")}) {
        name->setText(nobody);
        fixture.Click("GoButton");
        EXPECT_EQ(first.CurrentScreen(), scThemeSelection);
    }
    EXPECT_EQ(fixture.Errors, QStringList(2, QStringLiteral("Please type your name for the Highscore List first.")));
    EXPECT_EQ(first.Session().GetState(), stLoaded);
    // The way back starts nothing; the screen opens again as it was left.
    fixture.Click("ThemeSelectionBackButton");
    EXPECT_EQ(first.CurrentScreen(), scMain);
    EXPECT_EQ(first.Session().GetState(), stLoaded);
    fixture.Click("StartGameButton");
    EXPECT_EQ(first.CurrentScreen(), scThemeSelection);

    name->setText(QStringLiteral("Tess"));
    WhenModalOpens([](QWidget& Modal) {
        QTest::mouseClick(Find(dynamic_cast<TQzMessageBoxForm&>(Modal), "OKButton"), Qt::LeftButton);
    });
    fixture.Click("GoButton");
    EXPECT_EQ(first.CurrentScreen(), scPlaying);
    EXPECT_EQ(first.Session().Record().PlayerName, QStringLiteral("Tess"));
    EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("window")); // the display mode is kept beside it

    // The next run offers the name, selected so that another player types over it.
    TMainWindow& second = fixture.Create();
    fixture.Click("StartGameButton");
    name = Find<QLineEdit>(second, "PlayerNameEdit");
    EXPECT_EQ(name->text(), QStringLiteral("Tess"));
    EXPECT_EQ(name->selectedText(), QStringLiteral("Tess"));
    EXPECT_EQ(fixture.Errors.size(), 2);
}

TEST(ErrorBox, ErrorsShowInTheGamesOwnBoxOnceEach)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    SetErrorBoxHook({});
    fixture.Click("StartGameButton");
    Find<QLineEdit>(form, "PlayerNameEdit")->setText(QString());
    QStringList shown;
    WhenModalOpens([&shown](QWidget& Modal) {
        auto& box = dynamic_cast<TQzMessageBoxForm&>(Modal);
        shown << box.windowTitle() + QStringLiteral(": ") + box.MessageText();
        // Every further box that opens is noted and answered.
        QTimer others;
        QObject::connect(&others, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* other = qobject_cast<TQzMessageBoxForm*>(window);
                if (other && other != &box && other->isVisible()) {
                    shown << other->MessageText();
                    QTest::mouseClick(Find(*other, "OKButton"), Qt::LeftButton);
                }
            }
        });
        others.start(5);
        // The same error again while its box is open opens no second box;
        // another one gets a box of its own and leaves the first as it was.
        ShowErrorBox(box.MessageText());
        ShowErrorBox(QStringLiteral("Cannot write file"));
        shown << box.MessageText();
        QTest::mouseClick(Find(box, "OKButton"), Qt::LeftButton);
    });
    fixture.Click("GoButton");
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Zindo Puzzle: Please type your name for the Highscore List first."),
                                  QStringLiteral("Cannot write file"),
                                  QStringLiteral("Please type your name for the Highscore List first.")}));
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_EQ(form.CurrentScreen(), scThemeSelection);
}

TEST(MessagePanel, StandingLineStaysAbovePassingLines)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    QWidget* emblem = Find(form, "ZindoMessageImage");
    form.SetZindoMessage(QStringLiteral("Perfect"), msVerdict, true);
    EXPECT_EQ(form.ZindoMessageMarkup(), QStringLiteral("<b><font size=12>Perfect</font></b><br>"));
    EXPECT_TRUE(emblem->isVisibleTo(&form));
    form.SetZindoMessage(QStringLiteral("Use Magic"), msHint, false);
    EXPECT_EQ(form.ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>Perfect</font></b><br><font size=10>Use Magic</font>"));
    form.SetZindoMessage(QStringLiteral("Perfect"), msLarge, false); // the same text is not repeated
    EXPECT_EQ(form.ZindoMessageMarkup(), QStringLiteral("<b><font size=12>Perfect</font></b><br>"));
    form.ClearZindoMessage();
    EXPECT_EQ(form.ZindoMessageMarkup(), QString());
    EXPECT_FALSE(emblem->isVisibleTo(&form));
    form.SetZindoMessage(QStringLiteral("just passing"), msLarge, false);
    EXPECT_EQ(form.ZindoMessageMarkup(), QStringLiteral("<font size=12>just passing</font>"));
    EXPECT_TRUE(Find<QLabel>(form, "ZindoMessageText")->text().contains(QStringLiteral("font-size:12pt")));
}

TEST(MessagePanel, PageSwitchClearsTheStandingLine)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    form.SetZindoMessage(QStringLiteral("verdict"), msVerdict, true);
    form.ShowScreen(scAbout);
    EXPECT_EQ(form.ZindoMessageMarkup(), QString());
    EXPECT_EQ(Find<QLabel>(form, "AboutVersionLabel")->text(), QStringLiteral("1.10 (Build 0.58)"));
}

TEST(Options, OkAppliesTheChoicesAndCancelKeepsThem)
{
    TWindowFixture fixture;
    QStringList calls;
    TMainWindow::TOptions options = fixture.Options();
    options.Sound = std::make_unique<TRecordingSound>(calls);
    fixture.Window = std::make_unique<TMainWindow>(std::move(options));
    TMainWindow& form = *fixture.Window;
    form.StartUp();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.FinishStartUp();
    ASSERT_EQ(calls.last(), QStringLiteral("music 2"));
    WhenModalOpens([](QWidget& Modal) { static_cast<QDialog&>(Modal).reject(); });
    fixture.Click("OptionsButton");
    EXPECT_TRUE(form.BackgroundMusicOn());
    EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("window"));

    WhenModalOpens([](QWidget& Modal) {
        Modal.findChild<QRadioButton*>(QStringLiteral("BkSoundOffRadioButton"))->setChecked(true);
        Modal.findChild<QRadioButton*>(QStringLiteral("OptionsDisplayFullScreen"))->setChecked(true);
        static_cast<QDialog&>(Modal).accept();
    });
    fixture.Click("OptionsButton");
    EXPECT_FALSE(form.BackgroundMusicOn());
    EXPECT_TRUE(form.SoundEffectsOn());
    EXPECT_EQ(StoredDisplayMode(fixture.Tree), QStringLiteral("fullscreen"));
    EXPECT_EQ(Find(form, "CinemaScopePanelTop")->height(), 15);
    // The main screen's music follows the switch at once: no idle pass runs
    // outside a level to catch up with it.
    EXPECT_EQ(calls.last(), QStringLiteral("music 0"));
    WhenModalOpens([](QWidget& Modal) {
        Modal.findChild<QRadioButton*>(QStringLiteral("BkSoundOnRadioButton"))->setChecked(true);
        static_cast<QDialog&>(Modal).accept();
    });
    fixture.Click("OptionsButton");
    EXPECT_EQ(calls.last(), QStringLiteral("music 2"));
}

TEST(MainScreen, ExitClosesTheWindowWithoutAQuestion)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Click("ExitButton");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(OpenModal(), nullptr);
}

TEST(WindowEvents, MinimisingPausesThePlayingScreenAndRestoringResumes)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.StartTestland(QStringLiteral("Min"));
    form.showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(form.Session().GetState(), stPaused);
    form.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form.Session().GetState(), stPlaying);
}

TEST(WindowEvents, RestoringOffThePlayingScreenLetsTheMusicPlay)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.Click("LoadGameButton");
    EXPECT_FALSE(form.MusicAllowed());
    form.showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(form.MusicAllowed());
    form.showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(form.MusicAllowed());
}
