#include "MainWindow.h"

#include "ErrorBox.h"
#include "Language.h"
#include "MainScreen.h"
#include "MessagePanel.h"
#include "PlayingScreen.h"
#include "PuzzleMakerScreen.h"
#include "Scene.h"
#include "SceneView.h"
#include "ScreenParts.h"
#include "StartUpLoader.h"
#include "TutorialScreen.h"

#include "controls/QzFonts.h"
#include "data/Clock.h"
#include "data/GamePaths.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/QzMessageBoxForm.h"
#include "display/FullScreenSupport.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSessionManager>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zindo {

TMainWindow::TMainWindow() : TMainWindow(TOptions()) {}

TMainWindow::TMainWindow(TOptions Options)
    : Clock(Options.Clock ? *Options.Clock : SystemClock()),
      Random(Options.Random ? *Options.Random : ProgramRandom()),
      // The session comes first: every screen that shows the game holds it.
      // Its sprites are read on a worker thread meanwhile.
      GameSession(Clock, Random),
      Audio(std::move(Options.Sound)),
      Gamepads(Clock),
      RunIdleTimer(Options.RunIdleTimer),
      RunDisplayMode(Options.DisplayMode.isEmpty() ? dmUnknown : DisplayModeFromText(Options.DisplayMode)),
      // The two pictures of the first frame are read while the screens are built.
      WallpaperPicture(std::make_unique<TPictureInBackground>(GameDataPath(QStringLiteral("ibk.dat")))),
      SplashPicture(std::make_unique<TPictureInBackground>(GameDataPath(QStringLiteral("iss.dat"))))
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
    Screens[scMain] = new TMainScreen(*this, pages);
    Screens[scPlaying] = new TPlayingScreen(*this, pages, GameSession, Random);
    View = new TSceneView(*Scene, this);
    layout->addWidget(View);
    // While a dialog is open in the scene, the window's keys are the dialog's;
    // once it is closed, the keys are back where they were.
    View->OnModalChanged = [this](bool Open) {
        for (QAction* action : actions())
            action->setEnabled(!Open);
        if (Open) {
            FocusBeforeDialog = Scene->focusWidget();
            return;
        }
        QWidget* back = FocusBeforeDialog;
        if (!back || !back->isVisible() || !back->isEnabled())
            back = Screen(CurrentScreen()).FirstControl();
        back->setFocus(Qt::OtherFocusReason);
    };
    BuildActions();

    Audio.Output().ShowMessage = [this](const QString& Message) { SetZindoMessage(Message, msHint, false); };
    // A pad's action may open a dialog, whose own loop polls the pads
    // again: it is carried out once the poll that raised it is over.
    Gamepads.OnAction = [this](TGamepadInput&, TGamepadAction Action, bool) {
        QMetaObject::invokeMethod(
            this, [this, Action] { RunGuarded([&] { GamepadAction(Action); }); }, Qt::QueuedConnection);
    };
    Gamepads.OnConnection = [this](TGamepadInput&, const QString& PadName, bool Connected) {
        GamepadConnection(PadName, Connected);
    };
    qApp->installEventFilter(this);
    // Asked while the desktop logs out, which must not wait for a question.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { DesktopSessionEnding(); },
            Qt::DirectConnection);
}

TMainWindow::~TMainWindow()
{
    qApp->removeEventFilter(this);
    // The view goes first, and with it the scene and the dialogs embedded in it.
    delete View;
    // The display returns to its stored mode when the window goes.
    RestoreVideoMode();
}

TMainScreen& TMainWindow::MainScreen()
{
    return static_cast<TMainScreen&>(*Screens[scMain]);
}

TPlayingScreen& TMainWindow::PlayingScreen()
{
    return static_cast<TPlayingScreen&>(*Screens[scPlaying]);
}

TTutorialScreen& TMainWindow::TutorialScreen()
{
    return static_cast<TTutorialScreen&>(Screen(scTutorial));
}

TPuzzleMakerScreen& TMainWindow::PuzzleMakerScreen()
{
    return static_cast<TPuzzleMakerScreen&>(Screen(scPuzzleMaker));
}

// ---------------------------------------------------------------- navigation

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
    TScreen& screen = Screen(Id);
    screen.Open();
    // What Open did after showing the screen (the tutorial's first page
    // brings its "Next" back) leaves the first control with the focus.
    if (CurrentScreen() == Id)
        screen.FirstControl()->setFocus();
}

void TMainWindow::GoBack()
{
    Screen(CurrentScreen()).GoBack();
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
    MainScreen().ReleaseSplashImage();
    PlayingScreen().StartLevelScreen();
}

void TMainWindow::CloseWindow()
{
    close();
}

// ---------------------------------------------------------------- closing

