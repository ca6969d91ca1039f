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
#include "ThemeSelectionScreen.h"
#include "TutorialScreen.h"
#include "Wallpaper.h"

#include "controls/QzFonts.h"
#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/StartUpForm.h"
#include "display/FullScreenSupport.h"
#include "game/Game.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

namespace zindo {

TMainWindow::TMainWindow() : TMainWindow(TOptions()) {}

TMainWindow::TMainWindow(TOptions Options)
    : Clock(Options.Clock ? *Options.Clock : SystemClock()),
      Random(Options.Random ? *Options.Random : ProgramRandom()),
      SoundOut(Options.Sound ? std::move(Options.Sound) : std::make_unique<TSoundOutput>()),
      RunIdleTimer(Options.RunIdleTimer),
      RunDisplayMode(Options.DisplayMode)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Zindo Puzzle"));
    setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(50, 50, 50));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setFont(QzArialFont(16));
    resize(SceneDesignWidth, SceneDesignHeight);

    // Everything the player sees lies on the scene, which fills the window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Scene = new TScene(this);
    layout->addWidget(Scene);
    QStackedWidget& pages = Scene->Pages();
    FMainScreen = new TMainScreen(*this, pages);
    FPlayingScreen = new TPlayingScreen(*this, pages, Random);
    FTutorialScreen = new TTutorialScreen(*this, pages);
    FThemeSelectionScreen = new TThemeSelectionScreen(*this, pages);
    FLoadScreen = new TLoadScreen(*this, pages);
    FPuzzleMakerScreen = new TPuzzleMakerScreen(*this, pages);
    FAboutScreen = new TAboutScreen(*this, pages);
    Screens = {FMainScreen,  FPlayingScreen,      FTutorialScreen, FThemeSelectionScreen,
               FLoadScreen, FPuzzleMakerScreen, FAboutScreen};
    BuildActions();

    SoundOut->ShowMessage = [this](const QString& Message) { SetZindoMessage(Message, 3, false); };
    qApp->installEventFilter(this);
}

TMainWindow::~TMainWindow()
{
    qApp->removeEventFilter(this);
    // The display returns to its stored mode when the window goes.
    RestoreVideoMode();
}

void TMainWindow::BuildActions()
{
    auto makeAction = [this](const QString& Name, const QString& Caption, const QKeySequence& Key,
                            std::function<void()> Execute) {
        auto* action = new QAction(Caption, this);
        action->setObjectName(Name);
        action->setShortcut(Key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [Execute] { RunGuarded(Execute); });
        this->addAction(action);
        return action;
    };
    MenuAction = makeAction(QStringLiteral("MenuAction"), QStringLiteral("Menu"), QKeySequence(Qt::Key_Escape),
                            [this] { FPlayingScreen->ShowInGameMenu(); });
    EnableHiddenFunctionsAction =
        makeAction(QStringLiteral("EnableHiddenFunctionsAction"), QStringLiteral("Enable Hidden Functions"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), [this] { FHiddenFunctionsEnabled = true; });
    OpenPuzzleMakerAction = makeAction(QStringLiteral("OpenPuzzleMakerAction"), QStringLiteral("Puzzle Maker"),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this] {
                                           if (FHiddenFunctionsEnabled)
                                               ShowScreen(scPuzzleMaker);
                                       });
    SolveLevelAction = makeAction(QStringLiteral("SolveLevelAction"), QStringLiteral("Solve Level"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] {
                                      if (!FHiddenFunctionsEnabled)
                                          return;
                                      FGame->Puzzle().Solve();
                                      FPlayingScreen->RefreshAfterAction();
                                  });
    StartRaidAction = makeAction(QStringLiteral("StartRaidAction"), QStringLiteral("Start Zindo Raid"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), [this] {
                                     if (FHiddenFunctionsEnabled)
                                         FGame->Puzzle().StartZindoRun();
                                 });
}

void TMainWindow::LayWallpapers()
{
    WallpaperTile = QPixmap::fromImage(LoadPictureFile(DecodeToTemp(GameDataPath(QStringLiteral("ibk.dat")))));
    for (TScreen* screen : Screens)
        new TWallpaper(screen, WallpaperTile);
}

