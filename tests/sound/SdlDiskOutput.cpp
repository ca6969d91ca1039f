// End to end through SDL2: with the "disk" driver SDL writes what would be
// heard into a file.
#include "SoundTestSupport.h"

#include "sound/SdlWaveOutDevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace zindo::test {
namespace {

TEST(SdlDiskOutput, AnEffectPlayedThroughSdlReachesTheOutput)
{
    TTestTree tree;
    const QString output = tree.Path(QStringLiteral("tmp/heard.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    qputenv("SDL_DISKAUDIODELAY", "0");
    TSdlWaveOutDevice device;
    qunsetenv("SDL_AUDIODRIVER");
    if (device.NumDevs() == 0)
        GTEST_SKIP() << "SDL has no disk audio driver: " << device.LastError().toStdString();

    std::unique_ptr<TSoundMixer> mixer;
    try {
        mixer = std::make_unique<TSoundMixer>(device, SystemClock());
        mixer->SetChannels(7);
        mixer->SetActivated(true);
    } catch (const ESoundMixerError& e) {
        GTEST_SKIP() << "SDL cannot open the disk driver: " << e.Message().toStdString();
    }

    TBytes tone(4000);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = (i / 10) % 2 ? 200 : 56;
    tree.Write(QStringLiteral("tmp/tone.wav"), WaveImage(tone));
    auto wave = mixer->LoadWave(tree.Path(QStringLiteral("tmp/tone.wav")));
    mixer->Play(1, *wave, nullptr, pfClearChannel | pfStartNow, 0);

    // Pump until SDL has taken the tone, with a generous limit for a slow machine.
    QElapsedTimer waited;
    waited.start();
    while (device.Position() < 4000 && waited.elapsed() < 20000) {
        mixer->Pump();
        QThread::msleep(10);
    }
    mixer.reset(); // closes the device, which finishes the file
    qunsetenv("SDL_DISKAUDIOFILE");
    qunsetenv("SDL_DISKAUDIODELAY");

    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray heard = file.readAll();
    const auto loud = std::count_if(heard.begin(), heard.end(), [](char c) {
        const int v = static_cast<unsigned char>(c);
        return v >= 190 || v <= 66;
    });
    EXPECT_GT(loud, 1000) << "bytes written: " << heard.size();
}

} // namespace
} // namespace zindo::test
