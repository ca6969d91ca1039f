// What the buttons, the d-pad and the left stick of a pad do.
#include "GamepadTestSupport.h"

namespace zindo::test {
namespace {

/// One pad plugged in and announced.
class GamepadActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(Input.Poll(), TGamepadInput::PollNever) << Input.LastError().toStdString();
        Pad = std::make_unique<TVirtualPad>("Test Pad");
        Input.Poll();
        ASSERT_EQ(Recorder.Connections, QStringList{"+Test Pad"});
    }
    void TearDown() override { Pad.reset(); }

    /// Moves the clock by Ms, polls, and answers what was raised.
    TRaisedActions After(std::uint32_t Ms)
    {
        Clock.Advance(Ms);
        Input.Poll();
        return Recorder.TakeActions();
    }

    TManualClock Clock;
    TGamepadInput Input{Clock};
    TGamepadRecorder Recorder{Input};
    std::unique_ptr<TVirtualPad> Pad;
};

TEST_F(GamepadActions, EachButtonGivesItsActionOnceWhenPressed)
{
    const std::pair<SDL_GameControllerButton, TGamepadAction> mapped[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, gaUp},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, gaDown},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, gaLeft},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, gaRight},
        {SDL_CONTROLLER_BUTTON_A, gaAccept},
        {SDL_CONTROLLER_BUTTON_B, gaBack},
        {SDL_CONTROLLER_BUTTON_X, gaBroom},
        {SDL_CONTROLLER_BUTTON_Y, gaMagic},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, gaCheck},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, gaDealNext},
        {SDL_CONTROLLER_BUTTON_BACK, gaPause},
        {SDL_CONTROLLER_BUTTON_START, gaMenu},
    };
    for (const auto& [button, action] : mapped) {
        SCOPED_TRACE(SDL_GameControllerGetStringForButton(button));
        Pad->Press(button);
        EXPECT_EQ(After(10), (TRaisedActions{{action, false}}));
        Pad->Release(button);
        EXPECT_EQ(After(10), TRaisedActions{});
    }

    // Buttons, triggers and the right stick the game does not use.
    for (const auto button : {SDL_CONTROLLER_BUTTON_GUIDE, SDL_CONTROLLER_BUTTON_LEFTSTICK,
                              SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_MISC1})
        Pad->Press(button);
    Pad->Move(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    Pad->Move(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    Pad->Move(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    Pad->Move(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    EXPECT_EQ(After(2000), TRaisedActions{});
}

TEST_F(GamepadActions, AHeldDirectionRepeatsAfter400MsThenEvery120MsUntilLetGo)
{
    Clock.SetTick(0xFFFFFF00u); // the schedule crosses the wrap of the tick counter
    Pad->Press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(After(0), (TRaisedActions{{gaRight, false}}));
    EXPECT_EQ(After(395), TRaisedActions{});
    EXPECT_EQ(Input.Poll(), 5); // asks to be polled when the repeat falls due
    EXPECT_EQ(After(5), (TRaisedActions{{gaRight, true}}));
    EXPECT_EQ(After(119), TRaisedActions{});
    EXPECT_EQ(After(1), (TRaisedActions{{gaRight, true}}));
    // A poll that comes late repeats once.
    EXPECT_EQ(After(1000), (TRaisedActions{{gaRight, true}}));
    EXPECT_EQ(After(119), TRaisedActions{});
    EXPECT_EQ(After(1), (TRaisedActions{{gaRight, true}}));

    // A second direction acts at once and takes over the repeat; letting it
    // go hands the repeat back, starting again.
    Pad->Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(After(60), (TRaisedActions{{gaDown, false}}));
    EXPECT_EQ(After(399), TRaisedActions{});
    EXPECT_EQ(After(1), (TRaisedActions{{gaDown, true}}));
    Pad->Release(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(After(0), TRaisedActions{});
    EXPECT_EQ(After(399), TRaisedActions{});
    EXPECT_EQ(After(1), (TRaisedActions{{gaRight, true}}));

    Pad->Release(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(After(5000), TRaisedActions{});
}

TEST_F(GamepadActions, TheLeftStickPointsPastItsDeadZoneAndLetsGoOnlyWellInsideIt)
{
    Pad->Stick(8000, 0);
    EXPECT_EQ(After(1000), TRaisedActions{});
    Pad->Stick(-9000, 9000);
    EXPECT_EQ(After(1000), TRaisedActions{});

    Pad->Stick(24000, 3000);
    EXPECT_EQ(After(10), (TRaisedActions{{gaRight, false}}));
    // Back between the two levels it still points: no second press, and it repeats.
    Pad->Stick(12000, 0);
    EXPECT_EQ(After(400), (TRaisedActions{{gaRight, true}}));
    Pad->Stick(24000, 0);
    EXPECT_EQ(After(10), TRaisedActions{});
    Pad->Stick(5000, 0);
    EXPECT_EQ(After(10), TRaisedActions{});
    EXPECT_EQ(After(2000), TRaisedActions{});

    // Up, then round to the right through a diagonal that stays up.
    Pad->Stick(0, -24000);
    EXPECT_EQ(After(10), (TRaisedActions{{gaUp, false}}));
    Pad->Stick(20000, -24000);
    EXPECT_EQ(After(10), TRaisedActions{});
    Pad->Stick(26000, -20000);
    EXPECT_EQ(After(10), (TRaisedActions{{gaRight, false}}));
    Pad->Stick(-32768, 0);
    EXPECT_EQ(After(10), (TRaisedActions{{gaLeft, false}}));
    Pad->Stick(0, 0);
    EXPECT_EQ(After(2000), TRaisedActions{});
}

} // namespace
} // namespace zindo::test
