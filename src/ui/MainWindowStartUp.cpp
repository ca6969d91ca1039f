// The main window's start: what StartUp builds and reads before the first
// frame, and what waits for just after it.

#include "MainWindow.h"

#include "AboutScreen.h"
#include "BonusIcons.h"
#include "ErrorBox.h"
#include "LoadScreen.h"
#include "MainScreen.h"
#include "MessagePanel.h"
#include "PlayingScreen.h"
#include "PuzzleMakerScreen.h"
#include "Scene.h"
#include "ScreenParts.h"
#include "StartUpLoader.h"
#include "ThemeSelectionScreen.h"
#include "TutorialScreen.h"
#include "Wallpaper.h"

#include "data/GamePaths.h"
#include "data/PlayerSettings.h"
#include "data/QzError.h"
#include "dialogs/StartUpForm.h"
#include "game/Game.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace zindo {

void TMainWindow::BuildActions()
{
    auto addAction = [this](const char* Name, const QString& Caption, const QKeySequence& Key,
                            std::function<void()> Execute) {
        auto* action = new QAction(Caption, this);
        action->setObjectName(QLatin1String(Name));
        action->setShortcut(Key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [Execute] { RunGuarded(Execute); });
        this->addAction(action);
    };
    // Escape goes back on every screen: on the playing screen it puts the
    // piece in hand back or opens the in-game menu.
    addAction("BackAction", QStringLiteral("Back"), QKeySequence(Qt::Key_Escape), [this] { GoBack(); });
    // The hidden functions: Ctrl+Shift+K opens them for the run.
    addAction("EnableHiddenFunctionsAction", QStringLiteral("Enable Hidden Functions"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), [this] { HiddenFunctions = true; });
    addAction("OpenPuzzleMakerAction", QStringLiteral("Puzzle Maker"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
              [this] {
                  if (HiddenFunctions)
                      ShowScreen(scPuzzleMaker);
              });
    addAction("SolveLevelAction", QStringLiteral("Solve Level"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              [this] {
                  if (HiddenFunctions)
                      GameSession.SolveLevel();
              });
    addAction("StartRaidAction", QStringLiteral("Start Zindo Raid"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
              [this] {
                  if (HiddenFunctions)
                      GameSession.StartRaid();
              });
}

void TMainWindow::BuildOtherScreens()
{
    if (Screens[scTutorial])
        return;
    // Added to the page stack in the order of TScreenId, after the two built first.
    QStackedWidget& pages = Scene->Pages();
    Screens[scTutorial] = new TTutorialScreen(*this, pages);
    Screens[scThemeSelection] = new TThemeSelectionScreen(*this, pages, GameSession);
    Screens[scLoad] = new TLoadScreen(*this, pages, GameSession);
    Screens[scPuzzleMaker] = new TPuzzleMakerScreen(*this, pages);
    Screens[scAbout] = new TAboutScreen(*this, pages);
    LayWallpapers();
}

void TMainWindow::LayWallpapers()
{
    // The pages share one picture; a page gets its wallpaper once.
    if (!Wallpaper && WallpaperPicture)
        Wallpaper = std::make_shared<TWallpaperPicture>(QPixmap::fromImage(WallpaperPicture->Take()));
    for (TScreen* screen : Screens)
        if (screen && !screen->findChild<QWidget*>(QStringLiteral("Wallpaper"), Qt::FindDirectChildrenOnly))
            new TWallpaper(screen, Wallpaper);
}

void TMainWindow::StartUp()
{
    CheckDataFolder();
    // A sprite that cannot be read stops the start here, as any other data.
    GameSession.WaitUntilReady();
    Scene->Messages().setPalette(BlackPalette());
    PlaceWindowAtStart();

    // What lives for the whole run: wallpaper and the main picture now; the
    // other screens, icons and sounds just after the first frame, or as soon
    // as the player leaves the main screen. The greeting and the music wait
    // for the sounds.
    AfterFirstFrame = new TStartUpLoader(*this, [this] {
        // The desktop shows the window's icon in its task bar a moment later.
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
        BuildOtherScreens();
        RegisterBonusIcons();
        Audio.LoadSounds();
        WakeIdlePass();
        // The pads too wait for the window to be drawn: the first poll loads SDL2.
        if (RunIdleTimer)
            StartGamepadPolling();
    });
    LayWallpapers();
    MainScreen().SetSplashImage(SplashPicture->Take());
    Audio.QueueEffect(efRisk); // the first idle pass greets the player with this sound

    MakePlayerFolderOrWarn();
    AskDisplayModeOnFirstStart();
    ApplyDisplayMode();
    Started = true;
    ShowScreen(scMain);
    if (RunIdleTimer)
        StartIdleTimer();
}

void TMainWindow::CheckDataFolder() const
{
    // Without its data the game cannot be played; say where it was looked for.
    if (!QFileInfo(GameDataFolder()).isDir())
        throw EQzError(QCoreApplication::translate("MainWindow",
                                                   "The game's data was not found. It was looked for in:\n%1")
                           .arg(GameDataFolderCandidates().join(QLatin1Char('\n'))));
}

void TMainWindow::PlaceWindowAtStart()
{
    // Windowed, the window opens at the size the player left it (no larger
    // than the screen's room, for a size kept from a larger screen), else at
    // the design size in the desktop's logical pixels (so a desktop scaled by
    // 2 gets twice as many device pixels); it is centred on a screen larger
    // than 1024 x 768.
    const TWindowSizeSetting stored = TPlayerSettings().WindowSize();
    QSize size(SceneDesignWidth, SceneDesignHeight);
    Windowed.Maximized = stored.Maximized;
    Windowed.Left = 5;
    Windowed.Top = 5;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        if (!stored.Size.isEmpty())
            size = stored.Size.boundedTo(room.size()).expandedTo(minimumSize());
        const QSize screenSize = screen->size();
        if (screenSize.width() > 1024 && screenSize.height() > 768) {
            Windowed.Left = screenSize.width() / 2 - size.width() / 2;
            Windowed.Top = screenSize.height() / 2 - size.height() / 2;
        }
    }
    Windowed.Width = size.width();
    Windowed.Height = size.height();
}

void TMainWindow::MakePlayerFolderOrWarn()
{
    // The player's folder is made (privately) now; when it cannot keep files
    // the game still starts, and says so once.
    QString problem;
    if (!CheckPlayerFolder(problem))
        PlayerFilesNotKept(problem, true);
    // Writes that a crash or a kill cut short left their temporary files;
    // they go before any screen lists saved games or reads the scores.
    TGame::CleanUpInterruptedWrites();
}

void TMainWindow::StartIdleTimer()
{
    // From now on the idle pass drives the game.
    IdleTimer = new QTimer(this);
    IdleTimer->setSingleShot(true);
    IdleTimer->setTimerType(Qt::PreciseTimer);
    connect(IdleTimer, &QTimer::timeout, this, [this] {
        // Armed before the pass, so that a dialog the pass opens (a verdict,
        // an error) still has the game running behind it.
        IdleTimer->start(static_cast<int>(IdleStepMs));
        RunGuarded([this] { IdlePass(); });
        ScheduleIdlePass();
    });
    // Whatever the player's input started (a level, a resumed game) is seen
    // before the event loop waits again, also in a dialog's loop.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (!IdleTimer->isActive())
            ScheduleIdlePass();
    });
    IdleTimer->start(0);
}

