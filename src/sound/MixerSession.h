#pragma once

#include "sound/LoadedWave.h"
#include "sound/WaveOutDevice.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace zindo {

class TClock;
class TIniFile;

/// Play flags of a TPlayRequest.
enum TPlayFlag : std::uint32_t {
    pfClearChannel = 1,       ///< drop everything queued on the channel first
    pfLeastRecentChannel = 2, ///< ignore the channel given and take the least recently used one
    pfStartNow = 4,           ///< start at the position being heard, not after what is mixed
    pfHold = 8,               ///< only accept; placed with the next play without this flag
};

/// Loop count that plays a wave for ever.
inline constexpr std::uint16_t LoopForever = 0xFFFF;
/// A position that is never reached: the end of an endless entry.
inline constexpr std::uint32_t NeverPosition = 0x7FFFFFFF;
/// Channels of a session.
inline constexpr int MixerChannelCount = 8;
/// Queue entries of the fixed pool.
inline constexpr int QueuedPlayPoolSize = 100;
/// Output blocks allocated when the device opens, and the size of each.
inline constexpr int OutputBlockCount = 6;
inline constexpr std::uint32_t OutputBlockSize = 4096;
/// Value of both check words of a valid session.
inline constexpr std::uint16_t SessionCheckWord = 0x5432;

/// Optional settings for MixerInit; ignored unless Size is 10.
struct TMixerConfig {
    std::uint16_t Size = 10;     ///< must be 10
    std::uint32_t Flags = 0;     ///< bit 0: Channels counts; bit 1: Rate counts
    std::uint16_t Channels = 1;  ///< 2 asks for stereo
    std::uint16_t Rate = 11;     ///< 11, 22 or 44 for 11025, 22050, 44100 Hz
};

/// Called when a played wave has been retired: the channel and the wave.
using TPlayNotify = std::function<void(int Channel, const TLoadedWave* Wave)>;

/// One call of MixerPlay.
struct TPlayRequest {
    std::uint16_t Size = 24;              ///< not tested
    TMixerSession* Session = nullptr;     ///< the session to play on
    std::int32_t Channel = 0;             ///< 0..7; written back with pfLeastRecentChannel
    const TLoadedWave* Wave = nullptr;    ///< the wave to play
    TPlayNotify Notify;                   ///< told when the wave is retired, or empty
    std::uint32_t Flags = 0;              ///< TPlayFlag values
    std::uint16_t LoopCount = 0;          ///< plays LoopCount + 1 times; LoopForever = endless
};

/// An entry of a channel queue or of the pending list, from the fixed pool.
/// It sounds at positions p with Start <= p < End.
struct TQueuedPlay {
    TQueuedPlay* Next = nullptr;        ///< next entry of the same list
    TPlayRequest Request;               ///< copy of the request
    const TLoadedWave* Wave = nullptr;  ///< the wave
    std::uint32_t Length = 0;           ///< the wave's length in bytes
    std::uint32_t Start = 0;            ///< first position it sounds at
    std::uint32_t End = 0;              ///< first position it no longer sounds at
    const std::uint8_t* Data = nullptr; ///< the wave's samples
};

/// One output block: BlockLength mixed bytes on their way to the device.
struct TOutputBlock {
    std::array<std::uint8_t, OutputBlockSize> Data{}; ///< the mixed samples
    bool Free = true;                 ///< not being mixed and not at the device
    std::uint32_t StartPosition = 0;  ///< position of Data[0] on the mixer's timeline
    std::uint32_t DeviceEnd = 0;      ///< device byte count at which it is finished
    TOutputBlock* Next = nullptr;     ///< next block of the device queue
};

/// Which way the remix goes when a new sound must start before what is mixed.
enum TRemixMode : std::uint8_t {
    rmReset = 0, ///< ResetRemix: throw away the device's blocks and mix them again
    rmShift = 1, ///< ShiftRemix: move the new sound to start after what is mixed
};

