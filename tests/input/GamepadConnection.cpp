// Pads plugged in and out, and a game without SDL2.
#include "GamepadTestSupport.h"

namespace zindo::test {
namespace {

TEST(GamepadConnection, PadsAtTheStartAndPluggedInLaterAreAnnouncedAndPullingOutIsNoticed)
{
    TSdlJoysticks joysticks;
    ASSERT_TRUE(joysticks.Ready) << SDL_GetError();
    TVirtualPad early("Early Pad");
    TManualClock clock;
    TGamepadInput input(clock);
    TGamepadRecorder recorder(input);

    const int withPad = input.Poll();
    ASSERT_NE(withPad, TGamepadInput::PollNever) << input.LastError().toStdString();
    EXPECT_EQ(recorder.Connections, QStringList{"+Early Pad"});

    TVirtualPad late("Late Pad", OtherVirtualPadProduct);
    input.Poll();
    EXPECT_EQ(input.PadNames(), (QStringList{"Early Pad", "Late Pad"}));

    early.Detach();
    input.Poll();
    EXPECT_EQ(input.PadNames(), QStringList{"Late Pad"});
    late.Detach();
    const int withoutPad = input.Poll();

    EXPECT_EQ(recorder.Connections, (QStringList{"+Early Pad", "+Late Pad", "-Early Pad", "-Late Pad"}));
    EXPECT_TRUE(input.PadNames().isEmpty());
    // Polled often with a pad, at most twice a second without.
    EXPECT_LE(withPad, 20);
    EXPECT_GE(withoutPad, 500);
    EXPECT_TRUE(recorder.Actions.empty());
}

TEST(GamepadConnection, WithoutSdlOrItsFunctionsPadsStayOffAndNothingIsRaised)
{
    TSdlJoysticks joysticks;
    ASSERT_TRUE(joysticks.Ready) << SDL_GetError();
    TVirtualPad pad("Present Pad");
    // A library that is not there, and one that opens but is not SDL.
    for (const QString& library : {QStringLiteral("libzindo-no-such-sdl.so.0"), QStringLiteral("libm.so.6")}) {
        SCOPED_TRACE(library.toStdString());
        TManualClock clock;
        TGamepadInput input(clock, library);
        TGamepadRecorder recorder(input);
        int first = 0;
        EXPECT_NO_THROW(first = input.Poll());
        pad.Press(SDL_CONTROLLER_BUTTON_A);
        clock.Advance(1000);
        EXPECT_EQ(first, TGamepadInput::PollNever);
        EXPECT_EQ(input.Poll(), TGamepadInput::PollNever);
        pad.Release(SDL_CONTROLLER_BUTTON_A);
        EXPECT_TRUE(input.LastError().contains(library)) << input.LastError().toStdString();
        EXPECT_TRUE(input.PadNames().isEmpty());
        EXPECT_TRUE(recorder.Connections.isEmpty());
        EXPECT_TRUE(recorder.Actions.empty());
    }
}

} // namespace
} // namespace zindo::test
