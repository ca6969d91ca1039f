#pragma once

#include "GameAudio.h"
#include "ScreenHost.h"

#include "data/PlayerSettings.h"
#include "game/Game.h"
#include "input/GamepadInput.h"
#include "sound/SoundOutput.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QTimer;

namespace zindo {

class TClock;
class TMainScreen;
class TPictureInBackground;
class TPlayingScreen;
class TPuzzleMakerScreen;
class TRandomGenerator;
class TScene;
class TSceneView;
class TScreen;
class TStartUpLoader;
struct TWallpaperPicture;
class TTutorialScreen;

/// The game's one window, "Zindo Puzzle". It holds the game session, made
/// before anything else, and the scene the player sees (a black bar, the page
/// stack with one page per screen, the message panel and another black bar),
/// shown scaled to the window by its view. Besides it keeps the frame and the
/// display mode, the page switch, the keyboard shortcuts that belong to no
/// screen, the gamepads, the sounds, and the idle pass that drives the game.
/// What happens in a level is the playing screen's business: it follows the
/// session's events itself.
///
/// Escape is the window's: it closes nothing itself but asks the screen
/// shown to go back (TScreen::GoBack); a dialog open in the scene takes it
/// first. The gamepads are polled from just after the first frame, at the
/// pace their layer asks for; their directions and A reach the control with
/// the focus as the arrow keys and Enter do, B goes back as Escape does, and
/// on the playing screen the other buttons are the level's commands. Pads
/// coming and going are told in the message panel; while another window is
/// active the pads do nothing. The keyboard or a pad in use shows the
/// playing screen's cursors, the mouse moving hides them.
///
/// Construction builds the session and the first two screens; StartUp runs
/// the start-up (data folder, pictures, the player's folder, first-start
/// question, display mode) and may raise an error when the game's data cannot
/// be read.
///
/// Closing the window (its frame, the desktop, the main screen's "Exit") while
/// the session has progress that is not saved asks first, with the level
/// paused: "Save and Quit" (the save dialog; the window closes once the game
/// is saved), "Quit Without Saving" or "Back to the Game". With nothing to
/// lose, and while the desktop's session ends, it closes at once.
class TMainWindow : public QWidget, public TScreenHost {
public:
    /// Where the window gets time, chance and sound; the program passes the
    /// system clock, the program's generator and its mixer.
    struct TOptions {
        TClock* Clock = nullptr;              ///< null = the system clock
        TRandomGenerator* Random = nullptr;   ///< null = the program's generator
        std::unique_ptr<TSoundOutput> Sound;  ///< null = silent
        bool RunIdleTimer = true;             ///< tests drive IdlePass by hand
        QString DisplayMode;                  ///< "window" or "fullscreen" for this run only; empty = the stored choice
    };

    TMainWindow();
    explicit TMainWindow(TOptions Options);
    ~TMainWindow() override;

    /// The start-up, in its order: the data folder, the session's sprites,
    /// wallpapers, main-screen picture, the player's folder, the first-start
    /// question, display mode, main screen; then the idle pass begins. The
    /// other screens, bonus icons and sounds load just after the window's
    /// first frame, or when a screen other than the main one is shown first;
    /// the greeting sound and the music wait for them. Raises EQzError naming
    /// the folders it looked in when the game's data folder is missing. A
    /// player's folder that cannot keep files does not stop the start: the
    /// player is told once, and the run goes on in a window unless a display
    /// mode is stored or was asked for.
    void StartUp();
    /// Does now what StartUp left for after the first frame (the other
    /// screens, icons, sounds), unless it has been done.
    void FinishStartUp();
    /// Escape, or B on a gamepad, while no dialog is open: the shown
    /// screen's way back.
    void GoBack();
    /// Takes what the gamepads did since the last poll and acts on it; the
    /// timer started after the first frame calls it (tests call it by hand).
    void PollGamepads();
    /// The desktop's session is ending (the player logs out; the program
    /// calls it on the toolkit's commitDataRequest): the window closes from
    /// now on without a question, which would hold up the log-out, and
    /// nothing is saved that the player was not asked about. The player's
    /// next click or key means the log-out was called off, and closing asks
    /// again.
    void DesktopSessionEnding();

    // TScreenHost.
    void ShowScreen(TScreenId Id) override;
    void OpenScreen(TScreenId Id) override;
    TScreenId CurrentScreen() const override;
    void StartLevelScreen() override;
    void ShowOptionsDialog() override;
    void CloseWindow() override;
    void SetZindoMessage(const QString& Message, TMessageStyle Style, bool Persist) override;
    void ClearZindoMessage() override;
    void AllowMusic() override { Audio.AllowMusic(); }
    void ForbidMusic() override { Audio.ForbidMusic(); }
    bool BackgroundMusicOn() const override { return Audio.MusicOn(); }
    void SetBackgroundMusicOn(bool On) override { Audio.SetMusicOn(On); }
    bool SoundEffectsOn() const override { return Audio.EffectsOn(); }
    void SetSoundEffectsOn(bool On) override { Audio.SetEffectsOn(On); }
    void PlayEffect(TGameEffect Effect) override;
    void WakeIdlePass() override;

    // The idle pass.

    /// One pass of the main loop: the session's tick, the views due for
    /// painting, the pending effect's sound.
    void IdlePass();
    /// Arms the idle timer for the next pass: when the next game step is due,
    /// at once when something waits to be painted or heard, never while
    /// nothing moves.
    void ScheduleIdlePass();

    // What the window holds, for the program and its tests.

