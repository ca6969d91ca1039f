#include "sound/MixerSession.h"

#include "data/Clock.h"
#include "data/GamePaths.h"
#include "data/IniFile.h"
#include "sound/SoundMixerError.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <new>

namespace zindo {

namespace {

TQueuedPlay ClosedMark;
TMixerSession* Current = nullptr;
TMixerSession* Owner = nullptr;

const char* const OutOfMemory = QT_TRANSLATE_NOOP("SoundMixer", "Unable to allocate memory for waveform data.  Try "
                                                                "making more memory available by closing other "
                                                                "applications.");

[[noreturn]] void Fail(const QString& Message)
{
    throw ESoundMixerError(Message);
}

/// Raises Message in the player's language where it has a translation (the
/// texts a player can meet are marked with QT_TRANSLATE_NOOP; the others tell
/// of faults in the program and stay as they are).
[[noreturn]] void Fail(const char* Message)
{
    throw ESoundMixerError(QCoreApplication::translate("SoundMixer", Message));
}

bool IsOpen(const TMixerSession& S, int Channel)
{
    return S.ChannelHead[static_cast<std::size_t>(Channel)] != ChannelClosed();
}

TQueuedPlay*& Head(TMixerSession& S, int Channel)
{
    return S.ChannelHead[static_cast<std::size_t>(Channel)];
}

void ReleaseEntry(TMixerSession& S, TQueuedPlay* E)
{
    *E = TQueuedPlay();
    E->Next = S.FreeList;
    S.FreeList = E;
}

/// Returns every entry of a channel to the pool; answers whether any was there.
bool ReleaseChannel(TMixerSession& S, int Channel)
{
    TQueuedPlay* e = Head(S, Channel);
    if (e == ChannelClosed() || e == nullptr)
        return false;
    while (e) {
        TQueuedPlay* next = e->Next;
        ReleaseEntry(S, e);
        e = next;
    }
    Head(S, Channel) = nullptr;
    return true;
}

// ---- output blocks ----

TOutputBlock* TakeFreeBlock(TMixerSession& S)
{
    for (std::uint32_t i = 0; i < S.BlockCount; ++i) {
        TOutputBlock& b = S.Blocks[i];
        if (b.Free) {
            b.Free = false;
            b.Next = nullptr;
            return &b;
        }
    }
    return nullptr;
}

void ReturnBlock(TOutputBlock* B)
{
    B->Free = true;
    B->Next = nullptr;
}

void AppendToDeviceQueue(TMixerSession& S, TOutputBlock* B)
{
    B->Next = nullptr;
    TOutputBlock** link = &S.DeviceQueue;
    while (*link)
        link = &(*link)->Next;
    *link = B;
}

void RemoveFromDeviceQueue(TMixerSession& S, TOutputBlock* B)
{
    for (TOutputBlock** link = &S.DeviceQueue; *link; link = &(*link)->Next)
        if (*link == B) {
            *link = B->Next;
            B->Next = nullptr;
            return;
        }
}

void ReturnDeviceQueue(TMixerSession& S)
{
    while (S.DeviceQueue) {
        TOutputBlock* b = S.DeviceQueue;
        S.DeviceQueue = b->Next;
        ReturnBlock(b);
    }
}

void WriteBlock(TMixerSession& S, TOutputBlock* B)
{
    if (S.Device->Write(B->Data.data(), S.BlockLength) != 0) {
        RemoveFromDeviceQueue(S, B);
        ReturnBlock(B);
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "Failed to write block to device"));
    }
    B->DeviceEnd = S.Device->WrittenPosition();
}

/// Position being heard, read the way the session's settings ask for.
std::uint32_t HeardPosition(TMixerSession& S)
{
    return DevicePosition(&S, S.GoodWavePos);
}

/// Resets the device without moving the timeline: what is heard now keeps
/// its position.
void ResetKeepingPosition(TMixerSession& S)
{
    const std::uint32_t p = HeardPosition(S);
    S.Device->Reset();
    SetPosition(&S, p);
}

