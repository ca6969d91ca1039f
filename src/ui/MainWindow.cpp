#include "MainWindow.h"

#include "DisplayModeSetting.h"
#include "ErrorBox.h"
#include "MainScreen.h"
#include "MessagePanel.h"
#include "PlayingScreen.h"
#include "Scene.h"
#include "SceneView.h"
#include "ScreenParts.h"
#include "StartUpLoader.h"

#include "controls/QzFonts.h"
#include "data/Clock.h"
#include "data/GamePaths.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"
#include "dialogs/OptionsForm.h"
#include "display/FullScreenSupport.h"
#include "game/Game.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zindo {

TMainWindow::TMainWindow() : TMainWindow(TOptions()) {}

TMainWindow::TMainWindow(TOptions Options)
    : Clock(Options.Clock ? *Options.Clock : SystemClock()),
      Random(Options.Random ? *Options.Random : ProgramRandom()),
      SoundOut(Options.Sound ? std::move(Options.Sound) : std::make_unique<TSoundOutput>()),
      RunIdleTimer(Options.RunIdleTimer),
      RunDisplayMode(Options.DisplayMode),
      // The two pictures of the first frame are read while the screens are built.
      WallpaperPicture(std::make_unique<TPictureInBackground>(GameDataPath(QStringLiteral("ibk.dat")))),
      SplashPicture(std::make_unique<TPictureInBackground>(GameDataPath(QStringLiteral("iss.dat")))),
      // The session reads its sprites on a worker thread too: the first
      // frame does not show them.
      SessionInBackground(std::async(std::launch::async, [this] { return std::make_unique<TGame>(Clock, Random); }))
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
    setMinimumSize(MinimumWidth, MinimumHeight);

    // Everything the player sees lies on the scene, laid out at its design
    // size; the view fills the window and shows the scene scaled to it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Scene = new TScene(this);
    QStackedWidget& pages = Scene->Pages();
    // The main and playing screens now; the others after the first frame
    // (BuildOtherScreens).
    FMainScreen = new TMainScreen(*this, pages);
    FPlayingScreen = new TPlayingScreen(*this, pages, Random);
    Screens[scMain] = FMainScreen;
    Screens[scPlaying] = FPlayingScreen;
    View = new TSceneView(*Scene, this);
    layout->addWidget(View);
    // While a dialog is open in the scene, the window's keys are the dialog's.
    View->OnModalChanged = [this](bool Open) {
        for (QAction* action : actions())
            action->setEnabled(!Open);
    };
    BuildActions();

    SoundOut->ShowMessage = [this](const QString& Message) { SetZindoMessage(Message, 3, false); };
    qApp->installEventFilter(this);
}

TMainWindow::~TMainWindow()
{
    qApp->removeEventFilter(this);
    // The view goes first, and with it the scene and the dialogs embedded in it.
    delete View;
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

TScreen& TMainWindow::Screen(TScreenId Id)
{
    if (!Screens[Id])
        BuildOtherScreens();
    return *Screens[Id];
}

void TMainWindow::ShowScreen(TScreenId Id)
{
    ClearZindoMessage();
    if (Id != scMain)
        FinishStartUp();
    TScreen& screen = Screen(Id);
    for (TScreen* left : Screens)
        if (left && left != &screen && left == Scene->Pages().currentWidget())
            left->Leave();
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
        if (screen && screen == Scene->Pages().currentWidget())
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
    if (!SoundsLoaded())
        return;
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
    const std::optional<TOptionsChoice> choice = form.Ask({.BackgroundMusic = FBackgroundMusicOn,
                                                           .SoundEffects = FSoundEffectsOn,
                                                           .FullScreen = DisplayMode() == QLatin1String("fullscreen")});
    if (!choice)
        return;
    FBackgroundMusicOn = choice->BackgroundMusic;
    FSoundEffectsOn = choice->SoundEffects;
    // The player's choice holds for the run even when it cannot be stored.
    const QString mode = choice->FullScreen ? QStringLiteral("fullscreen") : QStringLiteral("window");
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
    if (FPendingEffect != 0 && SoundsLoaded()) {
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
    // Outside a running level nothing moves with time: the pass sleeps until
    // what the player did or the game's news (WakeIdlePass) gives it work;
    // the event loop asks again each time before it waits (StartUp).
    const bool effectDue = FPendingEffect != 0 && SoundsLoaded();
    const bool pending = FPlayingScreen->RepaintPending() || effectDue;
    if (!pending && (!FGame || FGame->Puzzle().UpdateIdle())) {
        IdleTimer->stop();
        return;
    }
    std::uint32_t wait = IdleStepMs;
    if (FGame && FGame->Puzzle().State == stPlaying) {
        const std::uint32_t since = TickDiff(Clock.TickCount(), FGame->Puzzle().LastStepTime);
        wait = since >= IdleStepMs ? 0 : IdleStepMs - since;
    }
    if (pending)
        wait = 0;
    IdleTimer->start(static_cast<int>(wait));
}

void TMainWindow::WakeIdlePass()
{
    // Stopped (-1) or waiting for a later step: now.
    if (IdleTimer && IdleTimer->remainingTime() != 0)
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
    // The control lies on this window's scene or on a dialog owned by it,
    // directly or through another dialog.
    for (const QWidget* window = Control.window(); window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window == this || window == Scene)
            return true;
    }
    return false;
}

} // namespace zindo
