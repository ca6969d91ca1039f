#pragma once

#include <QString>
#include <QStringList>

namespace zindo {

/// A fresh name in the temporary directory: a new braced upper-case GUID with
/// Extension appended (which includes its dot), made absolute. The name is
/// recorded in TempFiles; the file itself is not created here.
QString NewTempFileName(const QString& Extension);

/// Every temporary name handed out during this run, oldest first.
QStringList TempFiles();

/// Deletes every recorded temporary file that exists and forgets the names.
/// Runs by itself at the end of the program, also when the program ends by an
/// uncaught error or by SIGINT, SIGTERM or SIGHUP.
void DeleteTempFiles();

/// The directory NewTempFileName uses: QDir::tempPath() unless overridden.
QString TempDirectory();

/// Overrides the temporary directory (tests); empty = the system's.
void SetTempDirectory(const QString& Directory);

} // namespace zindo