// ---- mixing ----

/// Mixes BlockLength bytes from MixPosition into B. Answers false when no
/// channel has anything left; with Submit the block then goes back to the
/// pool, else it is written to the device.
bool MixBlock(TMixerSession& S, TOutputBlock* B, bool Submit)
{
    std::array<TQueuedPlay*, MixerChannelCount> active{};
    int activeCount = 0;
    std::uint32_t nextStart = NeverPosition;
    for (int c = 0; c < MixerChannelCount; ++c) {
        if (!IsOpen(S, c))
            continue;
        TQueuedPlay* e = Head(S, c);
        while (e && e->End <= S.MixPosition)
            e = e->Next;
        if (e) {
            active[static_cast<std::size_t>(activeCount++)] = e;
            nextStart = std::min(nextStart, e->Start);
        }
    }
    if (activeCount == 0) {
        if (Submit)
            ReturnBlock(B);
        return false;
    }

    std::uint32_t pos = S.MixPosition;
    std::uint32_t remaining = S.BlockLength;
    std::uint8_t* out = B->Data.data();
    while (remaining > 0) {
        if (pos < nextStart) {
            const std::uint32_t n = std::min(remaining, nextStart - pos);
            std::memset(out, 128, n);
            out += n;
            pos += n;
            remaining -= n;
            continue;
        }
        std::uint32_t chunkEnd = pos + remaining;
        std::array<const std::uint8_t*, MixerChannelCount> sources{};
        int sourceCount = 0;
        for (int i = 0; i < activeCount; ++i) {
            const TQueuedPlay* e = active[static_cast<std::size_t>(i)];
            if (pos < e->Start) {
                chunkEnd = std::min(chunkEnd, e->Start);
                continue;
            }
            chunkEnd = std::min(chunkEnd, e->End);
            std::uint32_t offset = pos - e->Start;
            if (e->Request.LoopCount != 0) {
                offset %= e->Length;
                chunkEnd = std::min(chunkEnd, pos + e->Length - offset);
            }
            sources[static_cast<std::size_t>(sourceCount++)] = e->Data + offset;
        }
        const std::uint32_t n = chunkEnd - pos;
        if (sourceCount == 1) {
            std::memcpy(out, sources[0], n);
        } else {
            for (std::uint32_t k = 0; k < n; ++k) {
                int sum = 128;
                for (int i = 0; i < sourceCount; ++i)
                    sum += int(sources[static_cast<std::size_t>(i)][k]) - 128;
                out[k] = static_cast<std::uint8_t>(std::clamp(sum, 0, 255));
            }
        }
        out += n;
        pos = chunkEnd;
        remaining -= n;

        nextStart = NeverPosition;
        int kept = 0;
        for (int i = 0; i < activeCount; ++i) {
            TQueuedPlay* e = active[static_cast<std::size_t>(i)];
            while (e && e->End <= pos)
                e = e->Next;
            if (e) {
                active[static_cast<std::size_t>(kept++)] = e;
                nextStart = std::min(nextStart, e->Start);
            }
        }
        activeCount = kept;
    }

    B->StartPosition = S.MixPosition;
    S.MixPosition += S.BlockLength;
    if (Submit) {
        AppendToDeviceQueue(S, B);
        WriteBlock(S, B);
    }
    return true;
}

void FillBlocks(TMixerSession& S)
{
    while (TOutputBlock* b = TakeFreeBlock(S))
        if (!MixBlock(S, b, true))
            break;
}

void Pump(TMixerSession& S);

