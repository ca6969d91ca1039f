#pragma once

#include <QString>

namespace zindo {

/// An exclusive lock on a file, shared with every process that locks the same
/// file this way (flock): held from construction to destruction, and given up
/// by the system when the holder ends in any way, also by kill -9. Used to let
/// one process at a time rewrite the high-score table, and to tell the files of
/// a running game from those an ended one left behind.
class TFileLock {
public:
    /// No lock held.
    TFileLock() = default;
    /// Locks Path, creating it when missing, and waits up to TimeoutMs for a
    /// process holding it to let go. Raises EQzError "Cannot lock file ..."
    /// when the file cannot be opened or the wait runs out.
    TFileLock(const QString& Path, int TimeoutMs);
    ~TFileLock();
    TFileLock(TFileLock&& Other) noexcept;
    TFileLock& operator=(TFileLock&& Other) noexcept;
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    /// Takes over Handle, an open file descriptor already locked by the caller.
    static TFileLock Adopt(int Handle);

    bool IsHeld() const { return Handle >= 0; }
    /// The open file descriptor of the locked file, or -1.
    int Descriptor() const { return Handle; }
    /// Gives the lock up and closes the file.
    void Release();

private:
    int Handle = -1; ///< the locked file, or -1
};

/// Opens Path with Flags (O_CLOEXEC added; a file made gets Mode), tried
/// again when a signal interrupts it: the handle, or -1 with errno set.
int OpenForLocking(const QString& Path, int Flags, int Mode = 0666);

/// Locks the open file Handle without waiting; false when another open file
/// (in this or another process) holds a lock on it.
bool TryLockHandle(int Handle);

/// Locks the existing file Path without waiting. The lock is not held when
/// the file is missing, cannot be opened, or another process holds it.
TFileLock TryLockExistingFile(const QString& Path);

} // namespace zindo
