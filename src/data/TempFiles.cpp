#include "TempFiles.h"

#include "Paths.h"

#include <QDir>
#include <QUuid>

#include <csignal>
#include <cstdlib>
#include <exception>
#include <string>
#include <unistd.h>
#include <vector>

namespace zindo {

namespace {

struct TTempFileList {
    QStringList Names;               ///< names handed out, for callers
    std::vector<std::string> Native; ///< the same names as bytes, for the signal handler
    QString Directory;               ///< overridden temporary directory
    bool CleanupInstalled = false;
};

TTempFileList& List()
{
    static TTempFileList* list = new TTempFileList; // never freed: used up to the very end
    return *list;
}

void DeleteNativeFiles()
{
    // Only async-signal-safe calls here: this also runs inside a signal handler.
    for (const std::string& name : List().Native)
        ::unlink(name.c_str());
}

std::terminate_handler PreviousTerminate = nullptr;

void OnTerminate()
{
    DeleteNativeFiles();
    if (PreviousTerminate)
        PreviousTerminate();
    std::abort();
}

void OnSignal(int Signal)
{
    DeleteNativeFiles();
    std::signal(Signal, SIG_DFL);
    std::raise(Signal);
}

void InstallCleanup()
{
    TTempFileList& list = List();
    if (list.CleanupInstalled)
        return;
    list.CleanupInstalled = true;
    list.Native.reserve(256);
    std::atexit(DeleteTempFiles);
    PreviousTerminate = std::set_terminate(OnTerminate);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        struct sigaction previous {};
        sigaction(signal, nullptr, &previous);
        if (previous.sa_handler != SIG_DFL)
            continue; // somebody else (a test runner, a debugger) handles it
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

} // namespace

QString TempDirectory()
{
    const QString& overridden = List().Directory;
    return overridden.isEmpty() ? QDir::tempPath() : overridden;
}

void SetTempDirectory(const QString& Directory)
{
    List().Directory = Directory;
}

QString NewTempFileName(const QString& Extension)
{
    InstallCleanup();
    const QString guid = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
    const QString name = ExpandFileName(JoinPath(TempDirectory(), guid) + Extension);
    TTempFileList& list = List();
    list.Names.append(name);
    list.Native.push_back(QFile::encodeName(name).toStdString());
    return name;
}

QStringList TempFiles()
{
    return List().Names;
}

void DeleteTempFiles()
{
    TTempFileList& list = List();
    for (const QString& name : list.Names)
        QFile::remove(name);
    list.Names.clear();
    list.Native.clear();
}

} // namespace zindo
