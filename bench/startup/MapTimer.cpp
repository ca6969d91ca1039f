// Times a program's start under X: from just before exec to the first
// MapNotify of a top-level window, and on to the first drawing into that
// window (the first frame, seen through the DAMAGE extension). Run with no
// window manager, so the server maps the window as soon as it is asked to.
//   zindo_map_timer PROGRAM [ARGS...]
// Prints "map_ms=M frame_ms=F size=WxH" and ends the program with SIGTERM.
// Exits 1 when no window was mapped within 20 s.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <map>

namespace {

double NowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

/// Windows may be gone before the timer looks at them; that is no error here.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

void EndChild(pid_t Child)
{
    kill(Child, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(Child, nullptr, WNOHANG) == Child)
            return;
        usleep(10000);
    }
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    int damageEvent = 0;
    int damageError = 0;
    const bool damage = XDamageQueryExtension(display, &damageEvent, &damageError);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        // What the program prints goes where the timer's messages go, so
        // that the timer's own line stays alone on its output.
        dup2(2, 1);
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    std::map<Window, Damage> watched;
    Window mapped = 0;
    double mapMs = -1;
    double frameMs = -1;
    unsigned width = 0;
    unsigned height = 0;
    const double deadline = start + 20000;
    while (frameMs < 0 && NowMs() < deadline) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            if (waitpid(child, nullptr, WNOHANG) == child)
                break;
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double now = NowMs();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root && damage
            && !event.xcreatewindow.override_redirect) {
            watched[event.xcreatewindow.window] =
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect
                   && mapped == 0) {
            mapMs = now - start;
            mapped = event.xmap.window;
            Window r;
            int x, y;
            unsigned border, depth;
            XGetGeometry(display, mapped, &r, &x, &y, &width, &height, &border, &depth);
            if (!damage || !watched.count(mapped))
                break;
        } else if (damage && event.type == damageEvent + XDamageNotify) {
            const auto* notify = reinterpret_cast<const XDamageNotifyEvent*>(&event);
            if (mapped != 0 && notify->drawable == mapped)
                frameMs = now - start;
            XDamageSubtract(display, notify->damage, None, None);
        }
    }
    EndChild(child);
    if (mapMs < 0) {
        std::fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    std::printf("map_ms=%.1f frame_ms=%.1f size=%ux%u\n", mapMs, frameMs, width, height);
    return 0;
}