void TMainWindow::StartUp()
{
    // Without its data the game cannot be played; say where it was looked for.
    if (!QFileInfo(GameDataFolder()).isDir())
        throw EQzError(QCoreApplication::translate("MainWindow",
                                                   "The game's data was not found. It was looked for in:\n%1")
                           .arg(GameDataFolderCandidates().join(QLatin1Char('\n'))));

    Scene->Messages().setPalette(BlackPalette());

    // Windowed, the window is centred on a screen larger than 1024 x 768.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        if (size.width() > 1024 && size.height() > 768) {
            WindowedLeft = size.width() / 2 - SceneDesignWidth / 2;
            WindowedTop = size.height() / 2 - SceneDesignHeight / 2;
        } else {
            WindowedLeft = 5;
            WindowedTop = 5;
        }
    }
    WindowedWidth = SceneDesignWidth;
    WindowedHeight = SceneDesignHeight;
    FBackgroundMusicOn = true;
    FSoundEffectsOn = true;

    // What lives for the whole run: icons, sounds, wallpaper, the main picture.
    RegisterBonusIcons();
    SoundOut->LoadEffectSounds();
    LayWallpapers();
    FMainScreen->LoadSplashImage();

    // The one session; the window follows its three events.
    FGame = std::make_unique<TGame>(Clock, Random);
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
        IdleTimer->start(0);
    }
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
    if (form.exec() != QDialog::Accepted)
        return;
    try {
        WriteDisplayMode(form.FullScreenChosen() ? QStringLiteral("fullscreen") : QStringLiteral("window"));
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

QString TMainWindow::DisplayMode() const
{
    return RunDisplayMode.isEmpty() ? ReadDisplayMode() : RunDisplayMode;
}

void TMainWindow::ApplyDisplayMode()
{
    const QString mode = DisplayMode();
    if (mode != QLatin1String("window") && mode != QLatin1String("unknown")) {
        int index = FindBestVideoMode(1024, 768, 32);
        if (index == 0)
            index = FindBestVideoMode(1024, 768, 24);
        QRect screenArea;
        if (index != 0 && SetVideoMode(index)) {
            // The toolkit learns the new screen size only later: fill the mode now.
            const TVideoMode& mode = VideoModes()[static_cast<std::size_t>(index)];
            screenArea = QRect(0, 0, mode.Width, mode.Height);
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            screenArea = screen->geometry();
        }
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        Scene->SetBarHeight(15);
        if (!screenArea.isEmpty())
            setGeometry(screenArea);
        if (isVisible() || Started)
            showMaximized();
    } else {
        RestoreVideoMode();
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        setWindowState(Qt::WindowNoState);
        setFixedSize(WindowedWidth, WindowedHeight);
        move(WindowedLeft, WindowedTop);
        Scene->SetBarHeight(1);
        if (isVisible() || Started)
            showNormal();
    }
    layout()->activate();
    Scene->layout()->activate();
    FPlayingScreen->Arrange();
    FMainScreen->PlaceMenuColumn();
}

TScreen& TMainWindow::Screen(TScreenId Id) const
{
    return *Screens[Id];
}

void TMainWindow::ShowScreen(TScreenId Id)
{
    ClearZindoMessage();
    TScreen& screen = Screen(Id);
    Scene->Pages().setCurrentWidget(&screen);
    screen.FirstControl()->setFocus();
    screen.Enter();
}

void TMainWindow::OpenScreen(TScreenId Id)
{
    Screen(Id).Open();
}

TScreenId TMainWindow::CurrentScreen() const
{
    for (const TScreen* screen : Screens)
        if (screen == Scene->Pages().currentWidget())
            return screen->Id();
    return scMain;
}

void TMainWindow::StartLevelScreen()
{
    FPlayingScreen->StartLevelScreen();
}

void TMainWindow::CloseWindow()
{
    close();
}

void TMainWindow::AllowMusic()
{
    FMusicAllowed = true;
    UpdateBackgroundMusic();
}

void TMainWindow::ForbidMusic()
{
    FMusicAllowed = false;
    UpdateBackgroundMusic();
}

void TMainWindow::UpdateBackgroundMusic()
{
    SoundOut->PlayOrStopMusic(FBackgroundMusicOn && FMusicAllowed ? 2 : 0);
}

void TMainWindow::SetZindoMessage(const QString& Message, std::int32_t Style, bool Persist)
{
    Scene->Messages().SetZindoMessage(Message, Style, Persist);
}

void TMainWindow::ClearZindoMessage()
{
    Scene->Messages().ClearZindoMessage();
}

QString TMainWindow::ZindoMessageMarkup() const
{
    return Scene->Messages().Markup();
}

void TMainWindow::ShowOptionsDialog()
{
    TOptionsForm form(this);
    form.SetFullScreen(DisplayMode() == QLatin1String("fullscreen"));
    form.SetBackgroundMusic(FBackgroundMusicOn);
    form.SetSoundEffects(FSoundEffectsOn);
    if (form.exec() != QDialog::Accepted)
        return;
    FBackgroundMusicOn = form.GetBackgroundMusic();
    FSoundEffectsOn = form.GetSoundEffects();
    // The player's choice holds for the run even when it cannot be stored.
    const QString mode = form.GetFullScreen() ? QStringLiteral("fullscreen") : QStringLiteral("window");
    RunDisplayMode = mode;
    if (FSettingsKept) {
        try {
            WriteDisplayMode(mode);
            RunDisplayMode.clear();
        } catch (const EQzError& error) {
            PlayerFilesNotKept(error.Message(), false);
        }
    }
    ApplyDisplayMode();
    // The main screen's column follows the new window width at once.
    if (CurrentScreen() == scMain)
        FMainScreen->Arrange();
}

// ---------------------------------------------------------------- the idle pass

void TMainWindow::IdlePass()
{
    if (!FGame)
        return;
    FGame->Tick();
    FPlayingScreen->FlushPendingRepaints();
    if (FPendingEffect != 0) {
        const std::uint8_t code = FPendingEffect;
        FPendingEffect = 0;
        if (FSoundEffectsOn)
            SoundOut->PlayEffect(code & 127);
    }
    UpdateBackgroundMusic();
}

void TMainWindow::ScheduleIdlePass()
{
    // The game moves in 50 ms steps and everything else it does waits for a
    // step, a player's action or a notification; so the loop sleeps in the
    // event queue until the next step is due and wakes at once for input.
    // Waking every millisecond would cost a few per cent of a core for nothing.
    if (!IdleTimer)
        return;
    std::uint32_t wait = IdleStepMs;
    if (FGame && FGame->Puzzle().State == stPlaying) {
        const std::uint32_t since = TickDiff(Clock.TickCount(), FGame->Puzzle().LastStepTime);
        wait = since >= IdleStepMs ? 0 : IdleStepMs - since;
    }
    if (FPlayingScreen->RepaintPending() || FPendingEffect != 0)
        wait = 0;
    IdleTimer->start(static_cast<int>(wait));
}

void TMainWindow::WakeIdlePass()
{
    if (IdleTimer && IdleTimer->remainingTime() > 0)
        IdleTimer->start(0);
}

// ---------------------------------------------------------------- events of the game

void TMainWindow::HandleChange(std::uint8_t Parts)
{
    FPlayingScreen->RequestRepaint(Parts);
    WakeIdlePass();
}

void TMainWindow::HandleEffect(std::int32_t Code)
{
    FPendingEffect = static_cast<std::uint8_t>(Code);
    WakeIdlePass();
    FPlayingScreen->HandleEffect(Code);
}

void TMainWindow::HandleStateChange(std::uint8_t State)
{
    FPlayingScreen->HandleStateChange(State);
}

// ---------------------------------------------------------------- events of the window

void TMainWindow::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    FPlayingScreen->Arrange();
}

