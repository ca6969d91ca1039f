#pragma once

#include "game/PuzzleClass.h"

#include <QString>

#include <cstdint>

namespace zindo {

/// The screens of the main window, in the order of the pages of its page stack.
enum TScreenId : std::uint8_t {
    scMain = 0,       ///< picture, title, menu and high scores
    scPlaying,        ///< a level being played
    scTutorial,       ///< pages of pictures with a short text
    scThemeSelection, ///< the player's name and the theme of a new game
    scLoad,           ///< the saved games
    scPuzzleMaker,    ///< a theme's level pictures replaced by the player's own
    scAbout,          ///< version and credits
};
inline constexpr int ScreenCount = scAbout + 1;

/// How a line of the message panel is written.
enum TMessageStyle : std::uint8_t {
    msVerdict = 1, ///< bold and large: a level's verdict
    msLarge = 2,   ///< large
    msHint = 3,    ///< small: hints, notes and errors
};

/// What a screen may ask of the window that holds it: navigation, the
/// message panel and the music and sounds. A screen never reaches the
/// window's members, nor another screen but through this interface; the
/// game session is handed to the screens that need it when they are built.
class TScreenHost {
public:
    virtual ~TScreenHost() = default;

    // Navigation.

    /// Switches to Screen: the standing message is cleared, the screen is
    /// shown, its first control gets the focus, then its entry actions run.
    virtual void ShowScreen(TScreenId Screen) = 0;
    /// The way into Screen from a menu: what the screen's Open does (the
    /// theme selection fills its list first, the tutorial shows its first page).
    virtual void OpenScreen(TScreenId Screen) = 0;
    /// The screen shown now.
    virtual TScreenId CurrentScreen() const = 0;
    /// Starts the session's current level on the playing screen.
    virtual void StartLevelScreen() = 0;
    /// The Options dialog: music, effects, full screen or window.
    virtual void ShowOptionsDialog() = 0;
    /// Closes the window, which ends the program.
    virtual void CloseWindow() = 0;

    // The message panel along the bottom.

    /// Shows Message in Style; a persistent message stays on the first line,
    /// below which passing ones appear.
    virtual void SetZindoMessage(const QString& Message, TMessageStyle Style, bool Persist) = 0;
    /// Empties the panel, the standing message too.
    virtual void ClearZindoMessage() = 0;

    // Music and sounds.

    /// The current screen lets the background music play (when it is on).
    virtual void AllowMusic() = 0;
    /// The current screen keeps the background music silent.
    virtual void ForbidMusic() = 0;
    virtual bool BackgroundMusicOn() const = 0;
    virtual void SetBackgroundMusicOn(bool On) = 0;
    virtual bool SoundEffectsOn() const = 0;
    virtual void SetSoundEffectsOn(bool On) = 0;
    /// Plays the sound of Effect at the next idle pass (only the last effect
    /// before a pass sounds), when the effects are on.
    virtual void PlayEffect(TGameEffect Effect) = 0;

    // The idle pass.

    /// Runs the next idle pass as soon as the event queue is empty: a view
    /// waits to be painted.
    virtual void WakeIdlePass() = 0;
};

} // namespace zindo
