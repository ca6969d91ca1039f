#pragma once

#include "ScreenHost.h"

#include "sound/SoundOutput.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <future>
#include <memory>

class QAction;
class QTimer;

namespace zindo {

class TAboutScreen;
class TClock;
class TLoadScreen;
class TMainScreen;
class TPictureInBackground;
class TPlayingScreen;
class TPuzzleMakerScreen;
class TRandomGenerator;
class TScene;
class TSceneView;
class TScreen;
class TStartUpLoader;
class TThemeSelectionScreen;
struct TWallpaperPicture;
class TTutorialScreen;

/// The game's one window, "Zindo Puzzle". It holds the scene the player sees
/// (a black bar, the page stack with one page per screen, the message panel
/// and another black bar), shown scaled to the window by its view, the
/// keyboard shortcuts, the display mode and the window's size, the
/// permission for background music and the idle pass that drives the game.
/// It owns the game session for the whole run, subscribes to its three
/// events and hands what concerns a level on to the playing screen.
///
/// Construction only builds the controls; StartUp runs the start-up (data
/// files, session, first-start question, display mode) and may raise an error
/// when the game's data cannot be read.
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

    /// The start-up, in its order: the data folder, wallpapers, main-screen
    /// picture, session, the player's folder, the first-start question,
    /// display mode, main screen; then the idle pass begins. The bonus icons
    /// and sounds load just after the window's first frame, or when a screen
    /// other than the main one is shown first; the greeting sound and the
    /// music wait for them. Raises EQzError naming the folders it looked in when the
    /// game's data folder is missing. A player's folder that cannot keep
    /// files does not stop the start: the player is told once, and the run
    /// goes on in a window unless a display mode is stored or was asked for.
    void StartUp();
    /// Does now what StartUp left for after the first frame (the other
    /// screens, icons, sounds), unless it has been done.
    void FinishStartUp();

    // TScreenHost.
    void ShowScreen(TScreenId Id) override;
    void OpenScreen(TScreenId Id) override;
    TScreenId CurrentScreen() const override;
    void StartLevelScreen() override;
    void ShowOptionsDialog() override;
    void CloseWindow() override;
    void SetZindoMessage(const QString& Message, std::int32_t Style, bool Persist) override;
    void ClearZindoMessage() override;
    void AllowMusic() override;
    void ForbidMusic() override;
    bool BackgroundMusicOn() const override { return FBackgroundMusicOn; }
    void SetBackgroundMusicOn(bool On) override { FBackgroundMusicOn = On; }
    bool SoundEffectsOn() const override { return FSoundEffectsOn; }
    void SetSoundEffectsOn(bool On) override { FSoundEffectsOn = On; }
    TGame* Game() const override { return FGame.get(); }
    void WakeIdlePass() override;

    // The idle pass.

    /// One pass of the main loop: the session's tick, the views due for
    /// painting, the pending effect's sound, the background music.
    void IdlePass();
    /// Arms the idle timer for the next pass: when the next game step is due,
    /// at once when something waits to be painted or heard.
    void ScheduleIdlePass();

    // What the window holds, for the program and its tests.

    /// The current screen lets background music play.
    bool MusicAllowed() const { return FMusicAllowed; }
    /// Ctrl+Shift+K has been pressed during this run.
    bool HiddenFunctionsEnabled() const { return FHiddenFunctionsEnabled; }
    /// The effect whose sound the next idle pass plays; 0 = none.
    std::uint8_t PendingEffect() const { return FPendingEffect; }
    /// The markup the message panel shows now.
    QString ZindoMessageMarkup() const;
    /// The display mode of this run: the one the command line or a setting
    /// that could not be stored chose, else the stored one (ReadDisplayMode).
    QString DisplayMode() const;
    TSoundOutput& Sound() { return *SoundOut; }
    TMainScreen& MainScreen() { return *FMainScreen; }
    TPlayingScreen& PlayingScreen() { return *FPlayingScreen; }
    TTutorialScreen& TutorialScreen() { return (BuildOtherScreens(), *FTutorialScreen); }
    TPuzzleMakerScreen& PuzzleMakerScreen() { return (BuildOtherScreens(), *FPuzzleMakerScreen); }
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
    void BuildActions();
    /// The screen Id, built first when it is one of those built after the first frame.
    TScreen& Screen(TScreenId Id);
    /// Builds the screens other than the main and playing ones, once.
    void BuildOtherScreens();
    void LayWallpapers();
    void ApplyDisplayMode();
    void AskDisplayModeOnFirstStart();
    void PlayerFilesNotKept(const QString& Reason, bool AllFiles);
    void SetFrame(Qt::WindowFlags Flags);
    void RememberWindowedBounds();
    void UpdateBackgroundMusic();
    /// The icons and sounds have been loaded (after the first frame).
    bool SoundsLoaded() const;
    void HandleChange(std::uint8_t Parts);
    void HandleEffect(std::int32_t Code);
    void HandleStateChange(std::uint8_t State);
    /// Control's hint belongs in the message panel: it lies on this window
    /// or on a dialog the window owns.
    bool ShowsHintsOf(const QWidget& Control) const;

