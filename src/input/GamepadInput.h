#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zindo {

class TClock;

/// What the player asks for with a gamepad. The four directions come first,
/// in this order, and are the only actions that repeat while held.
enum TGamepadAction : std::uint8_t {
    gaUp = 0,   ///< d-pad or left stick up
    gaDown,     ///< d-pad or left stick down
    gaLeft,     ///< d-pad or left stick left
    gaRight,    ///< d-pad or left stick right
    gaAccept,   ///< A (bottom face button): take or drop a piece, press what has the focus
    gaBack,     ///< B (right face button): back, cancel
    gaBroom,    ///< X (left face button): the broom
    gaMagic,    ///< Y (top face button): "Use Magic"
    gaCheck,    ///< left shoulder: the check
    gaDealNext, ///< right shoulder: deal the next piece now
    gaPause,    ///< Back / Select / View: pause or resume
    gaMenu,     ///< Start / Menu: the in-game menu
};

/// The gamepads: SDL2's game controllers turned into the game's few named
/// actions. The main window owns one and calls Poll() from its timer on the
/// thread that draws it; the first Poll() loads SDL2 (so the window is
/// drawn first) and opens its game-controller interface, nothing else of it.
///
/// Any pad SDL knows a layout for works: SDL's own list covers the common
/// ones, and the environment variable SDL_GAMECONTROLLERCONFIG adds others.
/// Pads plugged in before the start or while the game runs are picked up,
/// pads pulled out are let go, and every pad acts on the same actions.
///
/// Directions come from the d-pad and from the left stick. The stick points
/// once it is pushed past StickPressLevel along one axis and lets go once it
/// falls back below StickReleaseLevel, so a stick resting near its middle
/// does nothing and one held near the edge does not flicker. A held direction
/// repeats RepeatDelay ms after it was pressed and then every RepeatInterval
/// ms, so a cursor moves cell by cell; the last direction pressed is the one
/// that repeats. Buttons act once when pressed.
///
/// SDL sees the pads whether or not the window has the focus (it has no
/// window of its own): an owner that wants pads to act only on the active
/// window drops the actions that come while it is inactive.
///
/// Without SDL2, without its joystick support or without a pad, nothing
/// happens and nothing is thrown; LastError() says why pads cannot be used.
/// One object per program: it takes every event from SDL's queue.
///
/// Events, assigned by the owner, raised inside Poll(): OnAction for each
/// action, Repeat telling an auto-repeat from a press; OnConnection when a
/// pad comes or goes, with its name as SDL gives it (its list's name for the
/// model, such as "Xbox 360 Controller"; empty when SDL has none). Nothing
/// here is worded for the player: the screens say it.
class TGamepadInput {
public:
    /// Poll() answers this when pads cannot be used at all: no more polls needed.
    static constexpr int PollNever = -1;
    /// Ms between polls without a pad: a pad plugged in is noticed in this time.
    static constexpr int IdlePollInterval = 500;
    /// Ms between polls with a pad: how late a press may be seen.
    static constexpr int PadPollInterval = 16;
    /// Ms from pressing a direction to its first repeat.
    static constexpr std::uint32_t RepeatDelay = 400;
    /// Ms between later repeats.
    static constexpr std::uint32_t RepeatInterval = 120;
    /// How far along an axis (of 32767) the left stick must go to point.
    static constexpr int StickPressLevel = 16000;
    /// Below this a pointing stick lets go (the dead zone reaches this far).
    static constexpr int StickReleaseLevel = 10000;

    /// Keeps Clock (for the repeats) and the file SDL2 is loaded from; loads
    /// nothing yet.
    explicit TGamepadInput(TClock& AClock, const QString& ALibraryFile = QString());
    ~TGamepadInput();
    TGamepadInput(const TGamepadInput&) = delete;
    TGamepadInput& operator=(const TGamepadInput&) = delete;

    /// Takes what the pads did since the last call and raises the events; the
    /// first call loads SDL2. Answers the ms until the next call is wanted:
    /// PadPollInterval with a pad (less when a repeat falls due sooner),
    /// IdlePollInterval without, PollNever when pads cannot be used.
    int Poll();

    /// The names of the pads connected now, in the order they came.
    QStringList PadNames() const;
    /// Why pads cannot be used (SDL's or the dynamic linker's words, not
    /// translated); empty while they can or before the first Poll().
    QString LastError() const { return Error; }

    std::function<void(TGamepadInput& Sender, TGamepadAction Action, bool Repeat)> OnAction; ///< an action
    std::function<void(TGamepadInput& Sender, const QString& PadName, bool Connected)> OnConnection; ///< a pad came or went

private:
    struct TSdl;

    /// An open pad and what it holds now.
    struct TPad {
        void* Controller = nullptr;      ///< SDL's game controller
        std::int32_t InstanceId = -1;    ///< SDL's id of it, named by its events
        QString Name;                    ///< as SDL calls it, possibly empty
        std::uint8_t DpadHeld = 0;       ///< directions held on the d-pad, bit = 1 << direction
        std::uint8_t StickHeld = 0;      ///< the direction the left stick points at (one bit), or 0
        int StickX = 0;                  ///< left stick, -32768 (left) .. 32767
        int StickY = 0;                  ///< left stick, -32768 (up) .. 32767
    };

    /// Loads SDL2 and opens its game controllers; false (Error says why) when
    /// either fails.
    bool Open();
    void PadAdded(int DeviceIndex);
    void PadRemoved(std::int32_t InstanceId);
    void ButtonChanged(std::int32_t InstanceId, std::uint8_t Button, bool Down);
    void StickMoved(std::int32_t InstanceId, std::uint8_t Axis, int Value);
    TPad* FindPad(std::int32_t InstanceId);
    /// Raises the directions newly held by any pad and moves the repeat to
    /// the direction pressed last that is still held.
    void DirectionsChanged();
    void Raise(TGamepadAction Action, bool Repeat);

    TClock& Clock;                         ///< time of the repeats
    QString LibraryFile;                   ///< SDL2's file, empty = the usual one
    bool Tried = false;                    ///< the first Poll() tried to open SDL
    std::unique_ptr<TSdl> Sdl;             ///< SDL's functions; null when pads cannot be used
    QString Error;                         ///< why pads cannot be used
    std::vector<TPad> Pads;                ///< the pads connected now
    std::uint8_t HeldDirections = 0;       ///< directions held by any pad, bit = 1 << direction
    std::optional<TGamepadAction> Repeating; ///< the held direction that repeats
    std::uint32_t NextRepeatTick = 0;      ///< when it repeats next
};

} // namespace zindo
