// MIXER.INI, which players write by hand beside the program: any text sets up
// a mixing session within its limits, or is refused with the mixer's error.
#include "FuzzSupport.h"

#include "data/Clock.h"
#include "data/IniFile.h"
#include "sound/FakeWaveOutDevice.h"
#include "sound/MixerSession.h"
#include "sound/SoundMixerError.h"

using namespace zindo;
using namespace zindo::fuzz;

namespace {

const char* const DeviceNames[] = {"Fake Wave Out", "default", "USB/Audio \\ Card", "Gen\xC3\xA9ral [1]"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 1)
        return 0;
    // MixerInit reads MIXER.INI through TIniFile::Read, which parses the
    // file's bytes as here.
    const TIniFile ini = TIniFile::FromBytes(Bytes(Data + 1, Size - 1));

    TFakeWaveOutDevice device;
    device.DeviceCount = 1 + (Data[0] & 3);
    device.ProductName = QString::fromUtf8(DeviceNames[(Data[0] >> 2) & 3]);
    device.DeviceChannels = static_cast<std::uint16_t>(1 + ((Data[0] >> 4) & 1));
    TManualClock clock;
    TMixerConfig config;
    config.Flags = (Data[0] >> 5) & 3;
    config.Channels = 2;
    config.Rate = (Data[0] & 0x80) ? 44 : 22;
    TMixerSession* session = nullptr;
    try {
        session = MixerInit(device, clock, &config, ini);
    } catch (const ESoundMixerError&) {
        return 0;
    }
    Require(session->BlockCount >= 2 && session->BlockCount <= 6, "2 to 6 blocks");
    Require(session->BlockLength >= 512 && session->BlockLength <= OutputBlockSize, "a block within its buffer");
    Require(session->OutputFormat.Channels == 1 || session->BlockLength % 2 == 0, "stereo blocks hold whole frames");
    Require(session->DeviceId >= -1 && session->DeviceId < device.DeviceCount, "a device that exists");
    const std::uint32_t rate = session->OutputFormat.SamplesPerSec;
    Require(rate == 11025 || rate == 22050 || rate == 44100, "one of the three rates");
    CloseSession(session);
    return 0;
}
