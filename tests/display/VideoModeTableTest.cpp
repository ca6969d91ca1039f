// The display-mode table: what gets listed, the choice of the best mode, and
// switching and restoring, against a display platform the test controls.

#include "display/FullScreenSupport.h"
#include "display/NullDisplayPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>
#include <vector>

using namespace zindo;

namespace {

TVideoMode Mode(int W, int H, int B)
{
    TVideoMode mode;
    mode.Width = static_cast<std::uint16_t>(W);
    mode.Height = static_cast<std::uint16_t>(H);
    mode.BitsPerPixel = static_cast<std::uint8_t>(B);
    return mode;
}

/// A display that lists the given modes and accepts exactly those (or,
/// with AcceptAll, anything); it records tests, switches and restores.
struct TFakeDisplay : TDisplayPlatform
{
    TVideoMode Desktop = Mode(1280, 1024, 32);
    std::vector<TVideoMode> Listed;
    bool AcceptAll = false;
    bool RefuseSwitch = false;
    std::vector<TVideoMode> Tested;
    std::vector<TVideoMode> Switched;
    int Restores = 0;
    std::shared_ptr<int> RestoreCount;  ///< outlives the fake, when set

    TVideoMode DesktopMode() override { return Desktop; }
    bool ListMode(std::uint32_t N, TVideoMode& M) override
    {
        if (N >= Listed.size())
            return false;
        M = Listed[N];
        return true;
    }
    bool TestMode(const TVideoMode& M) override
    {
        Tested.push_back(M);
        if (AcceptAll)
            return true;
        for (const TVideoMode& listed : Listed)
            if (SameVideoMode(listed, M))
                return true;
        return false;
    }
    bool SwitchMode(const TVideoMode& M) override
    {
        if (RefuseSwitch)
            return false;
        Switched.push_back(M);
        return true;
    }
    void RestoreDesktopMode() override
    {
        ++Restores;
        if (RestoreCount)
            ++*RestoreCount;
    }
};

/// A table over a fake display; the fake stays reachable through Display.
struct TTable
{
    TFakeDisplay* Display;
    std::unique_ptr<TFullScreenSupport> Support;

    explicit TTable(std::vector<TVideoMode> Listed, bool AcceptAll = false)
    {
        auto display = std::make_unique<TFakeDisplay>();
        display->Listed = std::move(Listed);
        display->AcceptAll = AcceptAll;
        Display = display.get();
        Support = std::make_unique<TFullScreenSupport>(std::move(display));
        Support->EnumerateVideoModes();
    }
    const TVideoMode& Entry(int I) const { return Support->VideoModes()[static_cast<std::size_t>(I)]; }
};

} // namespace

TEST(VideoModeTable, DesktopIsEntryZeroAndListedAgainUnderItsOwnDescription)
{
    TTable table({Mode(1280, 1024, 32), Mode(1024, 768, 32)});
    ASSERT_EQ(table.Support->VideoModeCount(), 3);
    EXPECT_EQ(table.Entry(0).Description, "default");
    EXPECT_TRUE(SameVideoMode(table.Entry(0), Mode(1280, 1024, 32)));
    EXPECT_TRUE(SameVideoMode(table.Entry(1), Mode(1280, 1024, 32)));
    EXPECT_EQ(table.Entry(1).Description, "1280 x 1024, 32 bpp");
    EXPECT_EQ(table.Entry(2).Description, "1024 x 768, 32 bpp");
}

TEST(VideoModeTable, DuplicatesAndRefusedModesAreLeftOut)
{
    TTable table({Mode(800, 600, 16), Mode(800, 600, 16), Mode(640, 480, 8)});
    table.Support->AddVideoMode(Mode(1600, 1200, 32));  // refused by the display
    table.Support->AddVideoMode(Mode(640, 480, 8));     // already listed
    ASSERT_EQ(table.Support->VideoModeCount(), 3);
    EXPECT_TRUE(SameVideoMode(table.Entry(1), Mode(800, 600, 16)));
    EXPECT_TRUE(SameVideoMode(table.Entry(2), Mode(640, 480, 8)));
}