void ResetRemix(TMixerSession& S, std::uint32_t Start)
{
    S.MixPosition = Start;
    ReturnDeviceQueue(S);
    while (TOutputBlock* b = TakeFreeBlock(S)) {
        if (!MixBlock(S, b, false)) {
            ReturnBlock(b);
            break;
        }
        AppendToDeviceQueue(S, b);
    }
    const std::uint32_t mixed = S.MixPosition;
    ResetKeepingPosition(S);
    S.MixPosition = mixed;
    S.Device->Pause();
    for (TOutputBlock* b = S.DeviceQueue; b;) {
        TOutputBlock* next = b->Next;
        try {
            WriteBlock(S, b);
        } catch (...) {
            S.Device->Restart();
            throw;
        }
        b = next;
    }
    S.Device->Restart();
}

void ShiftRemix(TMixerSession& S, TQueuedPlay* Entry)
{
    if (Entry) {
        const std::uint32_t shift = S.MixPosition - Entry->Start;
        const bool endless = Entry->End == NeverPosition;
        Entry->Start += shift;
        if (!endless) {
            Entry->End += shift;
            if (Entry->End < Entry->Start)
                Entry->End = NeverPosition;
        }
    }
    Pump(S);
}

void Remix(TMixerSession& S, TQueuedPlay* Entry, std::uint32_t Start)
{
    if (S.RemixHandler == rmShift)
        ShiftRemix(S, Entry);
    else
        ResetRemix(S, Start);
}

void Pump(TMixerSession& S)
{
    if (!S.DeviceOpen)
        return;
    const std::uint32_t played = S.Device->Position();
    for (TOutputBlock* b = S.DeviceQueue; b;) {
        TOutputBlock* next = b->Next;
        if (static_cast<std::int32_t>(played - b->DeviceEnd) >= 0) {
            RemoveFromDeviceQueue(S, b);
            ReturnBlock(b);
        }
        b = next;
    }
    // With every block played the device has run dry (or nothing plays):
    // what is mixed next is what is heard next. Tying the timeline to that
    // again keeps a stall of the UI thread from delaying every later sound
    // by its length when positions come from the clock.
    if (!S.DeviceQueue && S.Activated)
        SetPosition(&S, S.MixPosition);

    struct TDone {
        TPlayNotify Notify;
        int Channel;
        const TLoadedWave* Wave;
    };
    std::vector<TDone> done;
    const std::uint32_t p = DevicePosition(&S, true);
    for (int c = 0; c < MixerChannelCount; ++c) {
        if (!IsOpen(S, c))
            continue;
        while (TQueuedPlay* e = Head(S, c)) {
            if (e->End > p)
                break;
            Head(S, c) = e->Next;
            if (e->Request.Notify)
                done.push_back({e->Request.Notify, c, e->Wave});
            ReleaseEntry(S, e);
        }
    }
    FillBlocks(S);
    // Told last, so a listener may play the next wave straight away.
    for (const TDone& d : done)
        d.Notify(d.Channel, d.Wave);
}

void CloseDevice(TMixerSession& S)
{
    ReturnDeviceQueue(S);
    for (TOutputBlock& b : S.Blocks)
        ReturnBlock(&b);
    S.Device->Close();
    S.DeviceOpen = false;
}

int ReadInt(const TIniFile& Ini, const QString& Section, const char* Key, int Default)
{
    return Ini.IntValue(Section, QLatin1String(Key), Default);
}

} // namespace

TQueuedPlay* ChannelClosed()
{
    return &ClosedMark;
}

TMixerSession* CurrentSession()
{
    return Current;
}

TMixerSession* DeviceOwner()
{
    return Owner;
}

void CheckSession(TMixerSession* Session)
{
    if (!Session || Session->CheckWordFirst != SessionCheckWord || Session->CheckWordLast != SessionCheckWord)
        Fail("Invalid Session handle");
    Current = Session;
}

TMixerSession* MixerInit(TWaveOutDevice& Device, TClock& Clock, const TMixerConfig* Config)
{
    // The first MIXER.INI that exists tunes the mixer; without one the
    // defaults hold.
    for (const QString& file : MixerIniFiles())
        if (QFileInfo::exists(file))
            return MixerInit(Device, Clock, Config, TIniFile::Read(file));
    return MixerInit(Device, Clock, Config, TIniFile());
}

