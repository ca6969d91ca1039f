// Test helper, standing in for a second game.
//   TempFileProbe HOW TEMP_DIR  makes temporary files the way the game does,
//     then ends in the way HOW names ("exit", "signal", "throw", "wait" for a
//     signal from outside, "kill" by SIGKILL, "many": 300 names, then a
//     signal), so the test can check which files are gone afterwards.
//   TempFileProbe save PATH     writes a file the way the game saves one
//     (WriteFileAtomically), and stops half-way: with its bytes in the
//     temporary file, before that replaces PATH, it prints "writing" and
//     waits for a line on stdin. The test meanwhile runs another game's
//     clean-up, or kills the probe there.
#include "data/AtomicFile.h"
#include "data/QzError.h"
#include "data/TempFiles.h"

#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool PauseBeforeFlush = false;

} // namespace

// The program's own fsync stands in for the C library's, also for the calls
// in the game's code linked in: a save stops here, after its bytes went into
// the temporary file and while that file is still locked.
extern "C" int fsync(int Handle)
{
    if (PauseBeforeFlush) {
        PauseBeforeFlush = false;
        std::printf("writing\n");
        std::fflush(stdout);
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, Handle));
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    if (std::strcmp(argv[1], "save") == 0) {
        PauseBeforeFlush = true;
        try {
            zindo::WriteFileAtomically(QString::fromLocal8Bit(argv[2]), QByteArray("the game saved by the probe"));
        } catch (const zindo::EQzError& error) {
            std::printf("%s\n", qPrintable(error.Message()));
            return 1;
        }
        std::printf("saved\n");
        return 0;
    }
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