bool TMainWindow::MayClose()
{
    if (DesktopSessionEnds || !GameSession.HasUnsavedProgress())
        return true;
    // Closed again while the question shows: the question answers.
    if (AskingBeforeClose)
        return false;
    AskingBeforeClose = true;
    const bool wasPlaying = GameSession.Pause();
    bool close = false;
    RunGuarded([&] {
        const TModalResult answer = ShowMessageBox(
            QCoreApplication::translate("MainWindow", "Your game has progress that is not saved yet. Save it before "
                                                      "you quit?"),
            mtConfirmation, mbYesNoCancel,
            {.Yes = QCoreApplication::translate("MainWindow", "Save and Quit"),
             .No = QCoreApplication::translate("MainWindow", "Quit Without Saving"),
             .Cancel = QCoreApplication::translate("MainWindow", "Back to the Game")});
        if (answer == mrYes)
            close = PlayingScreen().ShowSaveDialog(); // cancelled: back to the game
        else
            close = answer == mrNo;
    });
    AskingBeforeClose = false;
    if (!close && wasPlaying)
        GameSession.Resume();
    return close;
}

void TMainWindow::DesktopSessionEnding()
{
    DesktopSessionEnds = true;
}

// ---------------------------------------------------------------- options

void TMainWindow::ShowOptionsDialog()
{
    TOptionsForm form(this);
    // The stored choice by its language ("de" for "de_CH"); empty: the desktop's.
    const QString stored = TPlayerSettings().Language().trimmed();
    const QString language = LanguagePart(stored).isEmpty() ? stored : LanguagePart(stored);
    const std::optional<TOptionsChoice> choice =
        form.Ask({.BackgroundMusic = Audio.MusicOn(), .SoundEffects = Audio.EffectsOn(),
                  .FullScreen = DisplayMode() == dmFullScreen, .Language = language});
    if (!choice)
        return;
    // The music follows its switch at once, on whatever screen.
    Audio.SetMusicOn(choice->BackgroundMusic);
    Audio.SetEffectsOn(choice->SoundEffects);
    KeepDisplayMode(choice->FullScreen ? dmFullScreen : dmWindow);
    ApplyDisplayMode();
    // The main screen's column follows the new window width at once.
    if (CurrentScreen() == scMain)
        MainScreen().Arrange();
    if (choice->Language != language)
        KeepLanguage(choice->Language);
}

void TMainWindow::KeepLanguage(const QString& Language)
{
    if (!SettingsKept)
        return;
    try {
        TPlayerSettings().SetLanguage(Language);
    } catch (const EQzError& error) {
        PlayerFilesNotKept(error.Message(), false);
        return;
    }
    // Every screen is built in the language of the start; the choice holds
    // from the next one.
    const QStringList available = AvailableLanguages();
    const QString next = ChooseLanguage(
        QString(), Language, DesktopLanguage(available, [](const char* Name) { return qEnvironmentVariable(Name); }),
        available);
    if (next != CurrentLanguage())
        SetZindoMessage(QCoreApplication::translate("MainWindow", "Zindo Puzzle will speak %1 from its next start.")
                            .arg(LanguageName(next)),
                        msHint, true);
}

// ---------------------------------------------------------------- the message panel

void TMainWindow::SetZindoMessage(const QString& Message, TMessageStyle Style, bool Persist)
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

