#pragma once

#include <QString>
#include <QStringList>

namespace zindo {

/// A fresh name in this run's temporary folder: a new braced upper-case GUID
/// with Extension appended (which includes its dot), made absolute. The name
/// is recorded in TempFiles; the file itself is not created here.
///
/// Each running game keeps its temporary files in a folder of its own,
/// "zindo-puzzle-<process id>-XXXXXX" in TempDirectory(), made on the first
/// call and locked (TFileLock) for as long as the process runs. That first
/// call also removes the folders of games that no longer run (see
/// RemoveStaleTempFolders), so a game killed by kill -9 or a crash leaves its
/// files behind only until the next start.
QString NewTempFileName(const QString& Extension);

/// Every temporary name handed out during this run, oldest first.
QStringList TempFiles();

/// Deletes every recorded temporary file that exists, this run's folders, and
/// forgets the names. Runs by itself at the end of the program, also when the
/// program ends by an uncaught error or by SIGINT, SIGTERM or SIGHUP.
void DeleteTempFiles();

/// Removes the temporary folders in TempDirectory() that belong to games that
/// no longer run; answers how many. Folders of running games, this one's
/// included, stay.
int RemoveStaleTempFolders();

/// The folder NewTempFileName puts this run's files into (made when missing).
QString RunTempFolder();

/// The directory the run's folder is made in: QDir::tempPath() unless overridden.
QString TempDirectory();

/// Overrides the temporary directory (tests); empty = the system's.
void SetTempDirectory(const QString& Directory);

} // namespace zindo
