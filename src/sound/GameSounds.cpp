#include "sound/GameSounds.h"

#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "sound/SdlWaveOutDevice.h"
#include "sound/SoundMixerError.h"

#include <QCoreApplication>

namespace zindo {

namespace {

/// Effect files in loading order, with their slots.
struct TEffectFile {
    const char* Name;
    int Slot;
};
constexpr TEffectFile EffectFiles[] = {
    {"MSEMAGIC", 6}, {"MSEPTAKE", 1}, {"MSEPDROP", 2}, {"MSERISKWON", 4}, {"MSERISKLOST", 5}, {"MSERISKTAKE", 3},
};

constexpr int EffectChannel = 1;
constexpr int MusicChannel = 2;

} // namespace

TGameSounds::TGameSounds(std::unique_ptr<TWaveOutDevice> ADevice, TClock& Clock)
    : WaveDevice(std::move(ADevice))
{
    try {
        SoundMixer = std::make_unique<TSoundMixer>(*WaveDevice, Clock);
        SoundMixer->SetActivated(true);
        SoundMixer->SetChannels(7);
        SoundMixer->OnPumpError = [this](const QString& Message) { Report(Message); };
    } catch (const EQzError& e) {
        SoundMixer.reset();
        StartupError = e.Message();
        const QString reason = WaveDevice->LastError();
        if (!reason.isEmpty())
            StartupError += QStringLiteral(" (") + reason + QLatin1Char(')');
    }
}

TGameSounds::~TGameSounds()
{
    // The mixer lets go of the device before the device goes.
    SoundMixer.reset();
}

void TGameSounds::Report(const QString& Message)
{
    if (ShowMessage)
        ShowMessage(QCoreApplication::translate("GameSounds", "Sound error: %1").arg(Message));
}

void TGameSounds::LoadEffectSounds()
{
    if (!SoundMixer) {
        Report(StartupError);
        return;
    }
    try {
        for (const TEffectFile& file : EffectFiles) {
            const QString path = GameDataPath(QStringLiteral("snd/") + QLatin1String(file.Name) + QStringLiteral(".DAT"));
            EffectSounds[static_cast<std::size_t>(file.Slot)] = SoundMixer->LoadWave(DecodeToTemp(path));
        }
    } catch (const EQzError& e) {
        for (auto& slot : EffectSounds)
            slot.reset();
        Report(e.Message());
    }
}

void TGameSounds::PlayEffect(std::uint8_t Code)
{
    if (!SoundMixer || Code >= EffectSounds.size() || !EffectSounds[Code])
        return;
    try {
        SoundMixer->Play(EffectChannel, *EffectSounds[Code], nullptr, pfClearChannel | pfStartNow, 0);
    } catch (const EQzError& e) {
        Report(e.Message());
    }
}

void TGameSounds::PlayOrStopMusic(int Wanted)
{
    if (!SoundMixer)
        return;
    const bool busy = (SoundMixer->BusyChannels() >> MusicChannel) & 1;
    try {
        if (Wanted != 0) {
            if (busy)
                return;
            if (!MusicWave)
                MusicWave = SoundMixer->LoadWave(
                    DecodeToTemp(GameDataPath(QStringLiteral("snd/mbk2.dat"))));
            if (MusicWave)
                SoundMixer->Play(MusicChannel, *MusicWave, nullptr, pfStartNow, LoopForever);
        } else if (busy) {
            SoundMixer->Flush(MusicChannel, true);
        }
    } catch (const EQzError& e) {
        Report(e.Message());
    }
}

TSoundOutputMadeLater::TSoundOutputMadeLater(std::function<std::unique_ptr<TSoundOutput>()> AMake)
    : Make(std::move(AMake))
{
}

void TSoundOutputMadeLater::LoadEffectSounds()
{
    if (!Made) {
        Made = Make();
        Made->ShowMessage = ShowMessage;
    }
    Made->LoadEffectSounds();
}

void TSoundOutputMadeLater::PlayEffect(std::uint8_t Code)
{
    if (Made)
        Made->PlayEffect(Code);
}

void TSoundOutputMadeLater::PlayOrStopMusic(int Wanted)
{
    if (Made)
        Made->PlayOrStopMusic(Wanted);
}

std::unique_ptr<TGameSounds> MakeDefaultGameSounds()
{
    return std::make_unique<TGameSounds>(std::make_unique<TSdlWaveOutDevice>(), SystemClock());
}

} // namespace zindo