TMixerSession* MixerInit(TWaveOutDevice& Device, TClock& Clock, const TMixerConfig* Config, const TIniFile& Ini)
{
    if (Current)
        Fail("Session already initialized");
    if (Config && Config->Size != 10)
        Config = nullptr;
    const int deviceCount = Device.NumDevs();
    if (deviceCount <= 0)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "No wave output devices available"));

    auto* s = new (std::nothrow) TMixerSession();
    if (!s)
        Fail(OutOfMemory);
    s->CheckWordFirst = SessionCheckWord;
    s->CheckWordLast = SessionCheckWord;
    s->Device = &Device;
    s->Clock = &Clock;
    s->SectionName = QStringLiteral("default");
    for (auto& h : s->ChannelHead)
        h = ChannelClosed();
    for (auto& e : s->Pool) {
        e.Next = s->FreeList;
        s->FreeList = &e;
    }
    s->OutputFormat = {1, 1, 11025, 11025, 1, 8};

    const QString def = QStringLiteral("default");
    const int remix = ReadInt(Ini, def, "Remix", 1);
    const int goodWavePos = ReadInt(Ini, def, "GoodWavePos", 0);
    const int waveBlocks = ReadInt(Ini, def, "WaveBlocks", 3);
    const int waveBlockLen = (ReadInt(Ini, def, "WaveBlockLen", 0) & 0xFFFF) & ~3;
    const int samplesPerSec = ReadInt(Ini, def, "SamplesPerSec", 11);
    s->DeviceId = ReadInt(Ini, QStringLiteral("general"), "WaveOutDevice", -1);
    if (s->DeviceId >= deviceCount || s->DeviceId < -1)
        s->DeviceId = -1; // the default device

    TWaveOutCaps caps;
    if (Device.GetDevCaps(s->DeviceId, caps))
        s->SectionName = caps.ProductName.left(32);
    else
        s->SectionName = QStringLiteral("Unknown Device");
    const QString name = s->SectionName;
    if (caps.Synchronous) {
        delete s;
        Fail(QCoreApplication::translate("SoundMixer", "%1 is a syncronous (blocking) wave output device.  This "
                                                       "will not permit audio to play while other applications "
                                                       "are running")
                 .arg(name));
    }
    if (Ini.IntValue(QStringLiteral("not compatible"), name, 0) != 0) {
        delete s;
        Fail(QCoreApplication::translate("SoundMixer", "%1 is not compatible with the realtime wave mixer").arg(name));
    }

    const int devRemix = ReadInt(Ini, name, "Remix", remix);
    s->RemixHandler = devRemix == 2 ? rmShift : rmReset;
    s->GoodWavePos = ReadInt(Ini, name, "GoodWavePos", goodWavePos) == 1;
    s->BlockCount = static_cast<std::uint32_t>(std::clamp(ReadInt(Ini, name, "WaveBlocks", waveBlocks), 2, 6));
    int rateCode = ReadInt(Ini, name, "SamplesPerSec", samplesPerSec);

    if (Config && (Config->Flags & 1) && Config->Channels > 1 && caps.Channels > 1) {
        s->OutputFormat.Channels = 2;
        s->OutputFormat.BlockAlign = 2;
    }
    if (Config && (Config->Flags & 2) && (Config->Rate == 11 || Config->Rate == 22 || Config->Rate == 44))
        rateCode = Config->Rate;
    const std::uint32_t rate = rateCode == 22 ? 22050 : rateCode == 44 ? 44100 : 11025;
    s->OutputFormat.SamplesPerSec = rate;
    s->OutputFormat.AvgBytesPerSec = rate * s->OutputFormat.Channels;

    const int devBlockLen = (ReadInt(Ini, name, "WaveBlockLen", 0) & 0xFFFF) & ~3;
    std::uint32_t blockLength = 0;
    if (devBlockLen != 0)
        blockLength = static_cast<std::uint32_t>(std::clamp(devBlockLen, 512, 4096));
    else if (waveBlockLen != 0)
        blockLength = static_cast<std::uint32_t>(std::clamp(waveBlockLen, 512, 4096));
    else
        blockLength = 2048 * (rate / 11025);
    // A block never holds more than its data area (44100 Hz would ask 8192).
    s->BlockLength = std::min(blockLength, OutputBlockSize);
    // Stereo blocks hold whole frames.
    if (s->OutputFormat.BlockAlign > 1)
        s->BlockLength &= ~std::uint32_t(1);

    Current = s;
    return s;
}