TEST(VideoModeTable, StandardModesAreProbedInOrderAfterTheDriverTest)
{
    TTable table({Mode(1024, 768, 32)});
    const std::vector<TVideoMode>& tested = table.Display->Tested;
    // 1 listed mode, the 42 x 37 x 8 driver test, then the 60 standard modes.
    ASSERT_EQ(tested.size(), 62u);
    EXPECT_TRUE(SameVideoMode(tested[1], Mode(42, 37, 8)));
    EXPECT_TRUE(SameVideoMode(tested[2], Mode(320, 200, 8)));
    EXPECT_TRUE(SameVideoMode(tested[3], Mode(320, 200, 15)));
    EXPECT_TRUE(SameVideoMode(tested[7], Mode(320, 240, 8)));
    EXPECT_TRUE(SameVideoMode(tested[27], Mode(360, 200, 8)));
    EXPECT_TRUE(SameVideoMode(tested[52], Mode(400, 300, 8)));
    EXPECT_TRUE(SameVideoMode(tested[61], Mode(512, 384, 32)));
    std::set<std::tuple<int, int, int>> distinct;
    for (const TStandardVideoMode& m : StandardVideoModes)
        distinct.insert({m.Width, m.Height, m.BitsPerPixel});
    EXPECT_EQ(distinct.size(), 60u);
}

TEST(VideoModeTable, DriverThatAcceptsTheImpossibleModeGetsOnlyItsOwnList)
{
    TTable table({Mode(1024, 768, 32), Mode(800, 600, 32)}, /*AcceptAll=*/true);
    EXPECT_EQ(table.Support->VideoModeCount(), 3);
    EXPECT_EQ(table.Support->FindBestVideoMode(320, 200, 8), 2);
}

TEST(VideoModeTable, AcceptingDriverGetsTheStandardModesToo)
{
    // Accepts everything but the 42 x 37 test: the standard modes come in.
    struct TPicky : TFakeDisplay
    {
        bool TestMode(const TVideoMode& M) override { return !(M.Width == 42 && M.Height == 37); }
    };
    auto display = std::make_unique<TPicky>();
    display->Listed = {Mode(1024, 768, 32)};
    TFullScreenSupport support(std::move(display));
    support.EnumerateVideoModes();
    EXPECT_EQ(support.VideoModeCount(), 62);
}

TEST(VideoModeTable, NeverHoldsMoreThan200Entries)
{
    std::vector<TVideoMode> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(Mode(640 + i, 480, 32));
    TTable table(many, /*AcceptAll=*/false);
    EXPECT_EQ(table.Support->VideoModeCount(), 200);
    EXPECT_TRUE(SameVideoMode(table.Entry(199), Mode(640 + 198, 480, 32)));
    table.Support->AddVideoMode(Mode(2000, 2000, 32));
    EXPECT_EQ(table.Support->VideoModeCount(), 200);
    // The listing stopped at the limit: the standard modes were not probed.
    EXPECT_EQ(table.Display->Tested.size(), 199u + 1u);
}

TEST(FindBestVideoMode, PicksTheListedDesktopSizedModeNeverDefault)
{
    TTable table({Mode(1280, 1024, 32), Mode(1024, 768, 32)});
    EXPECT_EQ(table.Support->FindBestVideoMode(1024, 768, 32), 2);
}

TEST(FindBestVideoMode, SmallerModeWinsInEitherOrder)
{
    TTable ascending({Mode(1024, 768, 32), Mode(1152, 864, 32)});
    EXPECT_EQ(ascending.Support->FindBestVideoMode(1024, 768, 32), 1);
    TTable descending({Mode(1152, 864, 32), Mode(1024, 768, 32)});
    EXPECT_EQ(descending.Support->FindBestVideoMode(1024, 768, 32), 2);
}

TEST(FindBestVideoMode, TooShallowModesAnswerNone)
{
    TTable table({Mode(1280, 1024, 16), Mode(1024, 768, 16)});
    EXPECT_EQ(table.Support->FindBestVideoMode(1024, 768, 32), 0);
    EXPECT_EQ(table.Support->FindBestVideoMode(1024, 768, 24), 0);
    EXPECT_EQ(table.Support->FindBestVideoMode(1024, 768, 16), 2);
}