    static constexpr std::uint32_t IdleStepMs = 50; ///< the game's step; the longest idle wait
    TClock& Clock;                           ///< time of the game
    TRandomGenerator& Random;                ///< the program's generator
    std::unique_ptr<TSoundOutput> SoundOut;  ///< effects and music
    std::unique_ptr<TGame> FGame;            ///< the one game session
    QTimer* IdleTimer = nullptr;             ///< runs the idle pass
    bool RunIdleTimer = true;                ///< start IdleTimer in StartUp
    bool Started = false;                    ///< StartUp has run
    TStartUpLoader* AfterFirstFrame = nullptr; ///< loads icons and sounds after the first frame

    bool FBackgroundMusicOn = true;       ///< player's setting, not stored
    bool FSoundEffectsOn = true;          ///< player's setting, not stored
    bool FMusicAllowed = false;           ///< the current screen lets music play
    std::uint8_t FPendingEffect = 3;      ///< effect the next idle pass plays; 0 = none
    bool FHiddenFunctionsEnabled = false; ///< set by Ctrl+Shift+K for the run
    QString RunDisplayMode;               ///< display mode of this run only; empty = the stored one
    bool FSettingsKept = true;            ///< config.ini can be written
    bool PlayerFilesWarned = false;       ///< the player was told that files are not kept
    int WindowedLeft = 5;                 ///< window bounds when windowed, frame included
    int WindowedTop = 5;
    int WindowedWidth = 1011;             ///< the window's own size when windowed
    int WindowedHeight = 694;
    bool WindowedMaximized = false;       ///< the framed window is maximised
    bool FullScreenShown = false;         ///< full screen now, not framed

    std::unique_ptr<TPictureInBackground> WallpaperPicture; ///< read while the screens are built
    std::unique_ptr<TPictureInBackground> SplashPicture;    ///< the same, for the main screen
    std::future<std::unique_ptr<TGame>> SessionInBackground; ///< the session, made (its sprites read) meanwhile

    TScene* Scene = nullptr;    ///< everything the player sees: bars, pages, message panel
    TSceneView* View = nullptr; ///< shows the scene scaled to the window

    // The screens, each a page of the scene's page stack, in the order of TScreenId.
    TMainScreen* FMainScreen = nullptr;
    TPlayingScreen* FPlayingScreen = nullptr;
    TTutorialScreen* FTutorialScreen = nullptr;
    TThemeSelectionScreen* FThemeSelectionScreen = nullptr;
    TLoadScreen* FLoadScreen = nullptr;
    TPuzzleMakerScreen* FPuzzleMakerScreen = nullptr;
    TAboutScreen* FAboutScreen = nullptr;
    std::array<TScreen*, ScreenCount> Screens{}; ///< the same, by TScreenId; null until built
    std::shared_ptr<TWallpaperPicture> Wallpaper; ///< the pages' shared wallpaper

    // Keyboard shortcuts; they act whenever the window has the keyboard.
    QAction* MenuAction = nullptr;                  ///< Esc: the in-game menu
    QAction* EnableHiddenFunctionsAction = nullptr; ///< Ctrl+Shift+K
    QAction* OpenPuzzleMakerAction = nullptr;       ///< Ctrl+Shift+M, once enabled
    QAction* SolveLevelAction = nullptr;            ///< Ctrl+Shift+C, once enabled
    QAction* StartRaidAction = nullptr;             ///< Ctrl+Shift+T, once enabled: a zindo raid
};

} // namespace zindo
