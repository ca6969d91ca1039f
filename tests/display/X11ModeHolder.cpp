// Switches the display to the size given on the command line, says so on
// standard output and waits for standard input to close: lets the X11 tests
// end a program by a signal while a mode is switched.
//
//   zindo_display_x11_holder WIDTH HEIGHT [TEMPDIR]
//
// With TEMPDIR it first makes a temporary file there the way the game does,
// so its clean-up handler is in place before the switch.

#include "data/TempFiles.h"
#include "display/X11DisplayPlatform.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    if (argc == 4) {
        zindo::SetTempDirectory(QString::fromLocal8Bit(argv[3]));
        QFile file(zindo::NewTempFileName(QStringLiteral(".tmp")));
        file.open(QIODevice::WriteOnly);
        file.write("data");
    }
    zindo::TX11DisplayPlatform platform;
    zindo::TVideoMode mode = platform.DesktopMode();
    mode.Width = static_cast<std::uint16_t>(std::atoi(argv[1]));
    mode.Height = static_cast<std::uint16_t>(std::atoi(argv[2]));
    if (!platform.SwitchMode(mode)) {
        std::puts("refused");
        return 1;
    }
    std::puts("switched");
    std::fflush(stdout);
    char buffer[16];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    return 0;
}
