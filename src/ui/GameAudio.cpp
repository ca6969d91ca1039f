#include "GameAudio.h"

namespace zindo {

TGameAudio::TGameAudio(std::unique_ptr<TSoundOutput> Output)
    : Sound(Output ? std::move(Output) : std::make_unique<TSoundOutput>())
{
}

void TGameAudio::LoadSounds()
{
    if (SoundsLoaded)
        return;
    Sound->LoadEffectSounds();
    SoundsLoaded = true;
    UpdateMusic();
}

void TGameAudio::PlayPendingEffect()
{
    if (!EffectDue())
        return;
    const std::uint8_t code = PendingEffect;
    PendingEffect = 0;
    if (SoundEffectsOn)
        Sound->PlayEffect(code & 127);
}

void TGameAudio::AllowMusic()
{
    ScreenAllowsMusic = true;
    UpdateMusic();
}

void TGameAudio::ForbidMusic()
{
    ScreenAllowsMusic = false;
    UpdateMusic();
}

void TGameAudio::SetMusicOn(bool On)
{
    BackgroundMusicOn = On;
    UpdateMusic();
}

void TGameAudio::UpdateMusic()
{
    if (SoundsLoaded)
        Sound->PlayOrStopMusic(BackgroundMusicOn && ScreenAllowsMusic ? 2 : 0);
}

} // namespace zindo
