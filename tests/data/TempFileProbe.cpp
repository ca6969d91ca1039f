// Test helper: makes temporary files the way the game does, then ends in the
// way its first argument names ("exit", "signal", "throw", "wait" for a signal
// from outside, "kill" by SIGKILL, "many": 300 names, then a signal), so the
// test can check which files are gone afterwards.
#include "data/TempFiles.h"

#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    zindo::SetTempDirectory(QString::fromLocal8Bit(argv[2]));
    const int count = std::strcmp(argv[1], "many") == 0 ? 300 : 3;
    for (int i = 0; i < count; ++i) {
        QFile file(zindo::NewTempFileName(QStringLiteral(".tmp")));
        file.open(QIODevice::WriteOnly);
        file.write("data");
    }
    std::printf("made\n");
    std::fflush(stdout);
    if (std::strcmp(argv[1], "signal") == 0 || std::strcmp(argv[1], "many") == 0)
        std::raise(SIGTERM);
    if (std::strcmp(argv[1], "kill") == 0)
        std::raise(SIGKILL);
    if (std::strcmp(argv[1], "throw") == 0)
        throw std::runtime_error("uncaught");
    if (std::strcmp(argv[1], "wait") == 0)
        ::pause();
    return 0;
}
