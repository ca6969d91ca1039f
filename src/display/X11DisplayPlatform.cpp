#include "display/X11DisplayPlatform.h"

#include "display/NullDisplayPlatform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <iterator>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's headers: last.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace zindo {

namespace {

// ---------------------------------------------------------------------------
// X errors

/// Catches the X errors of one connection while a group of requests runs.
/// Xlib's default handler ends the program on any error; a refused mode or
/// screen size must only make the switch fail.
class TXErrorTrap
{
public:
    explicit TXErrorTrap(Display* ADisplay)
        : TrapHeld(TrapLock()), Connection(ADisplay)
    {
        XSync(Connection, False);
        TrappedDisplay = Connection;
        TrappedErrors = 0;
        PreviousHandler = XSetErrorHandler(&HandleError);
    }
    ~TXErrorTrap()
    {
        XSync(Connection, False);
        XSetErrorHandler(PreviousHandler);
        TrappedDisplay = nullptr;
    }
    TXErrorTrap(const TXErrorTrap&) = delete;
    TXErrorTrap& operator=(const TXErrorTrap&) = delete;

    /** Whether an error came back for the requests sent so far. */
    bool Failed()
    {
        XSync(Connection, False);
        return TrappedErrors != 0;
    }

private:
    static std::mutex& TrapLock()
    {
        // Never destroyed: the platform of the process-wide mode table is
        // destroyed among the static objects at the end of the program.
        static auto* lock = new std::mutex;
        return *lock;
    }
    static int HandleError(Display* ErrorDisplay, XErrorEvent* Event)
    {
        if (ErrorDisplay == TrappedDisplay) {
            ++TrappedErrors;
            return 0;
        }
        // Another connection's error (the toolkit's, if it uses Xlib) goes
        // where it would have gone without the trap.
        return PreviousHandler != nullptr ? PreviousHandler(ErrorDisplay, Event) : 0;
    }

    static inline Display* TrappedDisplay = nullptr;                          ///< the connection being watched
    static inline int TrappedErrors = 0;                                      ///< errors seen on it
    static inline int (*PreviousHandler)(Display*, XErrorEvent*) = nullptr;   ///< the handler before the trap

    std::lock_guard<std::mutex> TrapHeld;      ///< one trap at a time: the handler is process-wide
    Display* Connection;                       ///< the connection whose errors are caught
};

#ifdef ZINDO_HAVE_IO_ERROR_EXIT_HANDLER
/// Xlib's handler for a broken connection ends the program before the
/// connection's own exit handler is asked. For the platform's connections
/// this handler returns instead, so that the exit handler can mark them lost;
/// every other connection is handed on as before. Installed with the first
/// connection and left in place: the program may have set its own since.
class TConnectionLossFilter
{
public:
    static void Add(Display* Connection)
    {
        std::lock_guard<std::mutex> lock(Lock());
        if (!Installed) {
            PreviousHandler = XSetIOErrorHandler(&Handle);
            Installed = true;
        }
        Ours().push_back(Connection);
    }

    static void Remove(Display* Connection)
    {
        std::lock_guard<std::mutex> lock(Lock());
        std::vector<Display*>& ours = Ours();
        ours.erase(std::remove(ours.begin(), ours.end(), Connection), ours.end());
    }

private:
    static int Handle(Display* Connection)
    {
        {
            std::lock_guard<std::mutex> lock(Lock());
            const std::vector<Display*>& ours = Ours();
            if (std::find(ours.begin(), ours.end(), Connection) != ours.end())
                return 0;
        }
        return PreviousHandler != nullptr ? PreviousHandler(Connection) : 0;
    }

    static std::mutex& Lock()
    {
        // Never destroyed: the platform of the process-wide mode table is
        // destroyed among the static objects at the end of the program.
        static auto* lock = new std::mutex;
        return *lock;
    }
    static std::vector<Display*>& Ours()
    {
        static auto* ours = new std::vector<Display*>;
        return *ours;
    }