void MixerActivate(TMixerSession* Session, bool On)
{
    CheckSession(Session);
    TMixerSession& s = *Session;
    if (On) {
        if (Owner) {
            if (Owner == Session)
                return;
            Fail(QT_TRANSLATE_NOOP("SoundMixer", "Resource is already allocated to a process"));
        }
        Owner = Session;
        if (!s.DeviceOpen) {
            const int error = s.Device->Open(s.DeviceId, s.OutputFormat);
            if (error != 0)
                Fail(QCoreApplication::translate("SoundMixer", "Failed to open waveform output device #%1").arg(error));
            s.DeviceOpen = true;
            for (TOutputBlock& b : s.Blocks)
                ReturnBlock(&b);
            s.DeviceQueue = nullptr;
        }
        s.Activated = true;
        SetPosition(Session, s.MixPosition);
        FillBlocks(s);
        return;
    }
    if (s.Activated)
        s.MixPosition = HeardPosition(s);
    if (s.DeviceOpen) {
        const std::uint32_t mixed = s.MixPosition;
        ResetKeepingPosition(s);
        s.MixPosition = mixed;
        CloseDevice(s);
    }
    s.Activated = false;
    if (Owner == Session)
        Owner = nullptr;
}

void OpenChannels(TMixerSession* Session, std::int32_t N, std::uint32_t Mode)
{
    CheckSession(Session);
    TMixerSession& s = *Session;
    if (Mode > 2)
        Fail("Invalid Flags");
    if (Mode == 0) {
        if (N < 0 || N >= MixerChannelCount)
            Fail("Invalid channel number");
        if (IsOpen(s, N))
            Fail("The channel has already been opened");
        Head(s, N) = nullptr;
        ++s.OpenChannelCount;
        return;
    }
    int top = MixerChannelCount;
    if (Mode == 2) {
        if (N < 1 || N > MixerChannelCount)
            Fail("Invalid number of channels");
        top = N;
    }
    for (int c = top - 1; c >= 0; --c)
        if (!IsOpen(s, c)) {
            Head(s, c) = nullptr;
            ++s.OpenChannelCount;
        }
}

