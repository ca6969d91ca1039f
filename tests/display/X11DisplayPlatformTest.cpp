// The XRandR display platform against a real X server. Run under
//   xvfb-run -a -s "-screen 0 1280x1024x24"
// The virtual screen offers only its own size, so the tests first add the
// modes 1024 x 768 and 800 x 600 to its output, as a user would with xrandr.

#include "display/FullScreenSupport.h"
#include "display/X11DisplayPlatform.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

using namespace zindo;

namespace {

/// What the X server shows now: the output's CRTC and the whole screen.
struct TShownSize
{
    unsigned CrtcWidth = 0;   ///< the monitor's mode, pixels across
    unsigned CrtcHeight = 0;  ///< the monitor's mode, pixels down
    unsigned ScreenWidth = 0; ///< the root window, pixels across
    unsigned ScreenHeight = 0; ///< the root window, pixels down
};

/// The tests' own connection to the server, to look and to set up modes.
class TX11Fixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        Connection = XOpenDisplay(nullptr);
        if (Connection == nullptr)
            return;
        AddMode(Connection, 1024, 768);
        AddMode(Connection, 800, 600);
    }

    static void TearDownTestSuite()
    {
        if (Connection != nullptr)
            XCloseDisplay(Connection);
        Connection = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(Connection, nullptr) << "no X server; run under xvfb-run";
    }

    /** Puts the server back to 1280 x 1024 itself after a failed test, so
        that one fault does not show up again in every later test. */
    void TearDown() override
    {
        const TShownSize shown = Shown();
        if (shown.CrtcWidth == 1280 && shown.CrtcHeight == 1024 && shown.ScreenWidth == 1280
            && shown.ScreenHeight == 1024)
            return;
        const Window root = DefaultRootWindow(Connection);
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(Connection, root);
        RRMode desktop = 0;
        for (int i = 0; i < resources->nmode; ++i)
            if (resources->modes[i].width == 1280 && resources->modes[i].height == 1024)
                desktop = resources->modes[i].id;
        XRROutputInfo* output = XRRGetOutputInfo(Connection, resources, resources->outputs[0]);
        XRRSetScreenSize(Connection, root, 1280, 1024, DisplayWidthMM(Connection, 0), DisplayHeightMM(Connection, 0));
        XRRSetCrtcConfig(Connection, resources, output->crtc, CurrentTime, 0, 0, desktop, RR_Rotate_0,
                         &resources->outputs[0], 1);
        XSync(Connection, False);
        XRRFreeOutputInfo(output);
        XRRFreeScreenResources(resources);
    }

    /** Adds a W x H mode to the first output, if the server has none of that size. */
    static void AddMode(Display* Connection, unsigned W, unsigned H)
    {
        const Window root = DefaultRootWindow(Connection);
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(Connection, root);
        if (resources == nullptr || resources->noutput == 0)
            return;
        for (int i = 0; i < resources->nmode; ++i)
            if (resources->modes[i].width == W && resources->modes[i].height == H) {
                XRRFreeScreenResources(resources);
                return;
            }
        const std::string name = std::to_string(W) + "x" + std::to_string(H);
        std::vector<char> nameBuffer(name.begin(), name.end());
        nameBuffer.push_back('\0');
        XRRModeInfo info;
        std::memset(&info, 0, sizeof info);
        info.width = W;
        info.height = H;
        info.hTotal = W + 160;
        info.vTotal = H + 30;
        info.dotClock = static_cast<unsigned long>(info.hTotal) * info.vTotal * 60;
        info.name = nameBuffer.data();
        info.nameLength = static_cast<unsigned>(name.size());
        const RRMode mode = XRRCreateMode(Connection, root, &info);
        XRRAddOutputMode(Connection, resources->outputs[0], mode);
        XSync(Connection, False);
        XRRFreeScreenResources(resources);
    }

    static TShownSize Shown()
    {
        TShownSize shown;
        const Window root = DefaultRootWindow(Connection);
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(Connection, root);
        for (int i = 0; resources != nullptr && i < resources->noutput; ++i) {
            XRROutputInfo* output = XRRGetOutputInfo(Connection, resources, resources->outputs[i]);
            if (output != nullptr && output->crtc != 0 && shown.CrtcWidth == 0) {
                XRRCrtcInfo* crtc = XRRGetCrtcInfo(Connection, resources, output->crtc);
                shown.CrtcWidth = crtc->width;
                shown.CrtcHeight = crtc->height;
                XRRFreeCrtcInfo(crtc);
            }
            if (output != nullptr)
                XRRFreeOutputInfo(output);
        }
        if (resources != nullptr)
            XRRFreeScreenResources(resources);
        Window rootReturn = 0;
        int x = 0;
        int y = 0;
        unsigned border = 0;
        unsigned depth = 0;
        XGetGeometry(Connection, root, &rootReturn, &x, &y, &shown.ScreenWidth, &shown.ScreenHeight, &border, &depth);
        return shown;
    }

    static void ExpectShown(unsigned W, unsigned H)
    {
        const TShownSize shown = Shown();
        EXPECT_EQ(shown.CrtcWidth, W);
        EXPECT_EQ(shown.CrtcHeight, H);
        EXPECT_EQ(shown.ScreenWidth, W);
        EXPECT_EQ(shown.ScreenHeight, H);
    }

    static std::vector<TVideoMode> Listed(TDisplayPlatform& Platform)
    {
        std::vector<TVideoMode> modes;
        TVideoMode mode;
        for (std::uint32_t n = 0; Platform.ListMode(n, mode); ++n)
            modes.push_back(mode);
        return modes;
    }

    static inline Display* Connection = nullptr; ///< the tests' own connection
};

