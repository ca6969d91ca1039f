// RIFF/WAVE loading and conversion (the sounds under dat/snd): any bytes either
// load into a wave in the mixer's format or fail with the loader's error, for
// every output format the mixer can be set to.
#include "FuzzSupport.h"

#include "data/Clock.h"
#include "data/Paths.h"
#include "sound/FakeWaveOutDevice.h"
#include "sound/LoadedWave.h"
#include "sound/MixerSession.h"
#include "sound/SoundMixerError.h"

using namespace zindo;
using namespace zindo::fuzz;

namespace {

TMixerSession* Session = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetProgramDirectory(QStringLiteral("/nonexistent/zindo-fuzz/bin")); // no MIXER.INI: the defaults
    static TFakeWaveOutDevice device;
    static TManualClock clock;
    Session = MixerInit(device, clock);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 1)
        return 0;
    // The first byte picks the output format: mono or stereo, 11025, 22050 or 44100 Hz.
    TWaveFormat& out = Session->OutputFormat;
    out.Channels = static_cast<std::uint16_t>(1 + (Data[0] & 1));
    out.BlockAlign = out.Channels;
    out.SamplesPerSec = (Data[0] >> 1) % 3 == 0 ? 11025 : (Data[0] >> 1) % 3 == 1 ? 22050 : 44100;
    out.AvgBytesPerSec = out.SamplesPerSec * out.Channels;
    try {
        const auto wave = LoadWaveFromMemory(Session, Bytes(Data + 1, Size - 1), QStringLiteral("fuzz"));
        Require(wave->Length == wave->Data.size(), "length matches the data");
        Require(wave->Length > 0 && wave->Length <= MaxConvertedWaveBytes, "a wave within the size limit");
        Require(wave->Format.SamplesPerSec >= 1000 && wave->Format.SamplesPerSec <= 192000, "a sane rate");
    } catch (const ESoundMixerError&) {
    }
    return 0;
}
