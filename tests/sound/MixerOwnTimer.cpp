// The mixer's own timer, in a running event loop, keeps the device fed: no
// test code calls Pump here.
#include "SoundTestSupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace zindo::test {
namespace {

/// A mixer over the fake device in an application with an event loop, made
/// before the mixer so that the mixer's timer runs.
class MixerOwnTimer : public TMixerFixture {
protected:
    void SetUp() override
    {
        Application = std::make_unique<QCoreApplication>(ArgumentCount, Arguments);
        TMixerFixture::SetUp();
    }
    void TearDown() override
    {
        TMixerFixture::TearDown();
        Application.reset();
    }

    /// Runs the event loop until Done answers true, or for at most 10 s (a
    /// limit far beyond the 0.2 s a block lasts, for a loaded machine).
    static bool RunEventsUntil(const std::function<bool()>& Done)
    {
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, &loop, [&] {
            if (Done())
                loop.quit();
        });
        look.start(5);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (!Done())
            loop.exec();
        return Done();
    }

    int ArgumentCount = 1;
    char Name[16] = "zindo_sound";
    char* Arguments[2] = {Name, nullptr};
    std::unique_ptr<QCoreApplication> Application;
};

TEST_F(MixerOwnTimer, RefillsTheDeviceAsItPlaysUntilTheWaveIsHeardWhole)
{
    // Five blocks of sound: three go to the device at once, the other two
    // only when the timer has seen blocks played.
    constexpr std::uint32_t length = 5 * 2048;
    const TBytes samples = Pattern(length, 5);
    auto wave = Wave(samples);
    Mixer->Play(2, *wave, nullptr, pfClearChannel | pfStartNow, 0);
    ASSERT_EQ(Device.QueuedBytes(), 3u * 2048);

    while (Device.Heard.size() < length) {
        ASSERT_EQ(Device.Advance(2048), 2048u) << "the device ran dry after " << Device.Heard.size() << " bytes";
        const std::uint32_t wanted = std::min<std::uint32_t>(std::uint32_t(Device.Heard.size()) + 3 * 2048, length);
        ASSERT_TRUE(RunEventsUntil([&] { return Device.WrittenPosition() >= wanted; }))
            << "the mixer's timer did not refill the device after " << Device.Heard.size() << " bytes heard ("
            << Device.WrittenPosition() << " written)";
    }

    // Heard byte for byte; the wave's last byte is never mixed.
    TBytes expected(samples.begin(), samples.end() - 1);
    expected.push_back(128);
    EXPECT_EQ(Device.Heard, expected);
    EXPECT_EQ(Device.QueuedBytes(), 0u) << "nothing is mixed after the wave";
    // The timer retires the ended wave: the channel goes idle by itself.
    EXPECT_TRUE(RunEventsUntil([&] { return Mixer->BusyChannels() == 0; }));
}

} // namespace
} // namespace zindo::test
