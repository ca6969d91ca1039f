#pragma once

#include "display/DisplayPlatform.h"
#include "display/VideoMode.h"

#include <cstdint>
#include <memory>

namespace zindo {

/// The display platform of an X11 session: the modes of one monitor, switched
/// through XRandR on a connection of its own (Xlib, not the toolkit's).
///
/// The monitor is the primary output, or the first connected output that is
/// lit, when no primary one is set. XRandR changes the size of a monitor, not
/// the depth of the screen: every size the output offers is listed once, at
/// the root window's depth, and only that depth is accepted. On the usual
/// 24-bit X screen the window's search for 32 bits per pixel therefore finds
/// nothing and its second search, for 24, finds the mode.
///
/// The first switch remembers the output's mode, position, rotation and the
/// screen size; RestoreDesktopMode puts them back. An X server keeps a changed
/// mode after its client is gone, so destroying the platform restores too;
/// from the first switch on, SIGINT, SIGTERM and SIGHUP (where they would end
/// the program by default) restore the mode before the program ends. A crash
/// or SIGKILL leaves the mode switched.
///
/// Without a display, without XRandR 1.2 or without a lit output it lists
/// nothing and refuses every test and switch, like the null platform; a
/// connection that breaks later (the server ends) is given up the same way,
/// instead of Xlib's ending the program.
class TX11DisplayPlatform : public TDisplayPlatform
{
public:
    /** Connects to the display named by DISPLAY and reads the output's modes. */
    TX11DisplayPlatform();
    /** Restores the desktop mode when a mode is still switched. */
    ~TX11DisplayPlatform() override;
    TX11DisplayPlatform(const TX11DisplayPlatform&) = delete;
    TX11DisplayPlatform& operator=(const TX11DisplayPlatform&) = delete;

    /** Whether the display, XRandR and an output were found (modes can be switched). */
    bool Usable() const;

    /** The output's size before any switch and the root depth; without a usable
        output, what the null platform answers. */
    TVideoMode DesktopMode() override;
    bool ListMode(std::uint32_t ModeNumber, TVideoMode& Mode) override;
    /** True for a size the output offers at the screen's depth. */
    bool TestMode(const TVideoMode& Mode) override;
    /** Sets the output to a mode of Mode's size, resizing the screen to fit. */
    bool SwitchMode(const TVideoMode& Mode) override;
    /** Puts back what the first switch found; nothing when nothing is switched. */
    void RestoreDesktopMode() override;

private:
    struct TState;
    std::unique_ptr<TState> State; ///< the connection, the output's sizes and the remembered mode
};

/** Whether the program shows its window on an X11 display: asks the running
    GUI application for its platform when there is one; otherwise decides from
    QT_QPA_PLATFORM (its first entry), DISPLAY, WAYLAND_DISPLAY and
    XDG_SESSION_TYPE as the toolkit would. */
bool RunsOnX11Display();

/** The display platform for this run: XRandR on X11, else the null platform
    (Wayland, the offscreen platform, no display server). */
std::unique_ptr<TDisplayPlatform> MakeDisplayPlatform();
/** The same when RunsOnX11Display has been asked already; OnX11 is its
    answer. Needs no application object, so it may run on any thread. */
std::unique_ptr<TDisplayPlatform> MakeDisplayPlatform(bool OnX11);

} // namespace zindo
