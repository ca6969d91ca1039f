#pragma once

#include "display/DisplayPlatform.h"
#include "display/VideoMode.h"

#include <array>
#include <cstdint>
#include <memory>

namespace zindo {

/// A size and depth probed after the platform's own list of modes.
struct TStandardVideoMode
{
    std::uint16_t Width;       ///< pixels across
    std::uint16_t Height;      ///< pixels down
    std::uint8_t BitsPerPixel; ///< colour depth
};

namespace detail {
constexpr std::array<TStandardVideoMode, 60> MakeStandardVideoModes()
{
    constexpr std::uint16_t sizes[12][2] = {
        {320, 200}, {320, 240}, {320, 350}, {320, 400}, {320, 480},
        {360, 200}, {360, 240}, {360, 350}, {360, 400}, {360, 480},
        {400, 300}, {512, 384}};
    constexpr std::uint8_t depths[5] = {8, 15, 16, 24, 32};
    std::array<TStandardVideoMode, 60> modes{};
    std::size_t i = 0;
    for (const auto& size : sizes)
        for (const std::uint8_t depth : depths)
            modes[i++] = TStandardVideoMode{size[0], size[1], depth};
    return modes;
}
} // namespace detail

/// The small standard modes, depth varying fastest: 320 x 200 x 8, 320 x 200 x 15, ...
inline constexpr std::array<TStandardVideoMode, 60> StandardVideoModes = detail::MakeStandardVideoModes();

/// Entries of the mode table: index 0 is the desktop mode, 1 .. 200 found modes.
inline constexpr int VideoModeTableSize = 201;
/// The filling of the table stops when this many entries are in use.
inline constexpr int MaxVideoModeCount = 200;

/// The table of display modes the platform offers and accepts, the choice of the
/// best one for full-screen play, switching to it and back.
///
/// Built once at program start (EnumerateVideoModes), before the main window
/// exists; the main window is the only caller afterwards. Owns its platform.
/// Destroying it (the end of the program for the process-wide instance)
/// restores the desktop mode when a mode was ever set.
class TFullScreenSupport
{
public:
    /** Uses APlatform, or the null platform when none is given. */
    explicit TFullScreenSupport(std::unique_ptr<TDisplayPlatform> APlatform = nullptr);
    ~TFullScreenSupport();
    TFullScreenSupport(const TFullScreenSupport&) = delete;
    TFullScreenSupport& operator=(const TFullScreenSupport&) = delete;

    /** Replaces the platform (null = the null platform). A mode still set through
        the old platform is restored first; the table is emptied to its start
        state, so EnumerateVideoModes is to be called afterwards. */
    void InstallDisplayPlatform(std::unique_ptr<TDisplayPlatform> APlatform);
    TDisplayPlatform& Platform() { return *DisplayPlatform; }

    /** Builds the table: the desktop mode as entry 0 ("default"), then the
        platform's modes, then, unless the platform accepts the impossible
        42 x 37 x 8 test mode, the standard modes; at most 200 entries. */
    void EnumerateVideoModes();
    /** Appends Mode unless an entry 1 .. count-1 has the same size and depth,
        the platform refuses it, or the table is full. */
    void AddVideoMode(const TVideoMode& Mode);
    /** Index of the entry that is at least W x H x B with the smallest excess
        in width, height and depth at once (the later of equal ones); 0 = none. */
    int FindBestVideoMode(int W, int H, int B) const;
    /** Switches to entry Index; true and CurrentVideoMode := Index when switched. */
    bool SetVideoMode(int Index);
    /** Returns to the desktop mode; CurrentVideoMode keeps its value. */
    void RestoreVideoMode();

    const std::array<TVideoMode, VideoModeTableSize>& VideoModes() const { return ModeTable; }
    int VideoModeCount() const { return ModesInUse; }
    int CurrentVideoMode() const { return LastSetMode; }

private:
    void ClearTable();

    std::unique_ptr<TDisplayPlatform> DisplayPlatform;      ///< the display settings, owned
    std::array<TVideoMode, VideoModeTableSize> ModeTable{}; ///< 0 = desktop, 1 .. count-1 usable modes
    int ModesInUse = 1;                                     ///< entries in use
    int LastSetMode = 0;                                    ///< entry last set; 0 = none set
};

/** The process-wide mode table (null platform until one is installed). */
TFullScreenSupport& FullScreenSupport();

// The process-wide table's operations, as the main window calls them.
void InstallDisplayPlatform(std::unique_ptr<TDisplayPlatform> APlatform);
void EnumerateVideoModes();
void AddVideoMode(const TVideoMode& Mode);
int FindBestVideoMode(int W, int H, int B);
bool SetVideoMode(int Index);
void RestoreVideoMode();
const std::array<TVideoMode, VideoModeTableSize>& VideoModes();
int VideoModeCount();
int CurrentVideoMode();

} // namespace zindo