    static inline bool Installed = false;                          ///< Handle is Xlib's handler
    static inline int (*PreviousHandler)(Display*) = nullptr;      ///< the handler it replaced
};
#endif

// ---------------------------------------------------------------------------
// XRandR snapshots

struct TFreeResources
{
    void operator()(XRRScreenResources* R) const { XRRFreeScreenResources(R); }
};
struct TFreeOutputInfo
{
    void operator()(XRROutputInfo* O) const { XRRFreeOutputInfo(O); }
};
struct TFreeCrtcInfo
{
    void operator()(XRRCrtcInfo* C) const { XRRFreeCrtcInfo(C); }
};
using TResources = std::unique_ptr<XRRScreenResources, TFreeResources>;
using TOutputInfo = std::unique_ptr<XRROutputInfo, TFreeOutputInfo>;
using TCrtcInfo = std::unique_ptr<XRRCrtcInfo, TFreeCrtcInfo>;

const XRRModeInfo* FindModeInfo(const XRRScreenResources& Resources, RRMode Mode)
{
    for (int i = 0; i < Resources.nmode; ++i)
        if (Resources.modes[i].id == Mode)
            return &Resources.modes[i];
    return nullptr;
}

bool IsSideways(Rotation ARotation)
{
    return (ARotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
}

/** The size a mode shows on an output turned by ARotation. */
void VisibleSize(const XRRModeInfo& Info, Rotation ARotation, unsigned& Width, unsigned& Height)
{
    Width = IsSideways(ARotation) ? Info.height : Info.width;
    Height = IsSideways(ARotation) ? Info.width : Info.height;
}

double RefreshRate(const XRRModeInfo& Info)
{
    if (Info.hTotal == 0 || Info.vTotal == 0)
        return 0.0;
    return static_cast<double>(Info.dotClock) / (static_cast<double>(Info.hTotal) * Info.vTotal);
}

// ---------------------------------------------------------------------------
// Termination signals

/// Restores the switched modes when the program is ended by SIGINT, SIGTERM or
/// SIGHUP. The handler only writes the signal's number into a pipe; a thread
/// of its own reads it, restores every watched platform outside the signal's
/// context, and raises the signal again with its default action, so the
/// program ends as it would have. A handler the program installed before
/// (the temporary files' clean-up, say) runs after the restore instead of the
/// default action; ignored signals are left alone. Created once and never
/// destroyed: the platforms it watches may live in static objects destroyed
/// at the very end.
class TTerminationGuard
{
public:
    static TTerminationGuard& Instance()
    {
        static TTerminationGuard* guard = new TTerminationGuard;
        return *guard;
    }

    void Watch(TX11DisplayPlatform* Platform)
    {
        std::lock_guard<std::mutex> lock(Lock);
        if (std::find(Watched.begin(), Watched.end(), Platform) != Watched.end())
            return;
        if (!Started && !Start())
            return;
        Watched.push_back(Platform);
        if (Watched.size() == 1)
            InstallHandlers();
    }

    void Unwatch(TX11DisplayPlatform* Platform)
    {
        std::lock_guard<std::mutex> lock(Lock);
        const auto found = std::find(Watched.begin(), Watched.end(), Platform);
        if (found == Watched.end())
            return;
        Watched.erase(found);
        if (Watched.empty())
            RemoveHandlers();
    }

private:
    static constexpr int GuardedSignals[] = {SIGINT, SIGTERM, SIGHUP};

    static void OnSignal(int Signal)
    {
        const unsigned char number = static_cast<unsigned char>(Signal);
        const int savedErrno = errno;
        if (write(WritePipe, &number, 1) < 0) {
            // A full pipe already holds a signal to act on.
        }
        errno = savedErrno;
    }

    bool Start()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return false;
        fcntl(ends[1], F_SETFL, O_NONBLOCK);
        ReadPipe = ends[0];
        WritePipe = ends[1];
        std::thread(&TTerminationGuard::Run, this).detach();
        Started = true;
        return true;
    }

    void InstallHandlers()
    {
        for (std::size_t i = 0; i < std::size(GuardedSignals); ++i) {
            const int signal = GuardedSignals[i];
            struct sigaction current {};
            if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN
                || (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler == &OnSignal)
                continue;
            PreviousHandlers[i] = current.sa_handler;
            struct sigaction ours {};
            ours.sa_handler = &OnSignal;
            sigemptyset(&ours.sa_mask);
            ours.sa_flags = SA_RESTART;
            sigaction(signal, &ours, nullptr);
        }
    }

    void RemoveHandlers()
    {
        for (std::size_t i = 0; i < std::size(GuardedSignals); ++i) {
            const int signal = GuardedSignals[i];
            struct sigaction current {};
            if (sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0
                || current.sa_handler != &OnSignal)
                continue;
            std::signal(signal, PreviousHandlers[i]);
        }
    }

    /// The handler that was in place before ours for Signal (SIG_DFL when none).
    void (*PreviousHandler(int Signal) const)(int)
    {
        for (std::size_t i = 0; i < std::size(GuardedSignals); ++i)
            if (GuardedSignals[i] == Signal)
                return PreviousHandlers[i];
        return SIG_DFL;
    }

    void Run()
    {
        for (;;) {
            unsigned char number = 0;
            const ssize_t got = read(ReadPipe, &number, 1);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return;
            void (*previous)(int) = SIG_DFL;
            {
                std::lock_guard<std::mutex> lock(Lock);
                for (TX11DisplayPlatform* platform : Watched)
                    platform->RestoreDesktopMode();
                previous = PreviousHandler(number);
            }
            if (previous != SIG_DFL) {
                previous(number); // the program's own clean-up, which ends it
                continue;
            }
            std::signal(number, SIG_DFL);
            std::raise(number);
        }
    }

    static inline volatile sig_atomic_t WritePipe = -1; ///< written by the signal handler

    std::mutex Lock;                           ///< guards the list and the handlers
    std::vector<TX11DisplayPlatform*> Watched; ///< platforms that have switched, until destroyed
    void (*PreviousHandlers[std::size(GuardedSignals)])(int) = {SIG_DFL, SIG_DFL, SIG_DFL}; ///< handlers before ours
    int ReadPipe = -1;                         ///< read by the thread
    bool Started = false;                      ///< the pipe and the thread exist
};

} // namespace

