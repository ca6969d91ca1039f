#include "SingleInstance.h"

#include "data/FileLock.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace zindo {

namespace {

/// What the running game answers once it has brought its window to the front.
constexpr char Answer[] = "raised\n";
constexpr std::size_t AnswerLength = sizeof Answer - 1;

/// Between two looks at a game that holds the lock but does not listen yet
/// (it has just started) or any more (it is ending).
constexpr unsigned LookAgainMicroseconds = 20000;

/// Folder made absolute and clean, with symbolic links resolved in the part
/// of it that exists.
QString ResolvedFolder(const QString& Folder)
{
    QString existing = QDir::cleanPath(QDir(Folder).absolutePath());
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        if (info.path() == existing)
            break;
        rest.prepend(QLatin1Char('/') + info.fileName());
        existing = info.path();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest);
}

/// The user's private folder for the locks and sockets, made when missing;
/// empty when there is none to be had. Only a folder of the user's own that
/// nobody else may enter will do: in a shared temporary directory another
/// user could otherwise stand in for the running game.
QString PrivateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()
                               ? QDir::cleanPath(runtime) + QStringLiteral("/zindo-puzzle")
                               : QDir::tempPath() + QStringLiteral("/zindo-instances-%1").arg(::getuid());
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()
        || (info.st_mode & 077) != 0)
        return QString();
    return folder;
}

/// The address of the socket file Path; false when the path is too long for one.
bool SocketAddress(const QString& Path, sockaddr_un& Address)
{
    const QByteArray native = QFile::encodeName(Path);
    Address = sockaddr_un{};
    Address.sun_family = AF_UNIX;
    if (native.isEmpty() || std::size_t(native.size()) >= sizeof Address.sun_path)
        return false;
    std::memcpy(Address.sun_path, native.constData(), std::size_t(native.size()));
    return true;
}

/// How a request to the game holding the lock went.
enum TRequest : std::uint8_t {
    rqRaised = 0, ///< it answered
    rqLookAgain,  ///< nobody listens (yet, or any more), or the game ended before it answered
    rqNoAnswer,   ///< connected, but no answer before the deadline
};

TRequest AskForWindow(const sockaddr_un& Address, const QDeadlineTimer& Deadline)
{
    const int handle = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (handle < 0)
        return rqLookAgain;
    struct TCloser {
        int Handle;
        ~TCloser() { ::close(Handle); }
    } closer{handle};
    int result;
    do
        result = ::connect(handle, reinterpret_cast<const sockaddr*>(&Address), sizeof Address);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        return rqLookAgain; // no file, a file nobody listens on, or a full queue of requests
    // The request is the connection itself; the game answers once its event
    // loop has taken it.
    char answer[AnswerLength] = {};
    std::size_t got = 0;
    while (got < AnswerLength) {
        pollfd readable{handle, POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(Deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return rqNoAnswer;
        const ssize_t n = ::read(handle, answer + got, AnswerLength - got);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return rqLookAgain;
        got += std::size_t(n);
    }
    return std::memcmp(answer, Answer, AnswerLength) == 0 ? rqRaised : rqLookAgain;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& PlayerFolder) : Folder(PlayerFolder)
{
}

TSingleInstance::~TSingleInstance()
{
    Requests.reset();
    if (ListenHandle >= 0) {
        // The file is this game's while it holds the lock: no other game
        // can have put its own in its place.
        ::unlink(QFile::encodeName(SocketFile).constData());
        ::close(ListenHandle);
    }
    Lock.Release();
}

TInstanceClaim TSingleInstance::Claim(int AnswerTimeoutMs)
{
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return icFirst;
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(ResolvedFolder(Folder).toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
    SocketFile = folder + QLatin1Char('/') + key + QStringLiteral(".socket");
    sockaddr_un address;
    if (!SocketAddress(SocketFile, address))
        return icFirst;
    const int handle = OpenForLocking(folder + QLatin1Char('/') + key + QStringLiteral(".lock"), O_RDWR | O_CREAT, 0600);
    if (handle < 0)
        return icFirst;

    const QDeadlineTimer deadline(AnswerTimeoutMs);
    while (true) {
        if (TryLockHandle(handle)) {
            Lock = TFileLock::Adopt(handle);
            StartListening(address);
            return icFirst;
        }
        if (errno != EWOULDBLOCK)
            break; // a file system without locks: nobody can be asked
        const TRequest request = AskForWindow(address, deadline);
        if (request != rqLookAgain || deadline.hasExpired()) {
            ::close(handle);
            return request == rqRaised ? icRaised : icNoAnswer;
        }
        ::usleep(LookAgainMicroseconds);
    }
    ::close(handle);
    return icFirst;
}

void TSingleInstance::StartListening(const sockaddr_un& Address)
{
    // A socket file here belongs to a game that has ended: whoever holds the
    // lock owns the name.
    ::unlink(Address.sun_path);
    const int handle = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (handle < 0)
        return;
    if (::bind(handle, reinterpret_cast<const sockaddr*>(&Address), sizeof Address) != 0 || ::listen(handle, 16) != 0) {
        ::close(handle);
        return;
    }
    ListenHandle = handle;
}

void TSingleInstance::Listen()
{
    if (ListenHandle < 0 || Requests)
        return;
    Requests = std::make_unique<QSocketNotifier>(ListenHandle, QSocketNotifier::Read);
    QObject::connect(Requests.get(), &QSocketNotifier::activated, [this] { AnswerRequests(); });
}

void TSingleInstance::AnswerRequests()
{
    std::vector<int> waiting;
    while (true) {
        const int connection = ::accept4(ListenHandle, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection >= 0)
            waiting.push_back(connection);
        else if (errno != EINTR)
            break;
    }
    if (waiting.empty())
        return;
    if (OnBringToFront)
        OnBringToFront();
    for (const int connection : waiting) {
        // A start that gave up waiting has gone: no signal for that.
        [[maybe_unused]] const ssize_t sent = ::send(connection, Answer, AnswerLength, MSG_NOSIGNAL);
        ::close(connection);
    }
}

} // namespace zindo