/// The state of the one mixing session: eight channels with their queues,
/// the output format, the output blocks and the timeline that ties mixed
/// positions to what the device is playing. Created by MixerInit, released
/// by CloseSession; every operation checks the two check words first.
struct TMixerSession {
    std::uint16_t CheckWordFirst = 0;          ///< SessionCheckWord while valid
    TWaveOutDevice* Device = nullptr;          ///< the wave-output device
    TClock* Clock = nullptr;                   ///< millisecond clock for positions
    bool DeviceOpen = false;                   ///< the device is open
    bool Activated = false;                    ///< the session holds the device
    QString SectionName;                       ///< "default", then the device's product name
    std::int32_t DeviceId = -1;                ///< -1 = the default device
    std::array<TQueuedPlay*, MixerChannelCount> ChannelHead{}; ///< ChannelClosed, nullptr (idle) or the first entry
    std::int32_t OpenChannelCount = 0;         ///< channels open
    std::array<std::uint32_t, MixerChannelCount> ChannelStamp{}; ///< PlayCounter at the channel's last play
    std::uint32_t PlayCounter = 0;             ///< MixerPlay calls
    TWaveFormat OutputFormat;                  ///< 8-bit PCM, 1 or 2 channels
    std::uint32_t BlockLength = 0;             ///< bytes mixed into each block
    std::uint32_t BlockCount = 0;              ///< blocks in use, 2..6
    std::uint32_t MixPosition = 0;             ///< output is mixed up to here
    std::uint32_t ClockBase = 0;               ///< clock reading at position 0
    std::uint32_t DeviceOffset = 0;            ///< distance between device count and position
    bool OffsetAdd = false;                    ///< add DeviceOffset (else subtract)
    bool GoodWavePos = false;                  ///< trust the device's position over the clock
    TRemixMode RemixHandler = rmReset;         ///< ResetRemix or ShiftRemix
    TQueuedPlay* PendingFirst = nullptr;       ///< accepted, not yet placed (oldest)
    TQueuedPlay* PendingLast = nullptr;        ///< newest pending entry
    std::array<TQueuedPlay, QueuedPlayPoolSize> Pool{}; ///< every queue entry
    TQueuedPlay* FreeList = nullptr;           ///< unused entries of Pool
    std::array<TOutputBlock, OutputBlockCount> Blocks{}; ///< output blocks (while the device is open)
    TOutputBlock* DeviceQueue = nullptr;       ///< blocks at the device, in order
    std::uint16_t CheckWordLast = 0;           ///< SessionCheckWord while valid
};

/// The channel head of a closed channel.
TQueuedPlay* ChannelClosed();

/// The session that operations last worked on, and the one holding the device.
TMixerSession* CurrentSession();
TMixerSession* DeviceOwner();

/// Raises "Invalid Session handle" unless Session is valid; makes it current.
void CheckSession(TMixerSession* Session);

/// Creates the one session over Device, reading MIXER.INI from the program
/// directory. Raises "Session already initialized", "No wave output devices
/// available" and the device refusals.
TMixerSession* MixerInit(TWaveOutDevice& Device, TClock& Clock, const TMixerConfig* Config = nullptr);
/// The same with the settings Ini instead of those of MIXER.INI.
TMixerSession* MixerInit(TWaveOutDevice& Device, TClock& Clock, const TMixerConfig* Config, const TIniFile& Ini);
/// Takes (On) or gives back the device; channel queues survive deactivation.
void MixerActivate(TMixerSession* Session, bool On);
/// Mode 0: opens channel N; 1: all eight; 2: the first N.
void OpenChannels(TMixerSession* Session, std::int32_t N, std::uint32_t Mode);
/// Queues Request's wave and starts output.
void MixerPlay(TPlayRequest* Request);
/// Flag bits: 1 all channels, 2 no remix.
void FlushChannel(TMixerSession* Session, std::int32_t Channel, std::uint32_t Flags);
/// Flag bit 1: all channels. Flushes without remix and closes.
void CloseChannels(TMixerSession* Session, std::int32_t Channel, std::uint32_t Flags);
/// Releases everything; the handle is invalid afterwards.
void CloseSession(TMixerSession* Session);

/// Retires finished blocks and waves and mixes fresh blocks; nothing without
/// a device owner. Runs on the UI thread, from the mixer's timer.
void MixerPump();

/// PumpDueIn's answer when the pump has nothing to wait for.
inline constexpr std::uint32_t PumpNeverDue = 0xFFFFFFFF;
/// Milliseconds until MixerPump has work on Session: when the first block at
/// the device will have been played (a fresh one is mixed then), or the
/// first wave in a channel will have ended (it is retired then), whichever
/// comes first, a few milliseconds late rather than early; never later than
/// half of what the device holds has been played, so that a short queue is
/// refilled in time. PumpNeverDue when the device holds nothing and no
/// channel has a wave. Reads the device's position, changes nothing.
std::uint32_t PumpDueIn(TMixerSession* Session);

/// Ties position P to what is heard now, and sets MixPosition to it.
void SetPosition(TMixerSession* Session, std::uint32_t P);
/// The position being heard, from the device's byte count (UseDevice) or from
/// the clock.
std::uint32_t DevicePosition(TMixerSession* Session, bool UseDevice);

} // namespace zindo
