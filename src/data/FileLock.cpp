#include "FileLock.h"

#include "QzError.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zindo {

namespace {

} // namespace

int OpenForLocking(const QString& Path, int Flags, int Mode)
{
    int handle;
    do
        handle = ::open(QFile::encodeName(Path).constData(), Flags | O_CLOEXEC, Mode);
    while (handle < 0 && errno == EINTR);
    return handle;
}

bool TryLockHandle(int Handle)
{
    int result;
    do
        result = ::flock(Handle, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

TFileLock::TFileLock(const QString& Path, int TimeoutMs)
{
    const int handle = OpenForLocking(Path, O_RDWR | O_CREAT);
    if (handle < 0)
        throw EQzError(QCoreApplication::translate("Files", "Cannot lock file \"%1\". %2")
                           .arg(Path, qt_error_string(errno)));
    const QDeadlineTimer deadline(TimeoutMs);
    int pause = 1;
    while (!TryLockHandle(handle)) {
        if (errno != EWOULDBLOCK || deadline.hasExpired()) {
            const int error = errno;
            ::close(handle);
            throw EQzError(QCoreApplication::translate("Files", "Cannot lock file \"%1\". %2")
                               .arg(Path, error == EWOULDBLOCK
                                              ? QCoreApplication::translate("Files", "Another program keeps it locked.")
                                              : qt_error_string(error)));
        }
        QThread::msleep(static_cast<unsigned long>(pause));
        pause = std::min(pause * 2, 50);
    }
    Handle = handle;
}

TFileLock::~TFileLock()
{
    Release();
}

TFileLock::TFileLock(TFileLock&& Other) noexcept : Handle(Other.Handle)
{
    Other.Handle = -1;
}

TFileLock& TFileLock::operator=(TFileLock&& Other) noexcept
{
    if (this != &Other) {
        Release();
        Handle = Other.Handle;
        Other.Handle = -1;
    }
    return *this;
}

TFileLock TFileLock::Adopt(int Handle)
{
    TFileLock lock;
    lock.Handle = Handle;
    return lock;
}

void TFileLock::Release()
{
    if (Handle >= 0) {
        ::close(Handle); // closing the last descriptor gives the lock up
        Handle = -1;
    }
}

TFileLock TryLockExistingFile(const QString& Path)
{
    const int handle = OpenForLocking(Path, O_RDONLY | O_NOFOLLOW);
    if (handle < 0)
        return TFileLock();
    if (!TryLockHandle(handle)) {
        ::close(handle);
        return TFileLock();
    }
    return TFileLock::Adopt(handle);
}

} // namespace zindo
