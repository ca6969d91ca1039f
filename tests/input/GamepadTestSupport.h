#pragma once

#include "data/Clock.h"
#include "input/GamepadInput.h"
#include "support/QStringPrint.h"

#include <QString>
#include <QStringList>

#include <SDL.h>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace zindo::test {

/// The vendor and product ids of the test's virtual pads. SDL names a pad
/// after the layout it keeps per vendor and product, so pads that differ in
/// name differ in product. The tests run with
/// SDL_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT naming only these (tests/input/
/// CMakeLists.txt): SDL then hides the machine's real pads, while its
/// virtual ones are never hidden.
constexpr Uint16 VirtualPadVendor = 0x1209;
constexpr Uint16 VirtualPadProduct = 0x0001;
constexpr Uint16 OtherVirtualPadProduct = 0x0002;

/// SDL's joystick subsystem held for the test's own pads, also while no
/// TGamepadInput has it open.
class TSdlJoysticks {
public:
    TSdlJoysticks() { Ready = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0; }
    ~TSdlJoysticks()
    {
        if (Ready)
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    TSdlJoysticks(const TSdlJoysticks&) = delete;
    TSdlJoysticks& operator=(const TSdlJoysticks&) = delete;
    bool Ready = false;
};

/// A game controller made by SDL itself (its virtual joystick driver), with
/// the buttons and axes SDL names, in that order; plugged in when made and
/// pulled out by Detach() or when it goes.
class TVirtualPad {
public:
    explicit TVirtualPad(const char* Name, Uint16 Product = VirtualPadProduct)
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.vendor_id = VirtualPadVendor;
        desc.product_id = Product;
        desc.name = Name;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0)
            Joystick = SDL_JoystickOpen(index);
        EXPECT_NE(Joystick, nullptr) << "no virtual pad: " << SDL_GetError();
    }
    ~TVirtualPad() { Detach(); }
    TVirtualPad(const TVirtualPad&) = delete;
    TVirtualPad& operator=(const TVirtualPad&) = delete;

    void Press(SDL_GameControllerButton Button) { SDL_JoystickSetVirtualButton(Joystick, Button, SDL_PRESSED); }
    void Release(SDL_GameControllerButton Button) { SDL_JoystickSetVirtualButton(Joystick, Button, SDL_RELEASED); }
    void Move(SDL_GameControllerAxis Axis, int Value) { SDL_JoystickSetVirtualAxis(Joystick, Axis, Sint16(Value)); }
    /// Puts the left stick at X, Y (right and down positive).
    void Stick(int X, int Y)
    {
        Move(SDL_CONTROLLER_AXIS_LEFTX, X);
        Move(SDL_CONTROLLER_AXIS_LEFTY, Y);
    }

    /// Pulls the pad out (once).
    void Detach()
    {
        if (!Joystick)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(Joystick);
        SDL_JoystickClose(Joystick);
        Joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* Joystick = nullptr; ///< the test's own handle, for setting its state
};

using TRaisedActions = std::vector<std::pair<TGamepadAction, bool>>;

/// Records every event of a TGamepadInput: actions with their repeat flag,
/// and connections as "+name" / "-name".
struct TGamepadRecorder {
    explicit TGamepadRecorder(TGamepadInput& Input)
    {
        Input.OnAction = [this](TGamepadInput&, TGamepadAction Action, bool Repeat) {
            Actions.emplace_back(Action, Repeat);
        };
        Input.OnConnection = [this](TGamepadInput&, const QString& PadName, bool Connected) {
            Connections << (Connected ? QStringLiteral("+") : QStringLiteral("-")) + PadName;
        };
    }
    /// What was raised since the last call.
    TRaisedActions TakeActions() { return std::exchange(Actions, {}); }

    TRaisedActions Actions;  ///< actions not yet taken
    QStringList Connections; ///< every connection, oldest first
};

} // namespace zindo::test
