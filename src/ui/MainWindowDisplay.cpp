// The main window's display: window or full screen, the frame that goes
// with each, the window size kept for the next start, and what minimising,
// restoring and losing the keyboard do to a running level.

#include "MainWindow.h"

#include "ErrorBox.h"
#include "MainScreen.h"
#include "PlayingScreen.h"
#include "Scene.h"

#include "data/PlayerSettings.h"
#include "display/FullScreenSupport.h"
#include "game/Game.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace zindo {

TDisplayMode TMainWindow::DisplayMode() const
{
    return RunDisplayMode != dmUnknown ? RunDisplayMode : TPlayerSettings().DisplayMode();
}

void TMainWindow::ApplyDisplayMode()
{
    const bool shown = isVisible() || Started;
    if (DisplayMode() == dmFullScreen)
        ShowFullScreen(shown);
    else
        ShowFramed(shown);
    layout()->activate();
    PlayingScreen().Arrange();
    MainScreen().PlaceMenuColumn();
}

void TMainWindow::ShowFullScreen(bool Shown)
{
    // Where the display can switch to 1024 x 768 (and the player lets it),
    // the scene fills that mode; elsewhere the screen keeps its resolution
    // and the scene is scaled to fill it.
    int index = 0;
    if (TPlayerSettings().ChangeResolution()) {
        index = FindBestVideoMode(1024, 768, 32);
        if (index == 0)
            index = FindBestVideoMode(1024, 768, 24);
        // The desktop's own size is no switch at all (a display that offers
        // no other mode, say): full screen then scales.
        const TVideoMode& desktop = VideoModes()[0];
        const TVideoMode& best = VideoModes()[static_cast<std::size_t>(index)];
        if (index != 0 && best.Width == desktop.Width && best.Height == desktop.Height)
            index = 0;
    }
    QRect screenArea(0, 0, FullScreenDesignWidth, FullScreenDesignHeight);
    const bool switched = index != 0 && SetVideoMode(index);
    if (switched) {
        // The toolkit learns the new screen size only later: fill the mode now.
        const TVideoMode& mode = VideoModes()[static_cast<std::size_t>(index)];
        screenArea = QRect(0, 0, mode.Width, mode.Height);
    } else if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        screenArea = screen->geometry();
    }
    if (!FullScreenShown && isVisible())
        Windowed.Maximized = isMaximized();
    FullScreenShown = true;
    SetFrame(Qt::Window | Qt::FramelessWindowHint);
    Scene->SetFullScreenDesign(true);
    // A window manager keeps the framed window's place for the way back from
    // full screen; after a switch of the display mode the window is told the
    // new screen's size at once.
    if (switched || !Shown)
        setGeometry(screenArea);
    const Qt::WindowState state = switched ? Qt::WindowMaximized : Qt::WindowFullScreen;
    if (!Shown)
        setWindowState(state); // shown so by the program's start
    else if (switched)
        showMaximized();
    else
        showFullScreen();
}

void TMainWindow::ShowFramed(bool Shown)
{
    RestoreVideoMode();
    FullScreenShown = false;
    SetFrame(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
             Qt::WindowCloseButtonHint);
    Scene->SetFullScreenDesign(false);
    // Back from the desktop's own full screen, the window manager puts the
    // window where it was; after a switch of the display mode the window is
    // placed anew.
    const bool placedByWindowManager = Shown && isFullScreen();
    if (Shown)
        showNormal();
    else
        setWindowState(Qt::WindowNoState);
    if (!placedByWindowManager) {
        move(Windowed.Left, Windowed.Top);
        resize(Windowed.Width, Windowed.Height);
    }
    if (Windowed.Maximized) {
        if (Shown)
            showMaximized();
        else
            setWindowState(Qt::WindowMaximized);
    }
}

void TMainWindow::SetFrame(Qt::WindowFlags Flags)
{
    // A window already on the screen gets its new frame in place: hidden and
    // shown again it would lose the keyboard, which pauses a running level.
    if (windowHandle() && isVisible()) {
        overrideWindowFlags(Flags);
        windowHandle()->setFlags(Flags);
    } else {
        setWindowFlags(Flags);
    }
}

void TMainWindow::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    PlayingScreen().Arrange();
}

void TMainWindow::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    RememberWindowedBounds();
}

void TMainWindow::moveEvent(QMoveEvent* Event)
{
    QWidget::moveEvent(Event);
    RememberWindowedBounds();
}

void TMainWindow::RememberWindowedBounds()
{
    // Only a framed window in its normal state tells the size to come back to.
    if (FullScreenShown || !Started || !isVisible() || (windowState() & ~Qt::WindowActive) != Qt::WindowNoState)
        return;
    Windowed.Left = x();
    Windowed.Top = y();
    Windowed.Width = width();
    Windowed.Height = height();
}

void TMainWindow::closeEvent(QCloseEvent* Event)
{
    QWidget::closeEvent(Event);
    if (!Started)
        return;
    if (!MayClose()) {
        Event->ignore();
        return;
    }
    if (!FullScreenShown)
        Windowed.Maximized = isMaximized();
    // The size is a convenience: a settings file that cannot be written
    // costs only the size at the next start, so closing says nothing of it.
    try {
        TPlayerSettings().SetWindowSize({QSize(Windowed.Width, Windowed.Height), Windowed.Maximized});
    } catch (const std::exception&) {
    }
}

void TMainWindow::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    RunGuarded([&] {
        const bool playingScreen = CurrentScreen() == scPlaying;
        if (Event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(Event);
            const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
            if (isMinimized() && !wasMinimised) {
                if (playingScreen)
                    GameSession.Pause();
                else
                    ForbidMusic();
            } else if (!isMinimized() && wasMinimised) {
                if (playingScreen)
                    GameSession.Resume();
                else
                    AllowMusic();
            }
        } else if (Event->type() == QEvent::ActivationChange && !isActiveWindow()) {
            // Losing the keyboard to another window pauses a running level.
            GameSession.Pause();
        }
    });
}

} // namespace zindo