void TMainWindow::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (!FGame)
        return;
    RunGuarded([&] {
        const bool playingScreen = CurrentScreen() == scPlaying;
        if (Event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(Event);
            const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
            if (isMinimized() && !wasMinimised) {
                if (playingScreen) {
                    if (FGame->GetState() == stPlaying)
                        FGame->Pause();
                } else {
                    ForbidMusic();
                }
            } else if (!isMinimized() && wasMinimised) {
                if (playingScreen) {
                    if (FGame->GetState() == stPaused)
                        FGame->Resume();
                } else {
                    AllowMusic();
                }
            }
        } else if (Event->type() == QEvent::ActivationChange && !isActiveWindow()) {
            // Losing the keyboard to another window pauses a running level.
            if (FGame->GetState() == stPlaying)
                FGame->Pause();
        }
    });
}

bool TMainWindow::eventFilter(QObject* Watched, QEvent* Event)
{
    // The hint of the control under the pointer appears in the message panel
    // as a passing line below the standing message; so do the hints of the
    // dialogs the window opens (the in-game menu's, for one).
    if (Event->type() == QEvent::Enter || Event->type() == QEvent::Leave) {
        auto* widget = qobject_cast<QWidget*>(Watched);
        if (widget && !widget->toolTip().isEmpty() && ShowsHintsOf(*widget))
            SetZindoMessage(Event->type() == QEvent::Enter ? widget->toolTip() : QString(), 3, false);
    }
    return QWidget::eventFilter(Watched, Event);
}

bool TMainWindow::ShowsHintsOf(const QWidget& Control) const
{
    // The control lies on this window or on a dialog owned by it, directly
    // or through another dialog.
    for (const QWidget* window = Control.window(); window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window == this)
            return true;
    }
    return false;
}

} // namespace zindo
