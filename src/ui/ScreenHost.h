#pragma once

#include <QString>

#include <cstdint>

namespace zindo {

class TGame;

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

/// What a screen may ask of the window that holds it. A screen reaches the
/// other screens, the message panel, the music and the game session only
/// through this interface, never through the window's members.
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
    /// Closes the window, which ends the program without a question.
    virtual void CloseWindow() = 0;

    // The message panel along the bottom.

    /// Shows Message in Style (1 bold, 2 large, else small); a persistent
    /// message stays on the first line below which passing ones appear.
    virtual void SetZindoMessage(const QString& Message, std::int32_t Style, bool Persist) = 0;
    /// Empties the panel, the standing message too.
    virtual void ClearZindoMessage() = 0;

    // Music and sound switches.

    /// The current screen lets the background music play (when it is on).
    virtual void AllowMusic() = 0;
    /// The current screen keeps the background music silent.
    virtual void ForbidMusic() = 0;
    virtual bool BackgroundMusicOn() const = 0;
    virtual void SetBackgroundMusicOn(bool On) = 0;
    virtual bool SoundEffectsOn() const = 0;
    virtual void SetSoundEffectsOn(bool On) = 0;

    // The game.

    /// The one game session; null until the window's start-up creates it.
    virtual TGame* Game() const = 0;
    /// The session once it exists.
    TGame& Session() const { return *Game(); }
    /// Runs the next idle pass as soon as the event queue is empty.
    virtual void WakeIdlePass() = 0;
};

} // namespace zindo
