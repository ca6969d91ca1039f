#include "sound/SdlWaveOutDevice.h"

#include "data/SdlLibrary.h"

#include <SDL.h>

namespace zindo {

namespace {

/// Error number reported for any SDL failure (the general error of the old
/// wave API).
constexpr int SdlFailure = 1;

// The SDL functions the device calls.
#define ZINDO_SDL_FUNCTIONS(X)                                                                                    \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_GetNumAudioDevices) X(SDL_GetAudioDeviceName) \
    X(SDL_GetCurrentAudioDriver) X(SDL_OpenAudioDevice) X(SDL_PauseAudioDevice) X(SDL_QueueAudio)                 \
    X(SDL_GetQueuedAudioSize) X(SDL_LockAudioDevice) X(SDL_UnlockAudioDevice) X(SDL_ClearQueuedAudio)             \
    X(SDL_CloseAudioDevice)

/// SDL2, loaded when the first device is made rather than with the program:
/// the library and the thirty others it brings (sound servers, codecs) would
/// otherwise be loaded before the window can show.
struct TSdlLibrary {
    ZINDO_FUNCTION_TABLE(ZINDO_SDL_FUNCTIONS)
    QString Error; ///< why the library cannot be used; empty when it can
};

const TSdlLibrary& Sdl()
{
    static const TSdlLibrary library = [] {
        TSharedLibrary sdl = OpenSdlLibrary();
        TSdlLibrary loaded;
        loaded.Resolve(sdl);
        if (!sdl.Error().isEmpty()) {
            loaded = TSdlLibrary();
            loaded.Error = sdl.Error();
        }
        return loaded;
    }();
    return library;
}

} // namespace

TSdlWaveOutDevice::TSdlWaveOutDevice()
{
    if (!Sdl().Error.isEmpty()) {
        Error = Sdl().Error;
        return;
    }
    if (Sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
        AudioReady = true;
    else
        Error = QString::fromUtf8(Sdl().SDL_GetError());
}

TSdlWaveOutDevice::~TSdlWaveOutDevice()
{
    Close();
    if (AudioReady)
        Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int TSdlWaveOutDevice::NumDevs()
{
    if (!AudioReady)
        return 0;
    // Some drivers list nothing but still have a default device.
    const int n = Sdl().SDL_GetNumAudioDevices(0);
    return n > 0 ? n : 1;
}

bool TSdlWaveOutDevice::GetDevCaps(int DeviceId, TWaveOutCaps& Caps)
{
    if (!AudioReady)
        return false;
    const char* name = DeviceId >= 0 ? Sdl().SDL_GetAudioDeviceName(DeviceId, 0) : nullptr;
    if (name)
        Caps.ProductName = QString::fromUtf8(name);
    else if (const char* driver = Sdl().SDL_GetCurrentAudioDriver())
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
    const char* name = DeviceId >= 0 ? Sdl().SDL_GetAudioDeviceName(DeviceId, 0) : nullptr;
    SDL_AudioSpec have{};
    DeviceHandle = Sdl().SDL_OpenAudioDevice(name, 0, &want, &have, 0);
    if (DeviceHandle == 0) {
        Error = QString::fromUtf8(Sdl().SDL_GetError());
        return SdlFailure;
    }
    Written = 0;
    Sdl().SDL_PauseAudioDevice(DeviceHandle, 0);
    return 0;
}

int TSdlWaveOutDevice::Write(const std::uint8_t* Data, std::uint32_t Length)
{
    if (DeviceHandle == 0)
        return SdlFailure;
    if (Sdl().SDL_QueueAudio(DeviceHandle, Data, Length) != 0) {
        Error = QString::fromUtf8(Sdl().SDL_GetError());
        return SdlFailure;
    }
    Written += Length;
    return 0;
}

std::uint32_t TSdlWaveOutDevice::Position()
{
    if (DeviceHandle == 0)
        return Written;
    return Written - Sdl().SDL_GetQueuedAudioSize(DeviceHandle);
}

void TSdlWaveOutDevice::Pause()
{
    if (DeviceHandle != 0)
        Sdl().SDL_PauseAudioDevice(DeviceHandle, 1);
}

void TSdlWaveOutDevice::Restart()
{
    if (DeviceHandle != 0)
        Sdl().SDL_PauseAudioDevice(DeviceHandle, 0);
}

void TSdlWaveOutDevice::Reset()
{
    if (DeviceHandle == 0)
        return;
    Sdl().SDL_LockAudioDevice(DeviceHandle);
    Written -= Sdl().SDL_GetQueuedAudioSize(DeviceHandle);
    Sdl().SDL_ClearQueuedAudio(DeviceHandle);
    Sdl().SDL_UnlockAudioDevice(DeviceHandle);
}

void TSdlWaveOutDevice::Close()
{
    if (DeviceHandle != 0) {
        Sdl().SDL_CloseAudioDevice(DeviceHandle);
        DeviceHandle = 0;
    }
}

} // namespace zindo