TVideoMode Mode(int W, int H, int B)
{
    TVideoMode mode;
    mode.Width = static_cast<std::uint16_t>(W);
    mode.Height = static_cast<std::uint16_t>(H);
    mode.BitsPerPixel = static_cast<std::uint8_t>(B);
    return mode;
}

bool Contains(const std::vector<TVideoMode>& Modes, const TVideoMode& Wanted)
{
    for (const TVideoMode& mode : Modes)
        if (SameVideoMode(mode, Wanted))
            return true;
    return false;
}

/// Runs the mode holder: it switches to W x H and waits until killed.
struct THolder
{
    pid_t Pid = -1;    ///< the holder's process
    int ToHolder = -1; ///< its standard input; closing it lets it end normally
    std::string Said;  ///< its first line

    THolder(int W, int H, const std::string& TempDir = std::string())
    {
        int input[2];
        int output[2];
        if (pipe(input) != 0 || pipe(output) != 0)
            return;
        Pid = fork();
        if (Pid == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            close(input[1]);
            close(output[0]);
            const std::string width = std::to_string(W);
            const std::string height = std::to_string(H);
            if (TempDir.empty())
                execl(ZINDO_X11_MODE_HOLDER, ZINDO_X11_MODE_HOLDER, width.c_str(), height.c_str(), static_cast<char*>(nullptr));
            else
                execl(ZINDO_X11_MODE_HOLDER, ZINDO_X11_MODE_HOLDER, width.c_str(), height.c_str(), TempDir.c_str(),
                      static_cast<char*>(nullptr));
            _exit(127);
        }
        close(input[0]);
        close(output[1]);
        ToHolder = input[1];
        // Blocks until the holder has switched, or until it has ended.
        char c = 0;
        while (read(output[0], &c, 1) == 1 && c != '\n')
            Said += c;
        close(output[0]);
    }

    /** Ends the holder with Signal; true when it died of that very signal. */
    bool KillWith(int Signal)
    {
        if (Pid <= 0)
            return false;
        kill(Pid, Signal);
        int status = 0;
        waitpid(Pid, &status, 0);
        Pid = -1;
        close(ToHolder);
        return WIFSIGNALED(status) && WTERMSIG(status) == Signal;
    }

    ~THolder()
    {
        if (Pid > 0) {
            close(ToHolder);
            waitpid(Pid, nullptr, 0);
        }
    }
};

} // namespace

TEST_F(TX11Fixture, DesktopModeIsTheOutputAtRootDepth)
{
    TX11DisplayPlatform platform;
    ASSERT_TRUE(platform.Usable());
    EXPECT_TRUE(SameVideoMode(platform.DesktopMode(), Mode(1280, 1024, 24)));
}

