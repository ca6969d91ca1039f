#pragma once

#include "data/FileLock.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;
struct sockaddr_un;

namespace zindo {

/// How a start of the game went with the games already running.
enum TInstanceClaim : std::uint8_t {
    icFirst = 0,   ///< no game runs for the player's folder: this one plays
    icRaised,      ///< a game runs for it and has brought its window to the front
    icNoAnswer,    ///< a game runs for it but did not answer in time
};

/// One game per player's folder. The game that starts first for a folder
/// holds a lock on a file named after the folder, for as long as it runs,
/// and listens on a local socket named after it too. A later start for the
/// same folder finds the lock held, connects to the socket and waits for the
/// running game to answer that it has brought its window to the front; then
/// it ends. Both files live in a private folder of the user's:
/// $XDG_RUNTIME_DIR/zindo-puzzle, else zindo-instances-<uid> in the
/// temporary directory. Games with different player folders run side by side.
///
/// The lock goes with the process however it ends, also by a crash or kill
/// -9: the socket file such a game leaves behind is replaced by the next game
/// that starts. Two games started at the same moment cannot both play: only
/// one gets the lock. When the private folder cannot be used, every start
/// plays, as before there was a check.
///
/// Owned by the program's main() for the whole run. Any connection to the
/// socket asks for the window; OnBringToFront is raised on the UI thread,
/// once per batch of requests, from the event loop after Listen.
class TSingleInstance {
public:
    /// For the player's folder PlayerFolder (made absolute; symbolic links
    /// in the part that exists are resolved, so that two names of one folder
    /// are one game). Looks at nothing yet.
    explicit TSingleInstance(const QString& PlayerFolder);
    /// Gives up the socket (its file is removed) and the lock.
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    /// Takes the folder for this process (icFirst: the socket listens from
    /// now on, though requests are answered only after Listen), or asks the
    /// game that has it to come to the front and waits up to AnswerTimeoutMs
    /// for its answer. Takes well under a millisecond when no game runs.
    TInstanceClaim Claim(int AnswerTimeoutMs = 15000);

    /// Starts answering later starts from the event loop (needs the
    /// application object). Only after Claim answered icFirst.
    void Listen();

    /// Told when a later start asks for the window.
    std::function<void()> OnBringToFront;

private:
    /// Binds the socket at Address (a stale file of an ended game is replaced first).
    void StartListening(const sockaddr_un& Address);
    /// Accepts every waiting connection, raises OnBringToFront once, answers each.
    void AnswerRequests();

    QString Folder;        ///< the player's folder as given
    QString SocketFile;    ///< the socket's path, empty when the private folder is unusable
    TFileLock Lock;        ///< the lock file beside it, held while this game runs
    int ListenHandle = -1; ///< the listening socket, or -1
    std::unique_ptr<QSocketNotifier> Requests; ///< wakes the event loop for a connection
};

} // namespace zindo