bool TMainWindow::eventFilter(QObject* Watched, QEvent* Event)
{
    // A player still at the game: a log-out announced was called off.
    if (DesktopSessionEnds && (Event->type() == QEvent::MouseButtonPress || Event->type() == QEvent::KeyPress))
        DesktopSessionEnds = false;
    // A control hidden while it has the keys (the tutorial's "Next" on its
    // last page) hands them on to the next one of its screen; in the scene
    // the toolkit would leave them with the hidden control. A control whose
    // screen goes leaves the keys to the screen that comes.
    if (Event->type() == QEvent::Hide && Watched == Scene->focusWidget() && Watched != Scene &&
        static_cast<QWidget*>(Watched)->isHidden()) {
        TScreen& screen = Screen(CurrentScreen());
        if (screen.isAncestorOf(static_cast<QWidget*>(Watched)))
            MoveFocusWithin(screen, true);
    }
    // The keyboard shows the playing screen's cursors, the mouse hides them:
    // only what the player did counts, not what the toolkit passes on, and
    // a mouse that only seems to move (a window opening under it) does not.
    if (Event->spontaneous()) {
        if (Event->type() == QEvent::KeyPress) {
            PlayingScreen().ShowCursors(true);
        } else if (Event->type() == QEvent::MouseMove) {
            const QPoint pointer = static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
            if (pointer != LastPointer) {
                LastPointer = pointer;
                PlayingScreen().ShowCursors(false);
            }
        }
    }
    // The hint of the control under the pointer appears in the message panel
    // as a passing line below the standing message; so do the hints of the
    // dialogs the window opens (the in-game menu's, for one), and the hint
    // of a control the keyboard moves to.
    const bool tabbedTo = Event->type() == QEvent::FocusIn &&
                          (static_cast<QFocusEvent*>(Event)->reason() == Qt::TabFocusReason ||
                           static_cast<QFocusEvent*>(Event)->reason() == Qt::BacktabFocusReason);
    const bool entered = Event->type() == QEvent::Enter || tabbedTo;
    if (entered || Event->type() == QEvent::Leave || Event->type() == QEvent::FocusOut) {
        auto* widget = qobject_cast<QWidget*>(Watched);
        if (widget && !widget->toolTip().isEmpty() && ShowsHintsOf(*widget))
            SetZindoMessage(entered ? widget->toolTip() : QString(), msHint, false);
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

// ---------------------------------------------------------------- the gamepads

void TMainWindow::StartGamepadPolling()
{
    GamepadTimer = new QTimer(this);
    GamepadTimer->setSingleShot(true);
    connect(GamepadTimer, &QTimer::timeout, this, [this] { PollGamepads(); });
    GamepadTimer->start(0);
}

void TMainWindow::PollGamepads()
{
    const int wait = Gamepads.Poll();
    if (GamepadTimer && wait != TGamepadInput::PollNever)
        GamepadTimer->start(wait);
}

void TMainWindow::GamepadAction(TGamepadAction Action)
{
    // A pad lying on the desk must not play while the player is elsewhere.
    if (!isActiveWindow())
        return;
    PlayingScreen().ShowCursors(true);
    const bool dialogOpen = View->OpenModalWindows() > 0 || QApplication::activeModalWidget();
    // The bonus, pause and menu buttons only play a running level.
    const auto play = [&](TPlayCommand Command) {
        if (!dialogOpen && CurrentScreen() == scPlaying)
            PlayingScreen().RunCommand(Command);
    };
    switch (Action) {
    case gaUp:
        SendKeyToFocus(Qt::Key_Up);
        break;
    case gaDown:
        SendKeyToFocus(Qt::Key_Down);
        break;
    case gaLeft:
        SendKeyToFocus(Qt::Key_Left);
        break;
    case gaRight:
        SendKeyToFocus(Qt::Key_Right);
        break;
    case gaAccept:
        SendKeyToFocus(Qt::Key_Return);
        break;
    case gaBack:
        if (dialogOpen)
            SendKeyToFocus(Qt::Key_Escape);
        else
            GoBack();
        break;
    case gaBroom:
        play(pcBroom);
        break;
    case gaMagic:
        play(pcMagic);
        break;
    case gaCheck:
        play(pcCheck);
        break;
    case gaDealNext:
        play(pcDealNext);
        break;
    case gaPause:
        play(pcPause);
        break;
    case gaMenu:
        play(pcMenu);
        break;
    }
}

void TMainWindow::SendKeyToFocus(int Key)
{
    // The view passes keys on into the scene, to the control focused there
    // or in a dialog open over it.
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = View;
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    // Let go where the focus is now, as a key is.
    target = QApplication::focusWidget() ? QApplication::focusWidget() : View;
    QKeyEvent release(QEvent::KeyRelease, Key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void TMainWindow::GamepadConnection(const QString& PadName, bool Connected)
{
    QString text;
    if (Connected)
        text = PadName.isEmpty() ? QCoreApplication::translate("MainWindow", "Gamepad connected")
                                 : QCoreApplication::translate("MainWindow", "Gamepad connected: %1").arg(PadName);
    else
        text = PadName.isEmpty() ? QCoreApplication::translate("MainWindow", "Gamepad disconnected")
                                 : QCoreApplication::translate("MainWindow", "Gamepad disconnected: %1").arg(PadName);
    SetZindoMessage(text, msHint, false);
}

// ---------------------------------------------------------------- the idle pass

void TMainWindow::PlayEffect(TGameEffect Effect)
{
    Audio.QueueEffect(Effect);
    WakeIdlePass();
}

void TMainWindow::IdlePass()
{
    GameSession.Tick();
    PlayingScreen().FlushPendingRepaints();
    Audio.PlayPendingEffect();
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
    // the event loop asks again each time before it waits (StartIdleTimer).
    const bool pending = PlayingScreen().RepaintPending() || Audio.EffectDue();
    if (!pending && GameSession.TickIdle()) {
        IdleTimer->stop();
        return;
    }
    std::uint32_t wait = IdleStepMs;
    if (GameSession.Puzzle().State() == stPlaying)
        wait = GameSession.MsToNextTick();
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

} // namespace zindo
