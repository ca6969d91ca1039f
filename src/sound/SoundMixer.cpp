#include "sound/SoundMixer.h"

#include "sound/SoundMixerError.h"

#include <QCoreApplication>

namespace zindo {

TSoundMixer::TSoundMixer(TWaveOutDevice& Device, TClock& Clock)
{
    TMixerConfig config;
    config.Size = 10;
    config.Flags = 0;
    Request.Size = 24;
    Request.Session = MixerInit(Device, Clock, &config);
    PumpTimer.setInterval(20);
    QObject::connect(&PumpTimer, &QTimer::timeout, [this] {
        try {
            Pump();
        } catch (const EQzError& e) {
            if (OnPumpError)
                OnPumpError(e.Message());
        }
    });
}

TSoundMixer::~TSoundMixer()
{
    PumpTimer.stop();
    try {
        SetChannels(0);
    } catch (const EQzError&) {
    }
    try {
        SetActivated(false);
    } catch (const EQzError&) {
    }
    try {
        CloseSession(Request.Session);
    } catch (const EQzError&) {
    }
}

void TSoundMixer::SetActivated(bool Value)
{
    if (Value == FActivated)
        return;
    if (!Value)
        PumpTimer.stop();
    MixerActivate(Request.Session, Value);
    FActivated = Value;
    KeepPumping();
}

void TSoundMixer::KeepPumping()
{
    // The application object may come after the mixer; the timer starts at
    // the first chance.
    if (FActivated && !PumpTimer.isActive() && QCoreApplication::instance())
        PumpTimer.start();
}

void TSoundMixer::SetChannels(std::uint8_t Value)
{
    if (Value == FChannels)
        return;
    if (Value == 255) {
        OpenChannels(Request.Session, 0, 1);
    } else if (Value == 0) {
        CloseChannels(Request.Session, 0, 1);
    } else {
        for (int c = 0; c < MixerChannelCount; ++c) {
            const bool was = (FChannels >> c) & 1;
            const bool now = (Value >> c) & 1;
            if (now && !was)
                OpenChannels(Request.Session, c, 0);
            else if (was && !now)
                CloseChannels(Request.Session, c, 0);
        }
    }
    FChannels = Value;
}

std::uint8_t TSoundMixer::BusyChannels() const
{
    const TMixerSession* s = Request.Session;
    std::uint8_t mask = 0;
    for (int c = 0; c < MixerChannelCount; ++c) {
        const TQueuedPlay* head = s->ChannelHead[static_cast<std::size_t>(c)];
        if (head != ChannelClosed() && head != nullptr)
            mask |= static_cast<std::uint8_t>(1u << c);
    }
    return mask;
}

std::unique_ptr<TLoadedWave> TSoundMixer::LoadWave(const QString& FileName)
{
    return zindo::LoadWave(Request.Session, FileName);
}

void TSoundMixer::Flush(std::int32_t Channel, bool NoRemix)
{
    FlushChannel(Request.Session, Channel, NoRemix ? 2 : 0);
}

void TSoundMixer::Play(std::int32_t Channel, const TLoadedWave& Wave, TPlayNotify Notify, std::uint32_t Flags,
                       std::uint16_t LoopCount)
{
    Request.Channel = Channel;
    Request.Wave = &Wave;
    Request.Notify = std::move(Notify);
    Request.Flags = Flags;
    Request.LoopCount = LoopCount;
    KeepPumping();
    MixerPlay(&Request);
}

void TSoundMixer::Pump()
{
    MixerPump();
}

} // namespace zindo
