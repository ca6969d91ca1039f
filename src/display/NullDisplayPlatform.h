#pragma once

#include "display/DisplayPlatform.h"

namespace zindo {

/// The display platform where modes cannot be changed (Wayland, the offscreen
/// platform, no display server): it lists nothing and refuses every test and
/// switch, so full-screen play keeps the desktop's resolution.
class TNullDisplayPlatform : public TDisplayPlatform
{
public:
    /** The primary screen's size in device pixels and depth when a GUI
        application exists, else 1024 x 768 x 32. */
    TVideoMode DesktopMode() override;
    bool ListMode(std::uint32_t ModeNumber, TVideoMode& Mode) override;
    bool TestMode(const TVideoMode& Mode) override;
    bool SwitchMode(const TVideoMode& Mode) override;
    void RestoreDesktopMode() override;
};

} // namespace zindo
