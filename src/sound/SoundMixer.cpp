#include "sound/SoundMixer.h"

#include "sound/SoundMixerError.h"

#include <QCoreApplication>

#include <algorithm>

namespace zindo {

TSoundMixer::TSoundMixer(TWaveOutDevice& Device, TClock& Clock)
{
    TMixerConfig config;
    config.Size = 10;
    config.Flags = 0;
    Request.Size = 24;
    Request.Session = MixerInit(Device, Clock, &config);
    PumpTimer.setSingleShot(true);
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
    if (Value == DeviceHeld)
        return;
    if (!Value)
        PumpTimer.stop();
    MixerActivate(Request.Session, Value);
    DeviceHeld = Value;
    SchedulePump();
}

void TSoundMixer::SchedulePump()
{
    // The application object may come after the mixer; the timer starts at
    // the first chance.
    if (!DeviceHeld || !QCoreApplication::instance()) {
        PumpTimer.stop();
        return;
    }
    const std::uint32_t due = PumpDueIn(Request.Session);
    if (due == PumpNeverDue)
        PumpTimer.stop();
    else
        PumpTimer.start(static_cast<int>(std::min<std::uint32_t>(due, 60000)));
}

void TSoundMixer::SetChannels(std::uint8_t Value)
{
    if (Value == OpenChannelMask)
        return;
    if (Value == 255) {
        OpenChannels(Request.Session, 0, 1);
    } else if (Value == 0) {
        CloseChannels(Request.Session, 0, 1);
    } else {
        for (int c = 0; c < MixerChannelCount; ++c) {
            const bool was = (OpenChannelMask >> c) & 1;
            const bool now = (Value >> c) & 1;
            if (now && !was)
                OpenChannels(Request.Session, c, 0);
            else if (was && !now)
                CloseChannels(Request.Session, c, 0);
        }
    }
    OpenChannelMask = Value;
    SchedulePump();
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
    SchedulePump();
}

void TSoundMixer::Play(std::int32_t Channel, const TLoadedWave& Wave, TPlayNotify Notify, std::uint32_t Flags,
                       std::uint16_t LoopCount)
{
    Request.Channel = Channel;
    Request.Wave = &Wave;
    Request.Notify = std::move(Notify);
    Request.Flags = Flags;
    Request.LoopCount = LoopCount;
    MixerPlay(&Request);
    SchedulePump();
}

void TSoundMixer::Pump()
{
    // Set again also when the pump fails: the next one may succeed.
    struct TReschedule {
        TSoundMixer& Mixer;
        ~TReschedule() { Mixer.SchedulePump(); }
    } reschedule{*this};
    MixerPump();
}

} // namespace zindo