// ---------------------------------------------------------------------------
// The platform

/// The connection and what was learnt from it.
struct TX11DisplayPlatform::TState
{
    /// One size the output offers, as the table gets it.
    struct TListedSize
    {
        std::uint16_t Width;  ///< pixels across, as shown (rotation applied)
        std::uint16_t Height; ///< pixels down, as shown
        QString Name;         ///< XRandR's name of the first mode of that size
    };

    /// The output as it was before the first switch.
    struct TSavedSetup
    {
        RRCrtc Crtc = 0;                ///< the CRTC that drives the output
        RRMode Mode = 0;                ///< its mode
        int X = 0;                      ///< its position on the screen
        int Y = 0;                      ///< its position on the screen
        Rotation Turn = RR_Rotate_0;    ///< its rotation and reflection
        std::vector<RROutput> Outputs;  ///< every output it drives
        int ScreenWidth = 0;            ///< screen size in pixels
        int ScreenHeight = 0;           ///< screen size in pixels
    };

    Display* Connection = nullptr;      ///< our own connection; null = not usable
    std::atomic<bool> Lost = false;     ///< the server has gone away
    int Screen = 0;                     ///< default screen of the connection
    Window Root = 0;                    ///< its root window
    bool CurrentResources = false;      ///< XRandR 1.3: no probing, a primary output
    RROutput Output = 0;                ///< the monitor whose modes are used
    std::uint8_t Depth = 0;             ///< the root window's depth
    std::uint16_t DesktopWidth = 0;     ///< the output's size at start
    std::uint16_t DesktopHeight = 0;    ///< the output's size at start
    double MillimetresPerPixelX = 0.0;  ///< kept when the screen is resized
    double MillimetresPerPixelY = 0.0;  ///< kept when the screen is resized
    std::vector<TListedSize> Sizes;     ///< distinct sizes of the output that the screen can hold, in its order
    bool Switched = false;              ///< Saved holds the setup to return to
    TSavedSetup Saved;                  ///< valid while Switched
    std::mutex Lock;                    ///< the connection is also used by the signal thread

