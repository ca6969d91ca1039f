#include "input/GamepadInput.h"

#include "data/Clock.h"
#include "data/SdlLibrary.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace zindo {

namespace {

/// What each button of a pad does. SDL names the buttons by where they sit
/// on an Xbox pad (A at the bottom of the four face buttons, B right of it),
/// whatever is printed on them.
struct TButtonAction {
    SDL_GameControllerButton Button;
    TGamepadAction Action;
};
constexpr TButtonAction ButtonActions[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, gaUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, gaDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, gaLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, gaRight},
    {SDL_CONTROLLER_BUTTON_A, gaAccept},
    {SDL_CONTROLLER_BUTTON_B, gaBack},
    {SDL_CONTROLLER_BUTTON_X, gaBroom},
    {SDL_CONTROLLER_BUTTON_Y, gaMagic},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, gaCheck},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, gaDealNext},
    {SDL_CONTROLLER_BUTTON_BACK, gaPause},
    {SDL_CONTROLLER_BUTTON_START, gaMenu},
};

constexpr std::uint8_t DirectionCount = 4;

constexpr std::uint8_t DirectionBit(TGamepadAction Direction)
{
    return static_cast<std::uint8_t>(1u << Direction);
}

constexpr bool IsDirection(TGamepadAction Action)
{
    return Action < DirectionCount;
}

/// How far the stick at X, Y goes towards Direction (negative: away from it).
int Along(TGamepadAction Direction, int X, int Y)
{
    switch (Direction) {
    case gaUp:
        return -Y;
    case gaDown:
        return Y;
    case gaLeft:
        return -X;
    default:
        return X;
    }
}

/// The direction (as a bit) a stick at X, Y points at, given the bit it
/// pointed at before (0 = none). A pointing stick keeps its direction while
/// it stays at or beyond the release level and the other axis does not go
/// further; otherwise it points anew along its longer axis once that passes
/// the press level.
std::uint8_t StickDirection(std::uint8_t Before, int X, int Y)
{
    for (std::uint8_t d = 0; d < DirectionCount; ++d) {
        const auto direction = static_cast<TGamepadAction>(d);
        if (Before != DirectionBit(direction))
            continue;
        const int along = Along(direction, X, Y);
        const int across = std::abs(direction == gaUp || direction == gaDown ? X : Y);
        if (along >= TGamepadInput::StickReleaseLevel && across <= along)
            return Before;
    }
    if (std::abs(X) >= std::abs(Y) && std::abs(X) >= TGamepadInput::StickPressLevel)
        return DirectionBit(X > 0 ? gaRight : gaLeft);
    if (std::abs(Y) > std::abs(X) && std::abs(Y) >= TGamepadInput::StickPressLevel)
        return DirectionBit(Y > 0 ? gaDown : gaUp);
    return 0;
}

// The SDL functions the pads need.
#define ZINDO_SDL_GAMEPAD_FUNCTIONS(X)                                                                            \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_PollEvent) X(SDL_GameControllerOpen)          \
    X(SDL_GameControllerClose) X(SDL_GameControllerName) X(SDL_GameControllerGetJoystick)                          \
    X(SDL_JoystickInstanceID)

} // namespace

/// SDL2's functions, resolved from the library on the first poll.
struct TGamepadInput::TSdl {
    ZINDO_FUNCTION_TABLE(ZINDO_SDL_GAMEPAD_FUNCTIONS)
};

TGamepadInput::TGamepadInput(TClock& AClock, const QString& ALibraryFile)
    : Clock(AClock), LibraryFile(ALibraryFile)
{
}