TEST(FindBestVideoMode, BetterInOneExcessButWorseInAnotherDoesNotReplace)
{
    TTable table({Mode(1152, 864, 32), Mode(1024, 1024, 32)});
    EXPECT_EQ(table.Support->FindBestVideoMode(1024, 768, 32), 1);
}

TEST(FindBestVideoMode, EmptyOrRefusingPlatformAnswersNone)
{
    TTable table({});
    EXPECT_EQ(table.Support->VideoModeCount(), 1);
    EXPECT_EQ(table.Support->FindBestVideoMode(1024, 768, 32), 0);
    EXPECT_EQ(table.Support->FindBestVideoMode(1, 1, 1), 0);
}

TEST(SetVideoMode, SwitchesAndRemembersTheEntry)
{
    TTable table({Mode(1280, 1024, 32), Mode(1024, 768, 32)});
    ASSERT_TRUE(table.Support->SetVideoMode(2));
    EXPECT_EQ(table.Support->CurrentVideoMode(), 2);
    ASSERT_EQ(table.Display->Switched.size(), 1u);
    EXPECT_TRUE(SameVideoMode(table.Display->Switched[0], Mode(1024, 768, 32)));
    table.Support->RestoreVideoMode();
    EXPECT_EQ(table.Display->Restores, 1);
    EXPECT_EQ(table.Support->CurrentVideoMode(), 2);
}

TEST(SetVideoMode, RefusedOrUnknownEntryChangesNothing)
{
    TTable table({Mode(1024, 768, 32)});
    EXPECT_FALSE(table.Support->SetVideoMode(5));
    EXPECT_FALSE(table.Support->SetVideoMode(-1));
    table.Display->RefuseSwitch = true;
    EXPECT_FALSE(table.Support->SetVideoMode(1));
    EXPECT_EQ(table.Support->CurrentVideoMode(), 0);
    EXPECT_TRUE(table.Display->Switched.empty());
}

TEST(SetVideoMode, EndOfTheTableRestoresOnlyWhenAModeWasSet)
{
    auto restores = std::make_shared<int>(0);
    {
        TTable table({Mode(1024, 768, 32)});
        table.Display->RestoreCount = restores;
    }
    EXPECT_EQ(*restores, 0);
    {
        TTable table({Mode(1024, 768, 32)});
        table.Display->RestoreCount = restores;
        ASSERT_TRUE(table.Support->SetVideoMode(1));
        table.Support->RestoreVideoMode();
    }
    EXPECT_EQ(*restores, 2);  // once by the caller, once more at the end
}

TEST(NullDisplayPlatform, ListsNothingAndRefusesEverything)
{
    TNullDisplayPlatform platform;
    const TVideoMode desktop = platform.DesktopMode();
    // No GUI application in this test: the fallback desktop.
    EXPECT_TRUE(SameVideoMode(desktop, Mode(1024, 768, 32)));
    TVideoMode listed;
    EXPECT_FALSE(platform.ListMode(0, listed));
    EXPECT_FALSE(platform.TestMode(Mode(1024, 768, 32)));
    EXPECT_FALSE(platform.SwitchMode(Mode(1024, 768, 32)));

    TFullScreenSupport support;
    support.EnumerateVideoModes();
    EXPECT_EQ(support.VideoModeCount(), 1);
    EXPECT_EQ(support.VideoModes()[0].Description, "default");
    EXPECT_FALSE(support.SetVideoMode(0));
}

TEST(ProcessWideTable, InstalledPlatformIsUsedByTheModuleOperations)
{
    auto display = std::make_unique<TFakeDisplay>();
    display->Listed = {Mode(1024, 768, 32), Mode(1280, 1024, 32)};
    InstallDisplayPlatform(std::move(display));
    EnumerateVideoModes();
    EXPECT_EQ(VideoModeCount(), 3);
    EXPECT_EQ(FindBestVideoMode(1024, 768, 32), 1);
    EXPECT_TRUE(SetVideoMode(1));
    EXPECT_EQ(CurrentVideoMode(), 1);
    InstallDisplayPlatform(nullptr);  // restores, then starts over on the null platform
    EXPECT_EQ(CurrentVideoMode(), 0);
    EXPECT_EQ(VideoModeCount(), 1);
}
