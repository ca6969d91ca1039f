#include "AtomicFile.h"

#include "FileLock.h"
#include "QzError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zindo {

namespace {

constexpr char NameCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString RandomSuffix()
{
    QString suffix(6, QLatin1Char('0'));
    for (QChar& c : suffix)
        c = QLatin1Char(NameCharacters[QRandomGenerator::global()->bounded(int(sizeof NameCharacters) - 1)]);
    return suffix;
}

/// A fresh temporary file beside Path, created and locked; its name goes to
/// TempPath. The lock tells RemoveInterruptedWrites of another process that
/// the file is in use.
TFileLock CreateLockedTempFile(const QString& Path, QString& TempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        TempPath = Path + QLatin1Char('.') + RandomSuffix();
        const QByteArray native = QFile::encodeName(TempPath);
        int handle;
        do
            handle = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        while (handle < 0 && errno == EINTR);
        if (handle < 0) {
            if (errno == EEXIST)
                continue;
            throw EQzError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2")
                               .arg(Path, qt_error_string(errno)));
        }
        TFileLock lock = TFileLock::Adopt(handle);
        // Another game starting up may have taken the new file for a left-over
        // between its creation and the lock; then it is gone and a new one is
        // made. A file system without locks is written all the same.
        if (!TryLockHandle(handle) && errno == EWOULDBLOCK)
            continue;
        struct stat info {};
        if (::fstat(handle, &info) == 0 && info.st_nlink > 0)
            return lock;
    }
    throw EQzError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2")
                       .arg(Path, QCoreApplication::translate("Files", "No free temporary name.")));
}

bool WriteAll(int Handle, const QByteArray& Bytes)
{
    const char* at = Bytes.constData();
    qsizetype left = Bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(Handle, at, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

} // namespace

void WriteFileAtomically(const QString& Path, const QByteArray& Bytes)
{
    QString tempPath;
    const TFileLock lock = CreateLockedTempFile(Path, tempPath);
    const QByteArray nativeTemp = QFile::encodeName(tempPath);
    // Written, flushed to the disk and renamed while still locked.
    bool done = WriteAll(lock.Descriptor(), Bytes) && ::fsync(lock.Descriptor()) == 0;
    int error = errno;
    if (done && ::rename(nativeTemp.constData(), QFile::encodeName(Path).constData()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(nativeTemp.constData());
        throw EQzError(QCoreApplication::translate("Files", "Cannot write file \"%1\". %2")
                           .arg(Path, qt_error_string(error)));
    }
}

int RemoveInterruptedWrites(const QString& Folder, const QString& FinalNamePattern)
{
    const QRegularExpression finalName(QRegularExpression::wildcardToRegularExpression(
        FinalNamePattern));
    static const QRegularExpression tempName(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QDir folder(Folder);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = tempName.match(name);
        if (!match.hasMatch() || !finalName.match(match.captured(1)).hasMatch())
            continue;
        const QString path = folder.filePath(name);
        const TFileLock lock = TryLockExistingFile(path);
        if (lock.IsHeld() && QFile::remove(path))
            ++removed;
    }
    return removed;
}

} // namespace zindo
