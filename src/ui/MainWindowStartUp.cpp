// The main window's start: what StartUp builds and reads before the first
// frame, and what waits for just after it.

#include "MainWindow.h"

#include "AboutScreen.h"
#include "BonusIcons.h"
#include "DisplayModeSetting.h"
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
#include "data/QzError.h"
#include "dialogs/StartUpForm.h"
#include "game/Game.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace zindo {

void TMainWindow::BuildOtherScreens()
{
    if (FTutorialScreen)
        return;
    // Added to the page stack in the order of TScreenId, after the two built first.
    QStackedWidget& pages = Scene->Pages();
    Screens[scTutorial] = FTutorialScreen = new TTutorialScreen(*this, pages);
    Screens[scThemeSelection] = FThemeSelectionScreen = new TThemeSelectionScreen(*this, pages);
    Screens[scLoad] = FLoadScreen = new TLoadScreen(*this, pages);
    Screens[scPuzzleMaker] = FPuzzleMakerScreen = new TPuzzleMakerScreen(*this, pages);
    Screens[scAbout] = FAboutScreen = new TAboutScreen(*this, pages);
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
    // Without its data the game cannot be played; say where it was looked for.
    if (!QFileInfo(GameDataFolder()).isDir())
        throw EQzError(QCoreApplication::translate("MainWindow",
                                                   "The game's data was not found. It was looked for in:\n%1")
                           .arg(GameDataFolderCandidates().join(QLatin1Char('\n'))));

    Scene->Messages().setPalette(BlackPalette());

    // Windowed, the window opens at the size the player left it (no larger
    // than the screen's room, for a size kept from a larger screen), else at
    // the design size in the desktop's logical pixels (so a desktop scaled by
    // 2 gets twice as many device pixels); it is centred on a screen larger
    // than 1024 x 768.
    const TWindowSizeSetting stored = ReadWindowSize();
    QSize size(SceneDesignWidth, SceneDesignHeight);
    WindowedMaximized = stored.Maximized;
    WindowedLeft = 5;
    WindowedTop = 5;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        if (!stored.Size.isEmpty())
            size = stored.Size.boundedTo(room.size()).expandedTo(minimumSize());
        const QSize screenSize = screen->size();
        if (screenSize.width() > 1024 && screenSize.height() > 768) {
            WindowedLeft = screenSize.width() / 2 - size.width() / 2;
            WindowedTop = screenSize.height() / 2 - size.height() / 2;
        }
    }
    WindowedWidth = size.width();
    WindowedHeight = size.height();
    FBackgroundMusicOn = true;
    FSoundEffectsOn = true;

    // What lives for the whole run: wallpaper and the main picture now; the
    // icons and sounds just after the first frame, or as soon as the player
    // leaves the main screen. The greeting and the music wait for them.
    AfterFirstFrame = new TStartUpLoader(*this, [this] {
        // The desktop shows the window's icon in its task bar a moment later.
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
        BuildOtherScreens();
        RegisterBonusIcons();
        SoundOut->LoadEffectSounds();
        UpdateBackgroundMusic();
        WakeIdlePass();
    });
    LayWallpapers();
    FMainScreen->SetSplashImage(SplashPicture->Take());

    // The one session; the window follows its three events.
    FGame = SessionInBackground.get();
    FGame->Puzzle().Pot.Length = FPlayingScreen->PotHeight();
    FGame->OnEffect = [this](TGame&, std::int32_t Code) { HandleEffect(Code); };
    FGame->OnStateChange = [this](TGame&, std::uint8_t State) { HandleStateChange(State); };
    FGame->OnChange = [this](TGame&, std::uint8_t Parts) { HandleChange(Parts); };

    FPendingEffect = 3; // the first idle pass greets the player with this sound

    // The player's folder is made (privately) now; when it cannot keep files
    // the game still starts, and says so once.
    QString problem;
    if (!CheckPlayerFolder(problem))
        PlayerFilesNotKept(problem, true);
    // Writes that a crash or a kill cut short left their temporary files;
    // they go before any screen lists saved games or reads the scores.
    TGame::CleanUpInterruptedWrites();
    AskDisplayModeOnFirstStart();

    ApplyDisplayMode();
    Started = true;
    ShowScreen(scMain);

    // From now on the idle pass drives the game.
    if (RunIdleTimer) {
        IdleTimer = new QTimer(this);
        IdleTimer->setSingleShot(true);
        IdleTimer->setTimerType(Qt::PreciseTimer);
        connect(IdleTimer, &QTimer::timeout, this, [this] {
            // Armed before the pass, so that a dialog the pass opens (a
            // verdict, an error) still has the game running behind it.
            IdleTimer->start(static_cast<int>(IdleStepMs));
            RunGuarded([this] { IdlePass(); });
            ScheduleIdlePass();
        });
        // Whatever the player's input started (a level, a resumed game) is
        // seen before the event loop waits again, also in a dialog's loop.
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (!IdleTimer->isActive())
                ScheduleIdlePass();
        });
        IdleTimer->start(0);
    }
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
    if (!RunDisplayMode.isEmpty() || ReadDisplayMode() != QLatin1String("unknown"))
        return;
    // A choice that cannot be stored is not asked for: the run is windowed.
    if (!FSettingsKept) {
        RunDisplayMode = QStringLiteral("window");
        return;
    }
    TStartUpForm form(nullptr);
    const std::optional<bool> fullScreen = form.AskFullScreen();
    if (!fullScreen)
        return;
    try {
        WriteDisplayMode(*fullScreen ? QStringLiteral("fullscreen") : QStringLiteral("window"));
    } catch (const EQzError& error) {
        PlayerFilesNotKept(error.Message(), false);
        RunDisplayMode = QStringLiteral("window");
    }
}

void TMainWindow::PlayerFilesNotKept(const QString& Reason, bool AllFiles)
{
    FSettingsKept = false;
    if (AllFiles && FGame)
        FGame->KeepHighScores = false;
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

bool TMainWindow::SoundsLoaded() const
{
    return AfterFirstFrame && AfterFirstFrame->Finished();
}

} // namespace zindo
