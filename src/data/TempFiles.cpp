#include "TempFiles.h"

#include "FileLock.h"
#include "Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zindo {

namespace {

constexpr char FolderPrefix[] = "zindo-puzzle-";
constexpr char LockName[] = "lock";

/// A folder without its lock file is a run folder still being made, unless
/// it is older than this.
constexpr qint64 UnlockedFolderGraceSeconds = 60;

/// A path the signal handler removes: a file (unlink) or a folder (rmdir).
/// Nodes are only ever put in front of the list and never freed, so a handler
/// that interrupts anything, on any thread, walks a list that stays valid;
/// the few bytes per temporary name are the price.
struct TNativePath {
    const TNativePath* Next = nullptr; ///< older entry
    bool IsFolder = false;             ///< rmdir rather than unlink
    char* Path = nullptr;              ///< the path as bytes, zero-terminated
};

/// Newest first: the files of a run folder come before its lock file, which
/// comes before the folder itself, so one walk empties and removes it.
std::atomic<const TNativePath*> NativeHead{nullptr};

struct TTempFileList {
    QStringList Names;           ///< names handed out, for callers
    QStringList Folders;         ///< this run's folders, oldest first
    QString Folder;              ///< the folder new names go into, or empty
    QString FolderBase;          ///< the temporary directory Folder was made in
    TFileLock FolderLock;        ///< held on Folder's lock file while the process runs
    QString Directory;           ///< overridden temporary directory
    std::vector<const TNativePath*> Retired; ///< handler lists of earlier clean-ups, never freed
    bool CleanupInstalled = false;
};

TTempFileList& List()
{
    static TTempFileList* list = new TTempFileList; // never freed: used up to the very end
    return *list;
}

void RememberNative(const QString& Path, bool IsFolder)
{
    const QByteArray native = QFile::encodeName(Path);
    auto* node = new TNativePath;
    node->IsFolder = IsFolder;
    node->Path = new char[static_cast<std::size_t>(native.size()) + 1];
    std::memcpy(node->Path, native.constData(), static_cast<std::size_t>(native.size()) + 1);
    node->Next = NativeHead.load(std::memory_order_relaxed);
    // Published only when complete.
    while (!NativeHead.compare_exchange_weak(node->Next, node, std::memory_order_release, std::memory_order_relaxed)) {
    }
}

void DeleteNativeFiles()
{
    // Only async-signal-safe calls here: this also runs inside a signal
    // handler. The list is read through one atomic load and never changes
    // behind the handler's back.
    for (const TNativePath* node = NativeHead.load(std::memory_order_acquire); node; node = node->Next) {
        if (node->IsFolder)
            ::rmdir(node->Path);
        else
            ::unlink(node->Path);
    }
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

/// Makes a new run folder in Base, locked for the life of the process, or
/// answers false when Base does not take one.
bool MakeRunFolder(TTempFileList& List, const QString& Base)
{
    // Another game starting at this moment may take the new folder for a
    // stale one between the creation of its lock file and the lock; then the
    // folder is gone, and a new one is made.
    for (int attempt = 0; attempt < 5; ++attempt) {
        QByteArray pattern = QFile::encodeName(JoinPath(
            ExpandFileName(Base), QStringLiteral("%1%2-XXXXXX").arg(QLatin1String(FolderPrefix)).arg(::getpid())));
        if (!::mkdtemp(pattern.data()))
            return false;
        const QString folder = QFile::decodeName(pattern);
        const QString lockPath = JoinPath(folder, QLatin1String(LockName));
        const int handle = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (handle < 0) {
            QDir().rmdir(folder);
            return false;
        }
        TFileLock lock = TFileLock::Adopt(handle);
        if (!TryLockHandle(handle) && errno == EWOULDBLOCK)
            continue; // being removed; a file system without locks is used all the same
        struct stat info {};
        if (::fstat(handle, &info) == 0 && info.st_nlink == 0)
            continue;
        List.FolderLock = std::move(lock);
        List.Folder = folder;
        List.FolderBase = Base;
        List.Folders.append(folder);
        RememberNative(folder, true);
        RememberNative(lockPath, false);
        return true;
    }
    return false;
}

/// Whether Folder (a run folder of some game) belongs to a game that no
/// longer runs; when so, Lock holds its lock file until it is removed.
bool IsStaleRunFolder(const QString& Folder, TFileLock& Lock)
{
    const QString lockPath = JoinPath(Folder, QLatin1String(LockName));
    const QFileInfo lockInfo(lockPath);
    if (!lockInfo.exists() && !lockInfo.isSymLink()) {
        // Either being made right now or left half-made long ago.
        const QDateTime made = QFileInfo(Folder).lastModified();
        return made.secsTo(QDateTime::currentDateTime()) > UnlockedFolderGraceSeconds;
    }
    Lock = TryLockExistingFile(lockPath);
    return Lock.IsHeld();
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

int RemoveStaleTempFolders()
{
    const TTempFileList& list = List();
    int removed = 0;
    const QDir base(TempDirectory());
    const QStringList pattern{QLatin1String(FolderPrefix) + QLatin1Char('*')};
    for (const QFileInfo& entry : base.entryInfoList(pattern, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const QString folder = entry.absoluteFilePath();
        if (list.Folders.contains(folder) || entry.ownerId() != ::getuid())
            continue;
        TFileLock lock;
        if (IsStaleRunFolder(folder, lock) && QDir(folder).removeRecursively())
            ++removed;
    }
    return removed;
}

QString RunTempFolder()
{
    InstallCleanup();
    TTempFileList& list = List();
    const QString base = TempDirectory();
    if ((list.Folder.isEmpty() || list.FolderBase != base || !QFileInfo(list.Folder).isDir())) {
        // A new temporary directory (tests point it elsewhere) gets a folder of
        // its own; the old one is no longer this run's place for new files.
        list.FolderLock.Release();
        list.Folder.clear();
        RemoveStaleTempFolders();
        if (!MakeRunFolder(list, base))
            return ExpandFileName(base); // the creation of a file there reports why
    }
    return list.Folder;
}

QString NewTempFileName(const QString& Extension)
{
    const QString folder = RunTempFolder();
    const QString guid = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
    const QString name = ExpandFileName(JoinPath(folder, guid) + Extension);
    List().Names.append(name);
    RememberNative(name, false);
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
    for (const QString& folder : list.Folders)
        QDir(folder).removeRecursively();
    list.FolderLock.Release();
    list.Names.clear();
    list.Folders.clear();
    list.Folder.clear();
    list.FolderBase.clear();
    // The handler's list starts afresh. Its old nodes stay reachable here: a
    // handler running on another thread may still be walking them.
    if (const TNativePath* old = NativeHead.exchange(nullptr, std::memory_order_acq_rel))
        list.Retired.push_back(old);
}

} // namespace zindo