TEST_F(TX11Fixture, ListsEachOfferedSizeOnceAtRootDepth)
{
    TX11DisplayPlatform platform;
    const std::vector<TVideoMode> modes = Listed(platform);
    EXPECT_TRUE(Contains(modes, Mode(1280, 1024, 24)));
    EXPECT_TRUE(Contains(modes, Mode(1024, 768, 24)));
    EXPECT_TRUE(Contains(modes, Mode(800, 600, 24)));
    for (std::size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(modes[i].BitsPerPixel, 24);
        for (std::size_t j = i + 1; j < modes.size(); ++j)
            EXPECT_FALSE(SameVideoMode(modes[i], modes[j])) << "listed twice: " << i << " and " << j;
    }
    // After the last mode the buffer is left as it was.
    TVideoMode after = Mode(1, 2, 3);
    EXPECT_FALSE(platform.ListMode(static_cast<std::uint32_t>(modes.size()), after));
    EXPECT_TRUE(SameVideoMode(after, Mode(1, 2, 3)));
}

TEST_F(TX11Fixture, TestModeAcceptsOfferedSizesAtRootDepthOnly)
{
    TX11DisplayPlatform platform;
    EXPECT_FALSE(platform.TestMode(Mode(42, 37, 8)));
    EXPECT_FALSE(platform.TestMode(Mode(42, 37, 24)));
    EXPECT_TRUE(platform.TestMode(Mode(1280, 1024, 24)));
    EXPECT_TRUE(platform.TestMode(Mode(1024, 768, 24)));
    EXPECT_FALSE(platform.TestMode(Mode(1024, 768, 32)));
    EXPECT_FALSE(platform.TestMode(Mode(1024, 768, 16)));
    EXPECT_FALSE(platform.TestMode(Mode(1024, 769, 24)));
}

TEST_F(TX11Fixture, SwitchesToEachListedModeAndBack)
{
    TX11DisplayPlatform platform;
    const std::vector<TVideoMode> modes = Listed(platform);
    if (modes.size() < 2)
        GTEST_SKIP() << "the X server offers only one mode";
    for (const TVideoMode& mode : modes) {
        SCOPED_TRACE(mode.Width);
        ASSERT_TRUE(platform.SwitchMode(mode));
        ExpectShown(mode.Width, mode.Height);
        platform.RestoreDesktopMode();
        ExpectShown(1280, 1024);
    }
}

TEST_F(TX11Fixture, SecondSwitchStillReturnsToTheDesktop)
{
    TX11DisplayPlatform platform;
    ASSERT_TRUE(platform.SwitchMode(Mode(1024, 768, 24)));
    ASSERT_TRUE(platform.SwitchMode(Mode(800, 600, 24)));
    ExpectShown(800, 600);
    EXPECT_TRUE(SameVideoMode(platform.DesktopMode(), Mode(1280, 1024, 24)));
    platform.RestoreDesktopMode();
    ExpectShown(1280, 1024);
    // Nothing switched: a second restore leaves the display alone.
    platform.RestoreDesktopMode();
    ExpectShown(1280, 1024);
}

TEST_F(TX11Fixture, RefusedSwitchKeepsTheMode)
{
    TX11DisplayPlatform platform;
    ASSERT_TRUE(platform.SwitchMode(Mode(1024, 768, 24)));
    EXPECT_FALSE(platform.SwitchMode(Mode(42, 37, 24)));
    EXPECT_FALSE(platform.SwitchMode(Mode(800, 600, 32)));
    ExpectShown(1024, 768);
    platform.RestoreDesktopMode();
    ExpectShown(1280, 1024);
}

TEST_F(TX11Fixture, DestroyingThePlatformRestoresTheDesktop)
{
    {
        TX11DisplayPlatform platform;
        ASSERT_TRUE(platform.SwitchMode(Mode(800, 600, 24)));
        ExpectShown(800, 600);
    }
    ExpectShown(1280, 1024);
}

TEST_F(TX11Fixture, TableFindsTheModeAt24BitsAndItsEndRestores)
{
    {
        TFullScreenSupport support(std::make_unique<TX11DisplayPlatform>());
        support.EnumerateVideoModes();
        EXPECT_TRUE(SameVideoMode(support.VideoModes()[0], Mode(1280, 1024, 24)));
        // The window's search: 32 bits per pixel first, then 24.
        EXPECT_EQ(support.FindBestVideoMode(1024, 768, 32), 0);
        const int index = support.FindBestVideoMode(1024, 768, 24);
        ASSERT_NE(index, 0);
        EXPECT_TRUE(SameVideoMode(support.VideoModes()[static_cast<std::size_t>(index)], Mode(1024, 768, 24)));
        ASSERT_TRUE(support.SetVideoMode(index));
        ExpectShown(1024, 768);
    }
    ExpectShown(1280, 1024);
}

