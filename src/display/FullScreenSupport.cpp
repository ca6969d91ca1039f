#include "display/FullScreenSupport.h"

#include "display/NullDisplayPlatform.h"

namespace zindo {

namespace {

QString DescribeVideoMode(const TVideoMode& Mode)
{
    return QStringLiteral("%1 x %2, %3 bpp").arg(Mode.Width).arg(Mode.Height).arg(Mode.BitsPerPixel);
}

} // namespace

TFullScreenSupport::TFullScreenSupport(std::unique_ptr<TDisplayPlatform> APlatform)
    : DisplayPlatform(APlatform ? std::move(APlatform) : std::make_unique<TNullDisplayPlatform>())
{
}

TFullScreenSupport::~TFullScreenSupport()
{
    if (LastSetMode != 0)
        RestoreVideoMode();
}

void TFullScreenSupport::InstallDisplayPlatform(std::unique_ptr<TDisplayPlatform> APlatform)
{
    if (LastSetMode != 0)
        RestoreVideoMode();
    DisplayPlatform = APlatform ? std::move(APlatform) : std::make_unique<TNullDisplayPlatform>();
    LastSetMode = 0;
    ClearTable();
}

void TFullScreenSupport::ClearTable()
{
    ModeTable.fill(TVideoMode{});
    ModesInUse = 1;
}

void TFullScreenSupport::EnumerateVideoModes()
{
    ClearTable();
    ModeTable[0] = DisplayPlatform->DesktopMode();
    ModeTable[0].Description = QStringLiteral("default");

    // Only modes the platform actually listed are added: a refused listing
    // leaves nothing behind that could be mistaken for a mode.
    TVideoMode listed;
    for (std::uint32_t n = 0; ModesInUse < MaxVideoModeCount; ++n) {
        if (!DisplayPlatform->ListMode(n, listed))
            break;
        AddVideoMode(listed);
    }

    // No display offers 42 x 37; a platform that accepts it accepts anything,
    // so its answers for the standard modes would mean nothing.
    TVideoMode impossible;
    impossible.Width = 42;
    impossible.Height = 37;
    impossible.BitsPerPixel = 8;
    if (DisplayPlatform->TestMode(impossible))
        return;

    for (const TStandardVideoMode& standard : StandardVideoModes) {
        if (ModesInUse >= MaxVideoModeCount)
            break;
        TVideoMode mode;
        mode.Width = standard.Width;
        mode.Height = standard.Height;
        mode.BitsPerPixel = standard.BitsPerPixel;
        AddVideoMode(mode);
    }
}

void TFullScreenSupport::AddVideoMode(const TVideoMode& Mode)
{
    if (ModesInUse >= MaxVideoModeCount)
        return;
    // Entry 0 is left out on purpose: the desktop mode is listed again under
    // its own description, and only entries 1 .. count-1 are ever chosen.
    for (int i = 1; i < ModesInUse; ++i)
        if (SameVideoMode(ModeTable[i], Mode))
            return;
    if (!DisplayPlatform->TestMode(Mode))
        return;
    TVideoMode& entry = ModeTable[ModesInUse];
    entry.Width = Mode.Width;
    entry.Height = Mode.Height;
    entry.BitsPerPixel = Mode.BitsPerPixel;
    entry.Description = DescribeVideoMode(Mode);
    ++ModesInUse;
}

int TFullScreenSupport::FindBestVideoMode(int W, int H, int B) const
{
    int best = 0;
    int bestWidthExcess = 9999;
    int bestHeightExcess = 9999;
    int bestDepthExcess = 99;
    for (int i = 1; i < ModesInUse; ++i) {
        const TVideoMode& mode = ModeTable[i];
        const int widthExcess = mode.Width - W;
        const int heightExcess = mode.Height - H;
        const int depthExcess = mode.BitsPerPixel - B;
        if (widthExcess < 0 || heightExcess < 0 || depthExcess < 0)
            continue;
        // Only an entry no worse in all three excesses replaces the best.
        if (widthExcess <= bestWidthExcess && heightExcess <= bestHeightExcess
            && depthExcess <= bestDepthExcess) {
            best = i;
            bestWidthExcess = widthExcess;
            bestHeightExcess = heightExcess;
            bestDepthExcess = depthExcess;
        }
    }
    return best;
}

bool TFullScreenSupport::SetVideoMode(int Index)
{
    if (Index < 0 || Index >= ModesInUse)
        return false;
    TVideoMode mode;
    mode.Width = ModeTable[Index].Width;
    mode.Height = ModeTable[Index].Height;
    mode.BitsPerPixel = ModeTable[Index].BitsPerPixel;
    if (!DisplayPlatform->SwitchMode(mode))
        return false;
    LastSetMode = Index;
    return true;
}

void TFullScreenSupport::RestoreVideoMode()
{
    DisplayPlatform->RestoreDesktopMode();
}

TFullScreenSupport& FullScreenSupport()
{
    static TFullScreenSupport instance;
    return instance;
}

void InstallDisplayPlatform(std::unique_ptr<TDisplayPlatform> APlatform)
{
    FullScreenSupport().InstallDisplayPlatform(std::move(APlatform));
}

void EnumerateVideoModes()
{
    FullScreenSupport().EnumerateVideoModes();
}

void AddVideoMode(const TVideoMode& Mode)
{
    FullScreenSupport().AddVideoMode(Mode);
}

int FindBestVideoMode(int W, int H, int B)
{
    return FullScreenSupport().FindBestVideoMode(W, H, B);
}

bool SetVideoMode(int Index)
{
    return FullScreenSupport().SetVideoMode(Index);
}

void RestoreVideoMode()
{
    FullScreenSupport().RestoreVideoMode();
}

const std::array<TVideoMode, VideoModeTableSize>& VideoModes()
{
    return FullScreenSupport().VideoModes();
}

int VideoModeCount()
{
    return FullScreenSupport().VideoModeCount();
}

int CurrentVideoMode()
{
    return FullScreenSupport().CurrentVideoMode();
}

} // namespace zindo
