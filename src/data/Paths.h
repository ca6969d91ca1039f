#pragma once

#include <QString>

namespace zindo {

/// Joins two path pieces with exactly one '/': one is added when Base is not
/// empty and does not end with one, and a leading '/' of Name is dropped.
QString JoinPath(const QString& Base, const QString& Name);

/// The directory of the running program with a trailing '/', joined with
/// Relative (for example "../share"). The result is not normalised.
QString ProgramRelativePath(const QString& Relative);

/// The directory of the running program, with a trailing '/'.
QString ProgramDirectory();

/// Points the program directory somewhere else (tests use a temporary tree);
/// an empty value returns to the directory of the executable.
void SetProgramDirectory(const QString& Directory);

/// The extension of a file name including its dot ("a.jpg" -> ".jpg"), or an
/// empty text when the last path piece has no dot.
QString FileExtension(const QString& FileName);

/// FileName with its extension replaced by Extension (which includes its dot).
QString ChangeFileExtension(const QString& FileName, const QString& Extension);

/// The absolute, normalised form of a path, used to compare file names.
QString ExpandFileName(const QString& FileName);

/// Whether a plain file or directory exists at Path.
bool FileExists(const QString& Path);

} // namespace zindo