void MixerPlay(TPlayRequest* Request)
{
    if (!Request)
        Fail("nil parameters pointer passed to MixerPlay");
    CheckSession(Request->Session);
    TMixerSession& s = *Request->Session;
    if (!Request->Wave)
        Fail("nil wave pointer passed to MixerPlay!");
    if (!s.Activated)
        Fail("Wave device not allocated, call MixerActivate(hMixSession,TRUE)");
    if (s.OpenChannelCount <= 0)
        Fail("You must open a channel before you can play a wave");
    if (Request->Wave->Length == 0 || Request->Wave->Data.size() < Request->Wave->Length)
        Fail("nil wave pointer passed to MixerPlay!");

    if (Request->Flags & pfLeastRecentChannel) {
        int choice = 0;
        for (int c = 0; c < MixerChannelCount; ++c) {
            if (IsOpen(s, choice) && Head(s, choice) == nullptr)
                break;
            if (!IsOpen(s, c))
                continue;
            if (s.ChannelStamp[static_cast<std::size_t>(c)] < s.ChannelStamp[static_cast<std::size_t>(choice)])
                choice = c;
        }
        Request->Channel = choice;
    }
    const int channel = Request->Channel;
    if (channel < 0 || channel >= MixerChannelCount)
        Fail("Invalid channel number");
    ++s.PlayCounter;
    s.ChannelStamp[static_cast<std::size_t>(channel)] = s.PlayCounter;
    if (!IsOpen(s, channel))
        Fail("The specified channel was not open");

    TQueuedPlay* entry = s.FreeList;
    if (!entry)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "Not enough memory"));
    s.FreeList = entry->Next;
    entry->Next = nullptr;
    entry->Request = *Request;
    entry->Wave = Request->Wave;
    entry->Length = Request->Wave->Length;
    entry->Data = Request->Wave->Data.data();
    if (s.PendingLast)
        s.PendingLast->Next = entry;
    else
        s.PendingFirst = entry;
    s.PendingLast = entry;
    if (Request->Flags & pfHold)
        return;

    bool allIdle = true;
    for (int c = 0; c < MixerChannelCount; ++c)
        if (IsOpen(s, c) && Head(s, c) != nullptr)
            allIdle = false;
    if (!s.DeviceQueue && allIdle)
        SetPosition(&s, 0);

    const std::uint32_t now = HeardPosition(s);
    bool remix = false;
    TQueuedPlay* lastPlaced = nullptr;
    while (TQueuedPlay* e = s.PendingFirst) {
        s.PendingFirst = e->Next;
        if (!s.PendingFirst)
            s.PendingLast = nullptr;
        e->Next = nullptr;
        const int c = e->Request.Channel;
        if (!IsOpen(s, c)) {
            // Held for a channel that has been closed since: dropped.
            ReleaseEntry(s, e);
            continue;
        }
        const bool startNow = (e->Request.Flags & pfStartNow) != 0;
        if (e->Request.Flags & pfClearChannel) {
            ReleaseChannel(s, c);
            Head(s, c) = e;
            if (s.DeviceQueue)
                remix = true;
            e->Start = startNow ? now : s.MixPosition;
        } else if (TQueuedPlay* last = Head(s, c)) {
            while (last->Next)
                last = last->Next;
            last->Next = e;
            e->Start = startNow ? last->End : std::max(last->End, s.MixPosition);
            if (e->Start < s.MixPosition)
                remix = true;
        } else {
            Head(s, c) = e;
            e->Start = startNow ? now : s.MixPosition;
            if (e->Start < s.MixPosition)
                remix = true;
        }
        if (e->Request.LoopCount == LoopForever || e->Start == NeverPosition)
            e->End = NeverPosition;
        else
            e->End = e->Start + (std::uint32_t(e->Request.LoopCount) + 1) * e->Length - 1;
        lastPlaced = e;
    }

    // The re-mix starts at what is heard now, where the device is reset:
    // starting it at the new entry's own start would skip or repeat what
    // lies between the two.
    if (remix && lastPlaced) {
        Remix(s, lastPlaced, now);
        return;
    }
    const bool pauseHere = s.DeviceQueue == nullptr;
    if (pauseHere)
        s.Device->Pause();
    try {
        FillBlocks(s);
    } catch (...) {
        if (pauseHere)
            s.Device->Restart();
        throw;
    }
    if (pauseHere)
        s.Device->Restart();
}

void FlushChannel(TMixerSession* Session, std::int32_t Channel, std::uint32_t Flags)
{
    CheckSession(Session);
    TMixerSession& s = *Session;
    int first = 0;
    int last = MixerChannelCount - 1;
    if (!(Flags & 1)) {
        if (Channel < 0 || Channel >= MixerChannelCount)
            Fail("Invalid channel number");
        if (!IsOpen(s, Channel))
            Fail("The specified channel was not open");
        first = last = Channel;
    }
    bool dropped = false;
    for (int c = first; c <= last; ++c)
        if (IsOpen(s, c) && ReleaseChannel(s, c))
            dropped = true;
    if (dropped && !(Flags & 2) && s.Activated)
        Remix(s, nullptr, HeardPosition(s));
}