    ~TState()
    {
        if (Connection == nullptr)
            return;
        XCloseDisplay(Connection);
#ifdef ZINDO_HAVE_IO_ERROR_EXIT_HANDLER
        TConnectionLossFilter::Remove(Connection);
#endif
    }

    /** Called by Xlib when the connection breaks. Xlib would end the program
        here; returning leaves the connection dead, every later request fails,
        and the platform acts as if it had never found a display. */
    static void OnConnectionLost(Display*, void* Self)
    {
        static_cast<TState*>(Self)->Lost = true;
    }

    TResources FetchResources() const
    {
        return TResources(CurrentResources ? XRRGetScreenResourcesCurrent(Connection, Root)
                                           : XRRGetScreenResources(Connection, Root));
    }

    TOutputInfo FetchOutput(XRRScreenResources& Resources, RROutput Id) const
    {
        return TOutputInfo(XRRGetOutputInfo(Connection, &Resources, Id));
    }

    TCrtcInfo FetchCrtc(XRRScreenResources& Resources, RRCrtc Id) const
    {
        return TCrtcInfo(XRRGetCrtcInfo(Connection, &Resources, Id));
    }

    /** The primary output when it is connected and lit, else the first such output. */
    RROutput ChooseOutput(XRRScreenResources& Resources) const
    {
        auto lit = [&](RROutput Id) {
            const TOutputInfo info = FetchOutput(Resources, Id);
            return info && info->connection == RR_Connected && info->crtc != 0;
        };
        if (CurrentResources) {
            const RROutput primary = XRRGetOutputPrimary(Connection, Root);
            if (primary != 0 && lit(primary))
                return primary;
        }
        for (int i = 0; i < Resources.noutput; ++i)
            if (lit(Resources.outputs[i]))
                return Resources.outputs[i];
        return 0;
    }

    void ScreenSize(int& Width, int& Height) const
    {
        // Xlib's idea of the screen size is that of the connection's start.
        Window root = 0;
        int x = 0;
        int y = 0;
        unsigned width = 0;
        unsigned height = 0;
        unsigned border = 0;
        unsigned depth = 0;
        XGetGeometry(Connection, Root, &root, &x, &y, &width, &height, &border, &depth);
        Width = static_cast<int>(width);
        Height = static_cast<int>(height);
    }

    /** The output's mode showing Width x Height: the current one when it has
        that size, else the one with the highest refresh rate. */
    RRMode ChooseMode(XRRScreenResources& Resources, const XRROutputInfo& OutputInfo,
                      const XRRCrtcInfo& Crtc, unsigned Width, unsigned Height) const
    {
        RRMode chosen = 0;
        double chosenRate = -1.0;
        for (int i = 0; i < OutputInfo.nmode; ++i) {
            const XRRModeInfo* info = FindModeInfo(Resources, OutputInfo.modes[i]);
            if (info == nullptr)
                continue;
            unsigned width = 0;
            unsigned height = 0;
            VisibleSize(*info, Crtc.rotation, width, height);
            if (width != Width || height != Height)
                continue;
            if (info->id == Crtc.mode)
                return info->id;
            // Interlaced modes flicker; they count only when nothing else fits.
            const double rate = RefreshRate(*info) - ((info->modeFlags & RR_Interlace) != 0 ? 1e6 : 0.0);
            if (rate > chosenRate) {
                chosen = info->id;
                chosenRate = rate;
            }
        }
        return chosen;
    }