TGamepadInput::~TGamepadInput()
{
    if (!Sdl)
        return;
    for (const TPad& pad : Pads)
        Sdl->SDL_GameControllerClose(static_cast<SDL_GameController*>(pad.Controller));
    Sdl->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

QStringList TGamepadInput::PadNames() const
{
    QStringList names;
    for (const TPad& pad : Pads)
        names << pad.Name;
    return names;
}

bool TGamepadInput::Open()
{
    TSharedLibrary library = LibraryFile.isEmpty() ? OpenSdlLibrary() : OpenSdlLibrary(LibraryFile);
    auto sdl = std::make_unique<TSdl>();
    sdl->Resolve(library);
    if (!library.Error().isEmpty()) {
        Error = library.Error();
        return false;
    }
    // Game controllers bring SDL's joystick and event subsystems with them,
    // and no video: the window stays Qt's.
    if (sdl->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        Error = QString::fromUtf8(sdl->SDL_GetError());
        return false;
    }
    Sdl = std::move(sdl);
    return true;
}

int TGamepadInput::Poll()
{
    if (!Tried) {
        Tried = true;
        Open();
    }
    if (!Sdl)
        return PollNever;

    // Pads present at the start come as "added" events too. The queue also
    // holds what nobody else reads (raw joystick and audio device events).
    SDL_Event event;
    while (Sdl->SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            PadAdded(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            PadRemoved(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            ButtonChanged(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERAXISMOTION:
            StickMoved(event.caxis.which, event.caxis.axis, event.caxis.value);
            break;
        default:
            break;
        }
    }

    if (Pads.empty())
        return IdlePollInterval;
    if (!Repeating)
        return PadPollInterval;
    const std::uint32_t now = Clock.TickCount();
    if (static_cast<std::int32_t>(now - NextRepeatTick) >= 0) {
        // A poll that comes late repeats once, not once for every interval
        // missed: a stalled window must not make the cursor jump.
        NextRepeatTick += RepeatInterval;
        if (static_cast<std::int32_t>(now - NextRepeatTick) >= 0)
            NextRepeatTick = now + RepeatInterval;
        Raise(*Repeating, true);
    }
    if (!Repeating)
        return PadPollInterval;
    const auto due = static_cast<std::int32_t>(NextRepeatTick - Clock.TickCount());
    return std::clamp(due, 1, PadPollInterval);
}

void TGamepadInput::PadAdded(int DeviceIndex)
{
    SDL_GameController* controller = Sdl->SDL_GameControllerOpen(DeviceIndex);
    if (!controller)
        return; // gone again already, or SDL lacks its layout after all
    const std::int32_t id = Sdl->SDL_JoystickInstanceID(Sdl->SDL_GameControllerGetJoystick(controller));
    if (FindPad(id)) {
        // Announced twice (at the start SDL may do so): SDL counts opens.
        Sdl->SDL_GameControllerClose(controller);
        return;
    }
    TPad pad;
    pad.Controller = controller;
    pad.InstanceId = id;
    pad.Name = QString::fromUtf8(Sdl->SDL_GameControllerName(controller));
    Pads.push_back(pad);
    if (OnConnection)
        OnConnection(*this, pad.Name, true);
}

void TGamepadInput::PadRemoved(std::int32_t InstanceId)
{
    const auto gone = std::find_if(Pads.begin(), Pads.end(),
                                   [&](const TPad& Pad) { return Pad.InstanceId == InstanceId; });
    if (gone == Pads.end())
        return;
    Sdl->SDL_GameControllerClose(static_cast<SDL_GameController*>(gone->Controller));
    const QString name = gone->Name;
    Pads.erase(gone);
    DirectionsChanged();
    if (OnConnection)
        OnConnection(*this, name, false);
}

void TGamepadInput::ButtonChanged(std::int32_t InstanceId, std::uint8_t Button, bool Down)
{
    TPad* pad = FindPad(InstanceId);
    const auto mapped = std::find_if(std::begin(ButtonActions), std::end(ButtonActions),
                                     [&](const TButtonAction& Entry) { return Entry.Button == Button; });
    if (!pad || mapped == std::end(ButtonActions))
        return;
    if (IsDirection(mapped->Action)) {
        const std::uint8_t bit = DirectionBit(mapped->Action);
        pad->DpadHeld = Down ? pad->DpadHeld | bit : pad->DpadHeld & ~bit;
        DirectionsChanged();
    } else if (Down) {
        Raise(mapped->Action, false);
    }
}

void TGamepadInput::StickMoved(std::int32_t InstanceId, std::uint8_t Axis, int Value)
{
    TPad* pad = FindPad(InstanceId);
    if (!pad || (Axis != SDL_CONTROLLER_AXIS_LEFTX && Axis != SDL_CONTROLLER_AXIS_LEFTY))
        return;
    (Axis == SDL_CONTROLLER_AXIS_LEFTX ? pad->StickX : pad->StickY) = Value;
    const std::uint8_t held = StickDirection(pad->StickHeld, pad->StickX, pad->StickY);
    if (held == pad->StickHeld)
        return;
    pad->StickHeld = held;
    DirectionsChanged();
}

TGamepadInput::TPad* TGamepadInput::FindPad(std::int32_t InstanceId)
{
    for (TPad& pad : Pads)
        if (pad.InstanceId == InstanceId)
            return &pad;
    return nullptr;
}

void TGamepadInput::DirectionsChanged()
{
    std::uint8_t held = 0;
    for (const TPad& pad : Pads)
        held |= pad.DpadHeld | pad.StickHeld;
    const std::uint8_t pressed = held & ~HeldDirections;
    HeldDirections = held;
    const std::uint32_t now = Clock.TickCount();

    if (Repeating && !(held & DirectionBit(*Repeating))) {
        // Let go: another direction still held takes over the repeat.
        Repeating.reset();
        for (std::uint8_t d = 0; d < DirectionCount; ++d)
            if (held & DirectionBit(static_cast<TGamepadAction>(d))) {
                Repeating = static_cast<TGamepadAction>(d);
                NextRepeatTick = now + RepeatDelay;
                break;
            }
    }
    for (std::uint8_t d = 0; d < DirectionCount; ++d) {
        const auto direction = static_cast<TGamepadAction>(d);
        if (!(pressed & DirectionBit(direction)))
            continue;
        Repeating = direction;
        NextRepeatTick = now + RepeatDelay;
        Raise(direction, false);
    }
}

void TGamepadInput::Raise(TGamepadAction Action, bool Repeat)
{
    if (OnAction)
        OnAction(*this, Action, Repeat);
}

} // namespace zindo