void CloseChannels(TMixerSession* Session, std::int32_t Channel, std::uint32_t Flags)
{
    FlushChannel(Session, Channel, Flags | 2);
    TMixerSession& s = *Session;
    const int first = (Flags & 1) ? 0 : Channel;
    const int last = (Flags & 1) ? MixerChannelCount - 1 : Channel;
    for (int c = first; c <= last; ++c)
        if (IsOpen(s, c)) {
            Head(s, c) = ChannelClosed();
            --s.OpenChannelCount;
        }
}

void CloseSession(TMixerSession* Session)
{
    CheckSession(Session);
    MixerActivate(Session, false);
    CloseChannels(Session, 0, 1);
    Session->CheckWordFirst = 0;
    Session->CheckWordLast = 0;
    delete Session;
    Current = nullptr;
}

void MixerPump()
{
    Current = Owner;
    if (!Owner)
        return;
    Pump(*Owner);
}

std::uint32_t PumpDueIn(TMixerSession* Session)
{
    const TMixerSession& s = *Session;
    if (!s.DeviceOpen)
        return PumpNeverDue;
    const std::uint64_t rate = s.OutputFormat.AvgBytesPerSec;
    // Devices report their position in steps of their own buffer, so a
    // block is seen played a little after its time; the pump comes then,
    // not before.
    constexpr std::uint32_t lateMs = 5;
    auto msFor = [rate](std::int64_t Bytes) {
        return Bytes <= 0 ? std::uint64_t(0) : (std::uint64_t(Bytes) * 1000 + rate - 1) / rate;
    };
    std::uint64_t due = PumpNeverDue;
    const std::uint32_t played = s.Device->Position();
    if (const TOutputBlock* first = s.DeviceQueue) {
        due = msFor(std::int32_t(first->DeviceEnd - played)) + lateMs;
        std::uint32_t queued = 0;
        for (const TOutputBlock* b = first; b; b = b->Next)
            queued = b->DeviceEnd;
        due = std::min(due, msFor(std::int32_t(queued - played)) / 2 + 1);
    }
    const std::uint32_t heard = DevicePosition(Session, true);
    for (int c = 0; c < MixerChannelCount; ++c) {
        const TQueuedPlay* e = s.ChannelHead[static_cast<std::size_t>(c)];
        if (e == ChannelClosed() || e == nullptr || e->End == NeverPosition)
            continue;
        due = std::min(due, msFor(std::int64_t(e->End) - std::int64_t(heard)) + lateMs);
    }
    return static_cast<std::uint32_t>(due);
}

void SetPosition(TMixerSession* Session, std::uint32_t P)
{
    TMixerSession& s = *Session;
    const std::uint32_t d = s.DeviceOpen ? s.Device->Position() : 0;
    if (P <= d) {
        s.DeviceOffset = d - P;
        s.OffsetAdd = false;
    } else {
        s.DeviceOffset = P - d;
        s.OffsetAdd = true;
    }
    const std::uint64_t ms = std::uint64_t(P) * 1000 / s.OutputFormat.AvgBytesPerSec;
    s.ClockBase = s.Clock->TickCount() - static_cast<std::uint32_t>(ms);
    s.MixPosition = P;
}

std::uint32_t DevicePosition(TMixerSession* Session, bool UseDevice)
{
    TMixerSession& s = *Session;
    if (UseDevice) {
        const std::uint32_t d = s.DeviceOpen ? s.Device->Position() : 0;
        return s.OffsetAdd ? d + s.DeviceOffset : d - s.DeviceOffset;
    }
    const std::uint32_t elapsed = s.Clock->TickCount() - s.ClockBase;
    const std::uint64_t scaled = std::uint64_t(elapsed) * s.OutputFormat.AvgBytesPerSec;
    auto p = static_cast<std::uint32_t>((scaled + 500) / 1000);
    if (s.OutputFormat.BlockAlign > 1 && (p & 1))
        --p;
    return p;
}

} // namespace zindo