    /** Sets Crtc and then the screen to WantedWidth x WantedHeight, or larger
        when the other CRTCs need it. The screen grows before the CRTC changes and
        shrinks after it, since a CRTC must always fit in the screen. */
    bool SetCrtc(XRRScreenResources& Resources, RRCrtc Crtc, int X, int Y, RRMode Mode, Rotation Turn,
                 std::vector<RROutput>& Outputs, int WantedWidth, int WantedHeight)
    {
        const XRRModeInfo* info = FindModeInfo(Resources, Mode);
        if (info == nullptr)
            return false;
        unsigned modeWidth = 0;
        unsigned modeHeight = 0;
        VisibleSize(*info, Turn, modeWidth, modeHeight);

        int targetWidth = std::max(WantedWidth, X + static_cast<int>(modeWidth));
        int targetHeight = std::max(WantedHeight, Y + static_cast<int>(modeHeight));
        for (int i = 0; i < Resources.ncrtc; ++i) {
            if (Resources.crtcs[i] == Crtc)
                continue;
            const TCrtcInfo other = FetchCrtc(Resources, Resources.crtcs[i]);
            if (!other || other->mode == 0)
                continue;
            targetWidth = std::max(targetWidth, other->x + static_cast<int>(other->width));
            targetHeight = std::max(targetHeight, other->y + static_cast<int>(other->height));
        }
        int minWidth = 0;
        int minHeight = 0;
        int maxWidth = 0;
        int maxHeight = 0;
        if (!XRRGetScreenSizeRange(Connection, Root, &minWidth, &minHeight, &maxWidth, &maxHeight))
            return false;
        targetWidth = std::max(targetWidth, minWidth);
        targetHeight = std::max(targetHeight, minHeight);
        if (targetWidth > maxWidth || targetHeight > maxHeight)
            return false;

        int screenWidth = 0;
        int screenHeight = 0;
        ScreenSize(screenWidth, screenHeight);

        TXErrorTrap trap(Connection);
        XGrabServer(Connection);
        const int grownWidth = std::max(screenWidth, targetWidth);
        const int grownHeight = std::max(screenHeight, targetHeight);
        bool done = true;
        if (grownWidth != screenWidth || grownHeight != screenHeight) {
            ResizeScreen(grownWidth, grownHeight);
            done = !trap.Failed();
        }
        if (done) {
            done = XRRSetCrtcConfig(Connection, &Resources, Crtc, CurrentTime, X, Y, Mode, Turn,
                                    Outputs.data(), static_cast<int>(Outputs.size()))
                       == RRSetConfigSuccess
                   && !trap.Failed();
        }
        if (done && (targetWidth != grownWidth || targetHeight != grownHeight)) {
            // Should the server refuse to shrink, the screen only keeps a
            // margin beyond the monitor; the mode is set either way.
            ResizeScreen(targetWidth, targetHeight);
        }
        if (!done && (grownWidth != screenWidth || grownHeight != screenHeight))
            ResizeScreen(screenWidth, screenHeight);
        XUngrabServer(Connection);
        return done;
    }

    void ResizeScreen(int Width, int Height)
    {
        XRRSetScreenSize(Connection, Root, Width, Height,
                         std::max(1, static_cast<int>(std::lround(Width * MillimetresPerPixelX))),
                         std::max(1, static_cast<int>(std::lround(Height * MillimetresPerPixelY))));
    }

    bool Switch(std::uint16_t Width, std::uint16_t Height)
    {
        TResources resources = FetchResources();
        if (!resources)
            return false;
        const TOutputInfo output = FetchOutput(*resources, Output);
        if (!output || output->crtc == 0)
            return false;
        const TCrtcInfo crtc = FetchCrtc(*resources, output->crtc);
        if (!crtc || crtc->mode == 0)
            return false;
        const RRMode mode = ChooseMode(*resources, *output, *crtc, Width, Height);
        if (mode == 0)
            return false;

        TSavedSetup current;
        current.Crtc = output->crtc;
        current.Mode = crtc->mode;
        current.X = crtc->x;
        current.Y = crtc->y;
        current.Turn = crtc->rotation;
        current.Outputs.assign(crtc->outputs, crtc->outputs + crtc->noutput);
        ScreenSize(current.ScreenWidth, current.ScreenHeight);

        std::vector<RROutput> outputs = current.Outputs;
        if (!SetCrtc(*resources, current.Crtc, current.X, current.Y, mode, current.Turn, outputs, 0, 0))
            return false;
        if (!Switched) {
            Saved = std::move(current);
            Switched = true;
        }
        return true;
    }

