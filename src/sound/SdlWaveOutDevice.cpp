#include "sound/SdlWaveOutDevice.h"

#include <SDL.h>

namespace zindo {

namespace {

/// Error number reported for any SDL failure (the general error of the old
/// wave API).
constexpr int SdlFailure = 1;

} // namespace

TSdlWaveOutDevice::TSdlWaveOutDevice()
{
    SDL_SetMainReady();
    // SDL would turn SIGINT and SIGTERM into quit events nobody reads; the
    // game's own handlers (temporary files, display mode) must see them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
        AudioReady = true;
    else
        Error = QString::fromUtf8(SDL_GetError());
}

TSdlWaveOutDevice::~TSdlWaveOutDevice()
{
    Close();
    if (AudioReady)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int TSdlWaveOutDevice::NumDevs()
{
    if (!AudioReady)
        return 0;
    // Some drivers list nothing but still have a default device.
    const int n = SDL_GetNumAudioDevices(0);
    return n > 0 ? n : 1;
}

bool TSdlWaveOutDevice::GetDevCaps(int DeviceId, TWaveOutCaps& Caps)
{
    if (!AudioReady)
        return false;
    const char* name = DeviceId >= 0 ? SDL_GetAudioDeviceName(DeviceId, 0) : nullptr;
    if (name)
        Caps.ProductName = QString::fromUtf8(name);
    else if (const char* driver = SDL_GetCurrentAudioDriver())
        Caps.ProductName = QStringLiteral("SDL ") + QString::fromUtf8(driver);
    else
        return false;
    Caps.Channels = 2;
    Caps.Synchronous = false;
    return true;
}

bool TSdlWaveOutDevice::SupportsFormat(int, const TWaveFormat& Format)
{
    // SDL converts any of these itself.
    return AudioReady && Format.FormatTag == 1 && Format.BitsPerSample == 8
        && (Format.Channels == 1 || Format.Channels == 2) && Format.SamplesPerSec > 0;
}

int TSdlWaveOutDevice::Open(int DeviceId, const TWaveFormat& Format)
{
    if (!AudioReady)
        return SdlFailure;
    Close();
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(Format.SamplesPerSec);
    want.format = AUDIO_U8;
    want.channels = static_cast<Uint8>(Format.Channels);
    want.samples = 512;
    want.callback = nullptr;
    const char* name = DeviceId >= 0 ? SDL_GetAudioDeviceName(DeviceId, 0) : nullptr;
    SDL_AudioSpec have{};
    DeviceHandle = SDL_OpenAudioDevice(name, 0, &want, &have, 0);
    if (DeviceHandle == 0) {
        Error = QString::fromUtf8(SDL_GetError());
        return SdlFailure;
    }
    Written = 0;
    SDL_PauseAudioDevice(DeviceHandle, 0);
    return 0;
}

int TSdlWaveOutDevice::Write(const std::uint8_t* Data, std::uint32_t Length)
{
    if (DeviceHandle == 0)
        return SdlFailure;
    if (SDL_QueueAudio(DeviceHandle, Data, Length) != 0) {
        Error = QString::fromUtf8(SDL_GetError());
        return SdlFailure;
    }
    Written += Length;
    return 0;
}

std::uint32_t TSdlWaveOutDevice::Position()
{
    if (DeviceHandle == 0)
        return Written;
    return Written - SDL_GetQueuedAudioSize(DeviceHandle);
}

void TSdlWaveOutDevice::Pause()
{
    if (DeviceHandle != 0)
        SDL_PauseAudioDevice(DeviceHandle, 1);
}

void TSdlWaveOutDevice::Restart()
{
    if (DeviceHandle != 0)
        SDL_PauseAudioDevice(DeviceHandle, 0);
}

void TSdlWaveOutDevice::Reset()
{
    if (DeviceHandle == 0)
        return;
    SDL_LockAudioDevice(DeviceHandle);
    Written -= SDL_GetQueuedAudioSize(DeviceHandle);
    SDL_ClearQueuedAudio(DeviceHandle);
    SDL_UnlockAudioDevice(DeviceHandle);
}

void TSdlWaveOutDevice::Close()
{
    if (DeviceHandle != 0) {
        SDL_CloseAudioDevice(DeviceHandle);
        DeviceHandle = 0;
    }
}

} // namespace zindo
