// Which display platform a run gets, and what the X11 platform does when it
// finds no display to talk to.

#include "display/FullScreenSupport.h"
#include "display/NullDisplayPlatform.h"
#include "display/X11DisplayPlatform.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

using namespace zindo;

namespace {

/// Sets environment variables for one test and puts the old values back.
class TScopedEnvironment
{
public:
    TScopedEnvironment() = default;
    TScopedEnvironment(const TScopedEnvironment&) = delete;
    TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;
    ~TScopedEnvironment()
    {
        for (const auto& [name, value] : FSaved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

    /** Sets Name to Value, or removes it when Value is null. */
    void Set(const std::string& Name, const char* Value)
    {
        if (FSaved.find(Name) == FSaved.end()) {
            const char* old = std::getenv(Name.c_str());
            FSaved[Name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (Value)
            setenv(Name.c_str(), Value, 1);
        else
            unsetenv(Name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> FSaved; ///< values before the test
};

/// An environment of an X11 desktop session, to be varied by each test.
void SetX11Session(TScopedEnvironment& Environment)
{
    Environment.Set("QT_QPA_PLATFORM", nullptr);
    Environment.Set("DISPLAY", ":0");
    Environment.Set("WAYLAND_DISPLAY", nullptr);
    Environment.Set("XDG_SESSION_TYPE", "x11");
}

TVideoMode Mode(int W, int H, int B)
{
    TVideoMode mode;
    mode.Width = static_cast<std::uint16_t>(W);
    mode.Height = static_cast<std::uint16_t>(H);
    mode.BitsPerPixel = static_cast<std::uint8_t>(B);
    return mode;
}

} // namespace

TEST(DisplayPlatformChoice, PlainX11SessionIsX11)
{
    TScopedEnvironment environment;
    SetX11Session(environment);
    EXPECT_TRUE(RunsOnX11Display());
    environment.Set("XDG_SESSION_TYPE", nullptr);
    EXPECT_TRUE(RunsOnX11Display());
}

TEST(DisplayPlatformChoice, OffscreenPlatformGetsTheNullPlatform)
{
    TScopedEnvironment environment;
    SetX11Session(environment);
    environment.Set("QT_QPA_PLATFORM", "offscreen");
    EXPECT_FALSE(RunsOnX11Display());
    const std::unique_ptr<TDisplayPlatform> platform = MakeDisplayPlatform();
    ASSERT_NE(platform, nullptr);
    EXPECT_NE(dynamic_cast<TNullDisplayPlatform*>(platform.get()), nullptr);
    EXPECT_EQ(dynamic_cast<TX11DisplayPlatform*>(platform.get()), nullptr);
}

TEST(DisplayPlatformChoice, RunningOffscreenApplicationGetsTheNullPlatform)
{
    // The environment alone would point to X11; the application decides.
    TScopedEnvironment environment;
    SetX11Session(environment);
    EXPECT_TRUE(RunsOnX11Display());
    int argc = 3;
    char name[] = "zindo_display_tests";
    char option[] = "-platform";
    char platformName[] = "offscreen";
    char* argv[] = {name, option, platformName, nullptr};
    QGuiApplication app(argc, argv);
    EXPECT_FALSE(RunsOnX11Display());
    EXPECT_NE(dynamic_cast<TNullDisplayPlatform*>(MakeDisplayPlatform().get()), nullptr);
}

TEST(DisplayPlatformChoice, RequestedXcbIsX11EvenInAWaylandSession)
{
    TScopedEnvironment environment;
    SetX11Session(environment);
    environment.Set("WAYLAND_DISPLAY", "wayland-0");
    environment.Set("XDG_SESSION_TYPE", "wayland");
    environment.Set("QT_QPA_PLATFORM", "xcb");
    EXPECT_TRUE(RunsOnX11Display());
    environment.Set("QT_QPA_PLATFORM", "xcb:nograb");
    EXPECT_TRUE(RunsOnX11Display());
}

TEST(DisplayPlatformChoice, FirstRequestedPlatformDecides)
{
    TScopedEnvironment environment;
    SetX11Session(environment);
    environment.Set("QT_QPA_PLATFORM", "wayland;xcb");
    EXPECT_FALSE(RunsOnX11Display());
    environment.Set("QT_QPA_PLATFORM", "xcb;wayland");
    EXPECT_TRUE(RunsOnX11Display());
    environment.Set("QT_QPA_PLATFORM", "wayland");
    EXPECT_FALSE(RunsOnX11Display());
}

TEST(DisplayPlatformChoice, WaylandSessionWithoutRequestIsNotX11)
{
    TScopedEnvironment environment;
    SetX11Session(environment);
    environment.Set("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_FALSE(RunsOnX11Display());
    environment.Set("WAYLAND_DISPLAY", nullptr);
    environment.Set("XDG_SESSION_TYPE", "wayland");
    EXPECT_FALSE(RunsOnX11Display());
}

TEST(DisplayPlatformChoice, NoDisplayIsNotX11)
{
    TScopedEnvironment environment;
    SetX11Session(environment);
    environment.Set("DISPLAY", nullptr);
    EXPECT_FALSE(RunsOnX11Display());
    environment.Set("QT_QPA_PLATFORM", "xcb");
    EXPECT_FALSE(RunsOnX11Display());
    environment.Set("DISPLAY", "");
    EXPECT_FALSE(RunsOnX11Display());
    EXPECT_NE(dynamic_cast<TNullDisplayPlatform*>(MakeDisplayPlatform().get()), nullptr);
}

TEST(X11DisplayPlatform, WithoutADisplayListsNothingAndRefusesEverything)
{
    TScopedEnvironment environment;
    environment.Set("DISPLAY", nullptr);
    TX11DisplayPlatform platform;
    EXPECT_FALSE(platform.Usable());
    // No GUI application in this test: the null platform's fallback desktop.
    EXPECT_TRUE(SameVideoMode(platform.DesktopMode(), Mode(1024, 768, 32)));
    TVideoMode listed = Mode(1, 2, 3);
    EXPECT_FALSE(platform.ListMode(0, listed));
    EXPECT_TRUE(SameVideoMode(listed, Mode(1, 2, 3)));
    EXPECT_FALSE(platform.TestMode(Mode(1024, 768, 32)));
    EXPECT_FALSE(platform.TestMode(Mode(42, 37, 8)));
    EXPECT_FALSE(platform.SwitchMode(Mode(1024, 768, 32)));
    platform.RestoreDesktopMode();
}

TEST(X11DisplayPlatform, WithoutADisplayTheTableHoldsOnlyTheDesktop)
{
    TScopedEnvironment environment;
    environment.Set("DISPLAY", nullptr);
    TFullScreenSupport support(std::make_unique<TX11DisplayPlatform>());
    support.EnumerateVideoModes();
    EXPECT_EQ(support.VideoModeCount(), 1);
    EXPECT_EQ(support.FindBestVideoMode(1024, 768, 32), 0);
    EXPECT_EQ(support.FindBestVideoMode(1024, 768, 24), 0);
}