    bool Restore()
    {
        if (!Switched)
            return true;
        TResources resources = FetchResources();
        if (!resources)
            return false;
        if (!SetCrtc(*resources, Saved.Crtc, Saved.X, Saved.Y, Saved.Mode, Saved.Turn, Saved.Outputs,
                     Saved.ScreenWidth, Saved.ScreenHeight))
            return false;
        Switched = false;
        return true;
    }
};

TX11DisplayPlatform::TX11DisplayPlatform()
    : State(std::make_unique<TState>())
{
    TState& state = *State;
    state.Connection = XOpenDisplay(nullptr);
    if (state.Connection == nullptr)
        return;
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XRRQueryExtension(state.Connection, &eventBase, &errorBase)
        || !XRRQueryVersion(state.Connection, &major, &minor) || major < 1 || (major == 1 && minor < 2)) {
        XCloseDisplay(state.Connection);
        state.Connection = nullptr;
        return;
    }
#ifdef ZINDO_HAVE_IO_ERROR_EXIT_HANDLER
    TConnectionLossFilter::Add(state.Connection);
    XSetIOErrorExitHandler(state.Connection, &TState::OnConnectionLost, &state);
#endif
    state.CurrentResources = major > 1 || minor >= 3;
    state.Screen = DefaultScreen(state.Connection);
    state.Root = RootWindow(state.Connection, state.Screen);
    state.Depth = static_cast<std::uint8_t>(std::clamp(DefaultDepth(state.Connection, state.Screen), 0, 255));
    const int widthPx = DisplayWidth(state.Connection, state.Screen);
    const int heightPx = DisplayHeight(state.Connection, state.Screen);
    const int widthMm = DisplayWidthMM(state.Connection, state.Screen);
    const int heightMm = DisplayHeightMM(state.Connection, state.Screen);
    // Unknown physical sizes are taken as 96 dots per inch.
    state.MillimetresPerPixelX = widthPx > 0 && widthMm > 0 ? static_cast<double>(widthMm) / widthPx : 25.4 / 96;
    state.MillimetresPerPixelY = heightPx > 0 && heightMm > 0 ? static_cast<double>(heightMm) / heightPx : 25.4 / 96;

    TResources resources = state.FetchResources();
    if (!resources)
        return;
    state.Output = state.ChooseOutput(*resources);
    if (state.Output == 0)
        return;
    const TOutputInfo output = state.FetchOutput(*resources, state.Output);
    const TCrtcInfo crtc = output ? state.FetchCrtc(*resources, output->crtc) : TCrtcInfo();
    if (!crtc || crtc->mode == 0) {
        state.Output = 0;
        return;
    }
    // A mode larger than the biggest screen the server can make cannot be set.
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    if (!XRRGetScreenSizeRange(state.Connection, state.Root, &minWidth, &minHeight, &maxWidth, &maxHeight)) {
        state.Output = 0;
        return;
    }
    state.DesktopWidth = static_cast<std::uint16_t>(std::min(crtc->width, 65535u));
    state.DesktopHeight = static_cast<std::uint16_t>(std::min(crtc->height, 65535u));
    for (int i = 0; i < output->nmode; ++i) {
        const XRRModeInfo* info = FindModeInfo(*resources, output->modes[i]);
        if (info == nullptr)
            continue;
        unsigned width = 0;
        unsigned height = 0;
        VisibleSize(*info, crtc->rotation, width, height);
        if (width == 0 || height == 0 || width > 65535 || height > 65535
            || crtc->x + static_cast<int>(width) > maxWidth || crtc->y + static_cast<int>(height) > maxHeight)
            continue;
        const bool known = std::any_of(state.Sizes.begin(), state.Sizes.end(), [&](const TState::TListedSize& S) {
            return S.Width == width && S.Height == height;
        });
        if (!known)
            state.Sizes.push_back({static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height),
                                   QString::fromLatin1(info->name, static_cast<int>(info->nameLength))});
    }
}

