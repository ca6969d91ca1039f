// The whole game from a gamepad: SDL's own virtual pad, plugged into the real
// window, starts a game, plays its first level to the end and goes on to the
// next; pads coming and going are told, and a pad does nothing while the
// window is not the active one.

#include "UiFixture.h"

#include "dialogs/PointsCongratulationForm.h"
#include "game/Game.h"
#include "input/GamepadTestSupport.h"
#include "ui/PlayInput.h"

#include <gtest/gtest.h>

using namespace zindo;
using namespace zindo::test;

namespace {

class GamepadPlay : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Joysticks.Ready) << SDL_GetError();
        // A player who played before: the theme selection offers the name,
        // which a pad cannot type.
        QSettings(Fixture.Tree.Path(QStringLiteral("var/config.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("Player/Name"), QStringLiteral("Padma"));
        Form = &Fixture.Create();
        Form->PollGamepads(); // the first poll opens SDL's game controllers
        Pad = std::make_unique<TVirtualPad>("Test Pad");
        Form->PollGamepads();
    }
    void TearDown() override { Pad.reset(); }

    /// Presses and lets go of Button, as the window's polls see it, and lets
    /// the window carry out what it raised.
    void Push(SDL_GameControllerButton Button)
    {
        Pad->Press(Button);
        Form->PollGamepads();
        Pad->Release(Button);
        Form->PollGamepads();
        QCoreApplication::processEvents();
    }
    /// Answers the next dialog with Button.
    void AnswerNextDialog(SDL_GameControllerButton Button)
    {
        WhenModalOpens([this, Button](QWidget&) { Push(Button); });
    }

    TPuzzleClass& Puzzle() { return TModelTestAccess::Puzzle(Form->Session()); }
    const TPlayInput& Input() { return Form->PlayingScreen().PlayInput(); }

    void MoveBoardCursorTo(QPoint Cell)
    {
        for (int guard = 0; guard < 40 && Input().BoardCursor() != Cell; ++guard) {
            const QPoint at = Input().BoardCursor();
            if (at.x() != Cell.x())
                Push(at.x() < Cell.x() ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT : SDL_CONTROLLER_BUTTON_DPAD_LEFT);
            else
                Push(at.y() < Cell.y() ? SDL_CONTROLLER_BUTTON_DPAD_DOWN : SDL_CONTROLLER_BUTTON_DPAD_UP);
        }
        ASSERT_EQ(Input().BoardCursor(), Cell);
    }

    TSdlJoysticks Joysticks;
    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
    std::unique_ptr<TVirtualPad> Pad;
};

} // namespace

TEST_F(GamepadPlay, ALevelIsStartedAndPlayedToSolvedWithThePadAlone)
{
    EXPECT_TRUE(Form->ZindoMessageMarkup().contains(QStringLiteral("Gamepad connected: Test Pad")))
        << Form->ZindoMessageMarkup().toStdString();

    // Down to "Start Game", A; the offered name, Down to the theme list and
    // on to "Go", A, and A for "Get Ready".
    Push(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(FocusName(), QStringLiteral("StartGameButton"));
    Push(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(Form->CurrentScreen(), scThemeSelection);
    Push(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(FocusName(), QStringLiteral("ThemeList"));
    Push(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(FocusName(), QStringLiteral("NewThemeButton"));
    Push(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    ASSERT_EQ(FocusName(), QStringLiteral("GoButton"));
    AnswerNextDialog(SDL_CONTROLLER_BUTTON_A);
    Push(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(Form->CurrentScreen(), scPlaying);
    EXPECT_EQ(Form->Session().Record().PlayerName, QStringLiteral("Padma"));
    Fixture.Run(100);
    EXPECT_TRUE(Form->PlayingScreen().CursorsShown());

    // The level's buttons: X the broom, Back pauses and resumes, B puts a
    // piece back, Start opens the in-game menu and B closes it.
    Push(SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(Puzzle().Bonus(bnCleanup).Count, 1);
    Push(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(Puzzle().State(), stPaused);
    Push(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(Puzzle().State(), stPlaying);
    Push(SDL_CONTROLLER_BUTTON_A);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    Push(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle().Pot().Count(), 1);
    bool menuOpened = false;
    WhenModalOpens([&](QWidget& Modal) {
        menuOpened = Modal.objectName().isEmpty() && Puzzle().State() == stPaused;
        Push(SDL_CONTROLLER_BUTTON_B);
    });
    Push(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(menuOpened);
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_EQ(Puzzle().State(), stPlaying);

    // Piece by piece onto its own cell, the right shoulder dealing when the
    // pot is empty.
    bool pointsShown = false;
    WhenModalOpens([&](QWidget& Modal) {
        pointsShown = dynamic_cast<TPointsCongratulationForm*>(&Modal) != nullptr;
        Push(SDL_CONTROLLER_BUTTON_A);
    });
    for (int guard = 0; guard < 400 && Form->Session().GetState() == stPlaying; ++guard) {
        if (Puzzle().Pot().Count() == 0) {
            Push(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
            Fixture.Run(60);
            continue;
        }
        while (Input().PotCursor() > 0)
            Push(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        Push(SDL_CONTROLLER_BUTTON_A);
        const TPiece* held = Puzzle().HeldPiece();
        ASSERT_NE(held, nullptr);
        MoveBoardCursorTo(QPoint(held->Column, held->Row));
        Push(SDL_CONTROLLER_BUTTON_A);
        EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
        Fixture.Run(60);
    }
    EXPECT_EQ(Form->Session().GetState(), stSolved);
    EXPECT_TRUE(pointsShown);

    EXPECT_EQ(FocusName(), QStringLiteral("EndOfLevelButton"));
    Push(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Form->Session().Record().Level, 2);
}

TEST_F(GamepadPlay, APadDoesNothingWhileTheWindowIsInactiveAndItsGoingIsTold)
{
    Fixture.StartTestland(QStringLiteral("Padma"));

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCoreApplication::processEvents();
    ASSERT_FALSE(Form->isActiveWindow());
    ASSERT_EQ(Puzzle().State(), stPaused); // the window lost the keyboard
    Push(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(Puzzle().State(), stPaused);

    QApplication::setActiveWindow(Form);
    QCoreApplication::processEvents();
    Push(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(Puzzle().State(), stPlaying);

    // B off the playing screen goes back, as Escape does.
    Form->OpenScreen(scAbout);
    Push(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(Form->CurrentScreen(), scMain);

    Pad->Detach();
    Form->PollGamepads();
    EXPECT_TRUE(Form->ZindoMessageMarkup().contains(QStringLiteral("Gamepad disconnected: Test Pad")))
        << Form->ZindoMessageMarkup().toStdString();
}
