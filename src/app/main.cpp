// Zindo Puzzle: starts the one window and runs the game.

#include "CommandLine.h"
#include "SingleInstance.h"

#include "controls/QzFonts.h"
#include "data/GamePaths.h"
#include "data/QzError.h"
#include "display/FullScreenSupport.h"
#include "display/SessionBus.h"
#include "display/X11DisplayPlatform.h"
#include "sound/GameSounds.h"
#include "ui/ErrorBox.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDBusConnection>

#include <cstdio>
#include <thread>

#include <fontconfig/fontconfig.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

/// Brings the game to the front for a second start: the window comes back
/// from the task bar in the state it had (full screen, maximised or framed),
/// on top and with the keyboard; a dialog in front of it (the first-start
/// question before the window shows, a message) stays in front.
void BringToFront(QWidget& Window)
{
    if (Window.isVisible()) {
        Window.setWindowState(Window.windowState() & ~Qt::WindowMinimized);
        Window.raise();
        Window.activateWindow();
    }
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

} // namespace

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // Pictures are large and come and go with screens and levels. With a
    // fixed threshold each one has pages of its own that go back to the
    // system when it is freed; the allocator's moving threshold would put
    // later ones on the heap after the first large one is freed, where the
    // freed space stays with the process and grows level after level.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    zindo::TCommandLine commandLine;
    if (commandLine.ReadEarly(argc, argv) == zindo::TCommandLine::cvExit)
        return commandLine.ExitCode;

    // Without a session bus to reach, the toolkit's first look for one fails
    // at once instead of trying to start one (before any thread starts, as
    // this may change the environment).
    zindo::DisableUnreachableSessionBus();
    // Qt's own event loop costs less per pass than the GLib one, which
    // matters for a game whose idle pass runs a thousand times a second.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // Reading the font configuration is the longest single step before the
    // first frame, and it needs nothing of the toolkit: it runs while the
    // toolkit connects to the display, and is done before any text is
    // measured (the toolkit's own call then finds it loaded). The family
    // that stands in for Arial is found there too.
    QString arialStandIn;
    std::jthread fontConfiguration([&arialStandIn] {
        FcInit();
        arialStandIn = zindo::FontconfigStandIn(QStringLiteral("Arial"));
    });
    QApplication app(argc, argv);
    // Ending before the window: the toolkit lets go of the font configuration
    // at its end only when it has used it; it has not, so it is let go of here.
    const auto endEarly = [&fontConfiguration](int ExitCode) {
        fontConfiguration.join();
        FcFini();
        return ExitCode;
    };
    if (commandLine.Read(QApplication::arguments()) == zindo::TCommandLine::cvExit)
        return endEarly(commandLine.ExitCode);
    // The toolkit's accessibility bridge connects to the session bus the
    // first time a control changes, and waits until it is connected, or
    // found missing. Asked for here on a thread of its own, the connection
    // is made while the window builds its screens, and the bridge finds it
    // ready.
    std::jthread sessionBus([] { QDBusConnection::sessionBus(); });
    // No display name: the toolkit would add it to every dialog's title.
    QApplication::setApplicationName(QStringLiteral("Zindo Puzzle"));
    // The desktop (and Wayland) match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZINDO_APP_ID));
    // The game speaks the language asked for with --lang, else the one in
    // the settings, else the desktop's; English when it has no translation.
    if (!zindo::InstallStartLanguage(commandLine.Language))
        std::fprintf(stderr, "zindo-puzzle: there is no translation for \"%s\"; the game speaks English.\n",
                     qPrintable(commandLine.Language));

    // One game per player's folder: a second start brings the running game
    // to the front and ends.
    zindo::TSingleInstance instance(zindo::PlayerFolder());
    if (const zindo::TInstanceClaim claim = instance.Claim(); claim != zindo::icFirst) {
        const QString text =
            claim == zindo::icRaised
                ? QCoreApplication::translate("main", "Zindo Puzzle is already running; its window has been brought "
                                                      "to the front.")
                : QCoreApplication::translate("main", "Zindo Puzzle is already running for this player's folder, "
                                                      "but it does not answer.");
        std::fprintf(stderr, "zindo-puzzle: %s\n", qPrintable(text));
        return endEarly(claim == zindo::icRaised ? 0 : 1);
    }
    instance.Listen();

    // The mode table is built once, before the window is placed, from the X
    // server's modes (no modes at all on Wayland or offscreen). It takes a
    // connection of its own and a few round trips to the server, so it is
    // built on a thread of its own while the window builds its screens.
    std::jthread displayModes([onX11 = zindo::RunsOnX11Display()] {
        zindo::InstallDisplayPlatform(zindo::MakeDisplayPlatform(onX11));
        zindo::EnumerateVideoModes();
    });

    fontConfiguration.join();
    zindo::UseArialStandIn(arialStandIn);
    zindo::TMainWindow::TOptions options;
    options.Sound = std::make_unique<zindo::TSoundOutputMadeLater>([] { return zindo::MakeDefaultGameSounds(); });
    options.DisplayMode = commandLine.DisplayMode;
    zindo::TMainWindow window(std::move(options));
    instance.OnBringToFront = [&window] { BringToFront(window); };
    displayModes.join();
    try {
        window.StartUp();
    } catch (const std::exception& error) {
        // Without its data the game cannot be played: say why and stop.
        zindo::ShowErrorBox(QCoreApplication::translate("main", "Zindo Puzzle cannot start.\n\n%1")
                                .arg(QString::fromUtf8(error.what())));
        return 1;
    }
    window.show();
    return app.exec();
}