TX11DisplayPlatform::~TX11DisplayPlatform()
{
    RestoreDesktopMode();
    TTerminationGuard::Instance().Unwatch(this);
}

bool TX11DisplayPlatform::Usable() const
{
    return State->Connection != nullptr && State->Output != 0 && !State->Lost;
}

TVideoMode TX11DisplayPlatform::DesktopMode()
{
    if (!Usable())
        return TNullDisplayPlatform().DesktopMode();
    TVideoMode mode;
    mode.Width = State->DesktopWidth;
    mode.Height = State->DesktopHeight;
    mode.BitsPerPixel = State->Depth;
    return mode;
}

bool TX11DisplayPlatform::ListMode(std::uint32_t ModeNumber, TVideoMode& Mode)
{
    if (!Usable() || ModeNumber >= State->Sizes.size())
        return false;
    const TState::TListedSize& size = State->Sizes[ModeNumber];
    Mode.Width = size.Width;
    Mode.Height = size.Height;
    Mode.BitsPerPixel = State->Depth;
    Mode.Description = size.Name;
    return true;
}

bool TX11DisplayPlatform::TestMode(const TVideoMode& Mode)
{
    if (!Usable() || Mode.BitsPerPixel != State->Depth)
        return false;
    return std::any_of(State->Sizes.begin(), State->Sizes.end(), [&](const TState::TListedSize& S) {
        return S.Width == Mode.Width && S.Height == Mode.Height;
    });
}

bool TX11DisplayPlatform::SwitchMode(const TVideoMode& Mode)
{
    if (!TestMode(Mode))
        return false;
    bool switched = false;
    {
        std::lock_guard<std::mutex> lock(State->Lock);
        switched = !State->Lost && State->Switch(Mode.Width, Mode.Height);
    }
    // Watched from the first switch on; the guard calls RestoreDesktopMode,
    // which takes the lock, so it is asked outside it.
    if (switched)
        TTerminationGuard::Instance().Watch(this);
    return switched;
}

void TX11DisplayPlatform::RestoreDesktopMode()
{
    if (!Usable())
        return;
    std::lock_guard<std::mutex> lock(State->Lock);
    if (!State->Lost)
        State->Restore();
}

bool RunsOnX11Display()
{
    // A running GUI application knows its platform; this layer links Qt Core
    // only, so it is asked through its meta-object property.
    if (const QCoreApplication* app = QCoreApplication::instance(); app != nullptr && app->inherits("QGuiApplication"))
        return app->property("platformName").toString() == QLatin1String("xcb")
               && !qEnvironmentVariableIsEmpty("DISPLAY");

    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    const QByteArray requested = qgetenv("QT_QPA_PLATFORM").trimmed();
    if (!requested.isEmpty()) {
        // "xcb", "xcb:option=value", or a list such as "wayland;xcb" tried in order.
        const QByteArray first = requested.split(';').front().split(':').front().trimmed();
        return first == "xcb";
    }
    // Without a request, a Wayland session gets a Wayland window.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    return qgetenv("XDG_SESSION_TYPE") != "wayland";
}

std::unique_ptr<TDisplayPlatform> MakeDisplayPlatform()
{
    return MakeDisplayPlatform(RunsOnX11Display());
}

std::unique_ptr<TDisplayPlatform> MakeDisplayPlatform(bool OnX11)
{
    if (OnX11)
        return std::make_unique<TX11DisplayPlatform>();
    return std::make_unique<TNullDisplayPlatform>();
}

} // namespace zindo
