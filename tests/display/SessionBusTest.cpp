// Whether the game looks for a session bus at start, or tells the bus
// library at once that there is none.

#include "display/SessionBus.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace zindo;
using zindo::test::TScopedEnvironment;

namespace {

/// A socket named "bus" in a folder, as a user's session bus has, for as long as it lives.
class TBusSocket {
public:
    explicit TBusSocket(const QString& Folder)
    {
        Handle = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        Path = QFile::encodeName(Folder + QStringLiteral("/bus"));
        qstrncpy(address.sun_path, Path.constData(), sizeof(address.sun_path));
        Bound = Handle >= 0 && bind(Handle, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    }
    ~TBusSocket()
    {
        if (Handle >= 0)
            close(Handle);
        if (Bound)
            unlink(Path.constData());
    }
    TBusSocket(const TBusSocket&) = delete;
    TBusSocket& operator=(const TBusSocket&) = delete;

    bool Bound = false;

private:
    QByteArray Path;
    int Handle = -1;
};

void WriteProgram(const QString& Path, bool Executable)
{
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(Executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                   : QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

TEST(SessionBus, ReachableByAddressSocketOrLauncherOnly)
{
    if (access("/usr/bin/dbus-launch", X_OK) == 0)
        GTEST_SKIP() << "dbus-launch is installed in /usr/bin: every session can start a bus here";
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir(root.path()).mkpath(QStringLiteral("runtime"));
    QDir(root.path()).mkpath(QStringLiteral("bin"));
    QDir(root.path()).mkpath(QStringLiteral("other"));
    const QByteArray runtime = QFile::encodeName(root.filePath(QStringLiteral("runtime")));
    const QByteArray bin = QFile::encodeName(root.filePath(QStringLiteral("bin")));
    const QByteArray searchPath = QFile::encodeName(root.filePath(QStringLiteral("other"))) + ':' + bin;

    // Nothing at all: no address, no socket, no launcher.
    EXPECT_FALSE(SessionBusReachable(nullptr, nullptr, bin.constData()));
    EXPECT_FALSE(SessionBusReachable("", runtime.constData(), searchPath.constData()));
    // A given address is taken as it is.
    EXPECT_TRUE(SessionBusReachable("unix:path=/run/user/1000/bus", nullptr, bin.constData()));

    // A file named "bus" is not a bus; a socket is.
    QFile plain(root.filePath(QStringLiteral("runtime/bus")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_FALSE(SessionBusReachable(nullptr, runtime.constData(), bin.constData()));
    ASSERT_TRUE(plain.remove());
    {
        const TBusSocket socket(QString::fromLocal8Bit(runtime));
        ASSERT_TRUE(socket.Bound);
        EXPECT_TRUE(SessionBusReachable(nullptr, runtime.constData(), bin.constData()));
    }

    // dbus-launch counts only as a program, in any folder of the search path.
    WriteProgram(root.filePath(QStringLiteral("bin/dbus-launch")), false);
    EXPECT_FALSE(SessionBusReachable(nullptr, runtime.constData(), searchPath.constData()));
    WriteProgram(root.filePath(QStringLiteral("bin/dbus-launch")), true);
    EXPECT_TRUE(SessionBusReachable(nullptr, runtime.constData(), searchPath.constData()));
    EXPECT_FALSE(SessionBusReachable(nullptr, runtime.constData(), "/nonexistent"));
}

TEST(SessionBus, AnUnreachableBusIsDisabledAndAGivenAddressKept)
{
    if (access("/usr/bin/dbus-launch", X_OK) == 0)
        GTEST_SKIP() << "dbus-launch is installed in /usr/bin: every session can start a bus here";
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    TScopedEnvironment address("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
    const TScopedEnvironment runtime("XDG_RUNTIME_DIR", empty.path());
    const TScopedEnvironment path("PATH", empty.path());

    EXPECT_TRUE(DisableUnreachableSessionBus());
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");

    address.Set(QStringLiteral("unix:path=/run/user/1000/bus"));
    EXPECT_FALSE(DisableUnreachableSessionBus());
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");
}
