#include "sound/FakeWaveOutDevice.h"

namespace zindo {

bool TFakeWaveOutDevice::GetDevCaps(int, TWaveOutCaps& Caps)
{
    if (CapsFail)
        return false;
    Caps.ProductName = ProductName;
    Caps.Channels = DeviceChannels;
    Caps.Synchronous = Synchronous;
    return true;
}

bool TFakeWaveOutDevice::SupportsFormat(int, const TWaveFormat&)
{
    return FormatSupported;
}

int TFakeWaveOutDevice::Open(int, const TWaveFormat& AFormat)
{
    if (OpenError != 0)
        return OpenError;
    Format = AFormat;
    IsOpen = true;
    Paused = false;
    Queue.clear();
    Played = 0;
    Written = 0;
    ++OpenCount;
    return 0;
}

int TFakeWaveOutDevice::Write(const std::uint8_t* Data, std::uint32_t Length)
{
    if (!IsOpen || WriteFails)
        return 5;
    Queue.insert(Queue.end(), Data, Data + Length);
    Written += Length;
    return 0;
}

void TFakeWaveOutDevice::Reset()
{
    ++ResetCount;
    Written -= static_cast<std::uint32_t>(Queue.size());
    Queue.clear();
}

void TFakeWaveOutDevice::Close()
{
    Queue.clear();
    IsOpen = false;
}

std::uint32_t TFakeWaveOutDevice::Advance(std::uint32_t Bytes)
{
    if (!IsOpen || Paused)
        return 0;
    std::uint32_t n = 0;
    while (n < Bytes && !Queue.empty()) {
        Heard.push_back(Queue.front());
        Queue.pop_front();
        ++n;
    }
    Played += n;
    return n;
}

} // namespace zindo