TEST_F(TX11Fixture, TerminationBySigtermRestoresTheDesktop)
{
    THolder holder(1024, 768);
    ASSERT_EQ(holder.Said, "switched");
    ExpectShown(1024, 768);
    EXPECT_TRUE(holder.KillWith(SIGTERM));
    ExpectShown(1280, 1024);
}

TEST_F(TX11Fixture, SigtermRunsTheProgramsOwnCleanUpAfterTheRestore)
{
    char pattern[] = "/tmp/zindo-holder-XXXXXX";
    const char* dir = mkdtemp(pattern);
    ASSERT_NE(dir, nullptr);
    {
        THolder holder(1024, 768, dir);
        ASSERT_EQ(holder.Said, "switched");
        ExpectShown(1024, 768);
        EXPECT_TRUE(holder.KillWith(SIGTERM));
    }
    ExpectShown(1280, 1024);
    // The temporary file made before the switch went with the program.
    EXPECT_EQ(rmdir(dir), 0) << "the temporary folder is not empty";
}

TEST_F(TX11Fixture, TerminationBySigintRestoresTheDesktop)
{
    THolder holder(800, 600);
    ASSERT_EQ(holder.Said, "switched");
    ExpectShown(800, 600);
    EXPECT_TRUE(holder.KillWith(SIGINT));
    ExpectShown(1280, 1024);
}

TEST_F(TX11Fixture, NormalEndOfAHolderRestoresTheDesktop)
{
    {
        THolder holder(800, 600);
        ASSERT_EQ(holder.Said, "switched");
        ExpectShown(800, 600);
    }
    ExpectShown(1280, 1024);
}

#ifdef ZINDO_XVFB
TEST_F(TX11Fixture, ServerGoneWhileSwitchedEndsNothing)
{
    // A server of its own, to be killed: it writes its display number when ready.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t server = fork();
    if (server == 0) {
        close(ready[0]);
        const std::string fd = std::to_string(ready[1]);
        execl(ZINDO_XVFB, "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";

    const std::string ourDisplay = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    const std::string display = ":" + number;
    setenv("DISPLAY", display.c_str(), 1);
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    AddMode(other, 1024, 768);
    auto platform = std::make_unique<TX11DisplayPlatform>();
    setenv("DISPLAY", ourDisplay.c_str(), 1);
    XCloseDisplay(other);
    ASSERT_TRUE(platform->Usable());
    ASSERT_TRUE(platform->SwitchMode(Mode(1024, 768, 24)));

    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);

    // Xlib would end the program on the broken connection; the platform
    // gives up instead and behaves as if it had found no display.
    platform->RestoreDesktopMode();
    EXPECT_FALSE(platform->Usable());
    EXPECT_FALSE(platform->SwitchMode(Mode(1024, 768, 24)));
    TVideoMode listed;
    EXPECT_FALSE(platform->ListMode(0, listed));
    platform.reset();
    // The test's own server is untouched.
    ExpectShown(1280, 1024);
}
#endif

TEST_F(TX11Fixture, RunningApplicationOnXcbGetsTheX11Platform)
{
    // The environment alone would point to Wayland; the application decides.
    const char* requested = std::getenv("QT_QPA_PLATFORM");
    const std::string saved = requested ? requested : "";
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    EXPECT_FALSE(RunsOnX11Display());
    {
        int argc = 3;
        char name[] = "zindo_display_x11_tests";
        char option[] = "-platform";
        char platformName[] = "xcb";
        char* argv[] = {name, option, platformName, nullptr};
        QGuiApplication app(argc, argv);
        EXPECT_TRUE(RunsOnX11Display());
        const std::unique_ptr<TDisplayPlatform> platform = MakeDisplayPlatform();
        const auto* x11 = dynamic_cast<TX11DisplayPlatform*>(platform.get());
        ASSERT_NE(x11, nullptr);
        EXPECT_TRUE(x11->Usable());
    }
    if (requested)
        setenv("QT_QPA_PLATFORM", saved.c_str(), 1);
    else
        unsetenv("QT_QPA_PLATFORM");
}
