#pragma once

#include "display/VideoMode.h"

#include <cstdint>

namespace zindo {

/// What the mode table needs from the platform's display settings. A real
/// implementation talks to the display server; tests use a fake one.
class TDisplayPlatform
{
public:
    virtual ~TDisplayPlatform() = default;

    /** The mode the desktop runs in now (the mode to return to). */
    virtual TVideoMode DesktopMode() = 0;

    /** Lists the platform's mode number ModeNumber (0, 1, 2, ...) into Mode;
        false after the last mode, Mode then untouched. */
    virtual bool ListMode(std::uint32_t ModeNumber, TVideoMode& Mode) = 0;

    /** Whether the platform would accept Mode for full-screen use, without switching. */
    virtual bool TestMode(const TVideoMode& Mode) = 0;

    /** Switches the display to Mode for the time of the run; true when switched. */
    virtual bool SwitchMode(const TVideoMode& Mode) = 0;

    /** Returns the display to the desktop mode. */
    virtual void RestoreDesktopMode() = 0;
};

} // namespace zindo