void TMainWindow::FinishStartUp()
{
    if (AfterFirstFrame)
        AfterFirstFrame->Finish();
}

void TMainWindow::AskDisplayModeOnFirstStart()
{
    // Only while no display mode is stored and none was asked for on the
    // command line (which leaves the stored choice alone): full screen or window?
    if (RunDisplayMode != dmUnknown || TPlayerSettings().DisplayMode() != dmUnknown)
        return;
    // A choice that cannot be stored is not asked for: the run is windowed.
    if (!SettingsKept) {
        RunDisplayMode = dmWindow;
        return;
    }
    TStartUpForm form(nullptr);
    const std::optional<bool> fullScreen = form.AskFullScreen();
    if (!fullScreen)
        return;
    KeepDisplayMode(*fullScreen ? dmFullScreen : dmWindow);
    // Whatever was chosen, a choice that could not be stored leaves this run windowed.
    if (RunDisplayMode != dmUnknown)
        RunDisplayMode = dmWindow;
}

void TMainWindow::KeepDisplayMode(TDisplayMode Mode)
{
    // The player's choice holds for the run even when it cannot be stored.
    RunDisplayMode = Mode;
    if (!SettingsKept)
        return;
    try {
        TPlayerSettings().SetDisplayMode(Mode);
        RunDisplayMode = dmUnknown;
    } catch (const EQzError& error) {
        PlayerFilesNotKept(error.Message(), false);
    }
}

void TMainWindow::PlayerFilesNotKept(const QString& Reason, bool AllFiles)
{
    SettingsKept = false;
    if (AllFiles)
        GameSession.SetKeepHighScores(false);
    if (PlayerFilesWarned)
        return;
    PlayerFilesWarned = true;
    const QString text =
        AllFiles ? QCoreApplication::translate("MainWindow",
                                               "Zindo Puzzle cannot keep your settings, saved games and high "
                                               "scores.\n\n%1\n\nYou can play on, but nothing of this run will "
                                               "be kept.")
                 : QCoreApplication::translate("MainWindow", "Zindo Puzzle cannot keep your settings.\n\n%1\n\n"
                                                             "You can play on, but the settings you choose now "
                                                             "hold for this run only.");
    ShowErrorBox(text.arg(Reason));
}

} // namespace zindo
