// Test helper: makes temporary files the way the game does, then ends in the
// way its first argument names ("exit", "signal", "throw"), so the test can
// check that the files are gone afterwards.
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
    for (int i = 0; i < 3; ++i) {
        QFile file(zindo::NewTempFileName(QStringLiteral(".tmp")));
        file.open(QIODevice::WriteOnly);
        file.write("data");
    }
    std::printf("made\n");
    std::fflush(stdout);
    if (std::strcmp(argv[1], "signal") == 0)
        std::raise(SIGTERM);
    if (std::strcmp(argv[1], "throw") == 0)
        throw std::runtime_error("uncaught");
    if (std::strcmp(argv[1], "wait") == 0)
        ::pause();
    return 0;
}