    /// The one game session.
    TGame& Session() { return GameSession; }
    /// The current screen lets background music play.
    bool MusicAllowed() const { return Audio.MusicAllowed(); }
    /// Ctrl+Shift+K has been pressed during this run.
    bool HiddenFunctionsEnabled() const { return HiddenFunctions; }
    /// The effect whose sound the next idle pass plays; 0 = none.
    std::uint8_t PendingEffect() const { return Audio.PendingEffectCode(); }
    /// The markup the message panel shows now.
    QString ZindoMessageMarkup() const;
    /// The display mode of this run: the one the command line or a setting
    /// that could not be stored chose, else the stored one.
    TDisplayMode DisplayMode() const;
    TSoundOutput& Sound() { return Audio.Output(); }
    TMainScreen& MainScreen();
    TPlayingScreen& PlayingScreen();
    TTutorialScreen& TutorialScreen();
    TPuzzleMakerScreen& PuzzleMakerScreen();
    /// The view that shows the scene scaled to the window.
    TSceneView& SceneView() { return *View; }

    /// The smallest window the player can make: a third of the design size,
    /// where the scene is still recognisable.
    static constexpr int MinimumWidth = 337;
    static constexpr int MinimumHeight = 231;

protected:
    void changeEvent(QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void moveEvent(QMoveEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    /// Where the framed window goes and how large it is, remembered while it
    /// is shown framed and in its normal state, for the way back from full
    /// screen and for the next start.
    struct TWindowedBounds {
        int Left = 5;           ///< frame included
        int Top = 5;            ///< frame included
        int Width = 1011;       ///< the window's own size
        int Height = 694;
        bool Maximized = false; ///< the framed window is maximised
    };

    // Building and starting (MainWindowStartUp.cpp).
    void BuildActions();
    /// The screen Id, built first when it is one of those built after the first frame.
    TScreen& Screen(TScreenId Id);
    /// Builds the screens other than the main and playing ones, once.
    void BuildOtherScreens();
    void LayWallpapers();
    void CheckDataFolder() const;
    void PlaceWindowAtStart();
    void MakePlayerFolderOrWarn();
    void AskDisplayModeOnFirstStart();
    void StartIdleTimer();
    void PlayerFilesNotKept(const QString& Reason, bool AllFiles);
    void StartGamepadPolling();

    // The gamepads (MainWindow.cpp).
    /// Action of a gamepad: keys for the control with the focus, the way
    /// back, or a command of the level.
    void GamepadAction(TGamepadAction Action);
    /// A pad came or went: said in the message panel.
    void GamepadConnection(const QString& PadName, bool Connected);
    /// Key pressed and let go at the control with the keyboard focus.
    void SendKeyToFocus(int Key);

    // The display (MainWindowDisplay.cpp).
    void ApplyDisplayMode();
    void ShowFullScreen(bool Shown);
    void ShowFramed(bool Shown);
    void SetFrame(Qt::WindowFlags Flags);
    void RememberWindowedBounds();
    /// Stores Mode as the player's choice; for this run only when it cannot be stored.
    void KeepDisplayMode(TDisplayMode Mode);

    /// Control's hint belongs in the message panel: it lies on this window
    /// or on a dialog the window owns.
    bool ShowsHintsOf(const QWidget& Control) const;
    /// Whether the window may close now: at once with nothing to lose (or
    /// while the desktop's session ends), else as the player answers the
    /// question, the level paused meanwhile.
    bool MayClose();
    /// Stores the language chosen in Options and says in the message panel
    /// when it changes the language of the next start.
    void KeepLanguage(const QString& Language);

    static constexpr std::uint32_t IdleStepMs = 50; ///< the game's step; the longest idle wait
    TClock& Clock;                         ///< time of the game
    TRandomGenerator& Random;              ///< the program's generator
    TGame GameSession;                     ///< the one game session, made first
    TGameAudio Audio;                      ///< effects, music and their switches
    QTimer* IdleTimer = nullptr;           ///< runs the idle pass
    TGamepadInput Gamepads;                ///< the pads, polled from the first frame on
    QTimer* GamepadTimer = nullptr;        ///< polls the pads; null until the first frame
    QPoint LastPointer;                    ///< where the mouse last moved to, on the screen
    QPointer<QWidget> FocusBeforeDialog;   ///< the control that had the keys when a dialog opened
    bool RunIdleTimer = true;              ///< start IdleTimer in StartUp
    bool Started = false;                  ///< StartUp has run
    TStartUpLoader* AfterFirstFrame = nullptr; ///< builds and loads what waits for the first frame
    bool HiddenFunctions = false;          ///< set by Ctrl+Shift+K for the run
    TDisplayMode RunDisplayMode = dmUnknown; ///< display mode of this run only; dmUnknown = the stored one
    bool SettingsKept = true;              ///< config.ini can be written
    bool PlayerFilesWarned = false;        ///< the player was told that files are not kept
    TWindowedBounds Windowed;              ///< the framed window's place and size
    bool FullScreenShown = false;          ///< full screen now, not framed
    bool AskingBeforeClose = false;        ///< the question before closing is shown
    bool DesktopSessionEnds = false;       ///< see DesktopSessionEnding

    std::unique_ptr<TPictureInBackground> WallpaperPicture; ///< read while the screens are built
    std::unique_ptr<TPictureInBackground> SplashPicture;    ///< the same, for the main screen
    std::shared_ptr<TWallpaperPicture> Wallpaper;           ///< the pages' shared wallpaper

    TScene* Scene = nullptr;    ///< everything the player sees: bars, pages, message panel
    TSceneView* View = nullptr; ///< shows the scene scaled to the window
    std::array<TScreen*, ScreenCount> Screens{}; ///< the pages of the scene, by TScreenId; null until built
};

} // namespace zindo
