#pragma once

#include <QByteArray>
#include <QString>

namespace zindo {

/// Writes Bytes as the whole of Path without ever leaving it half written: the
/// bytes go into a temporary file beside it, named Path + "." + six letters or
/// digits and locked (TFileLock) while it is written, which then replaces Path
/// in one step. A write killed half-way leaves Path as it was and the
/// temporary file behind (see RemoveInterruptedWrites). Raises EQzError
/// "Cannot create file ..." when the temporary file cannot be made and
/// "Cannot write file ..." when writing or replacing fails; Path then stays as
/// it was and no temporary file is left.
void WriteFileAtomically(const QString& Path, const QByteArray& Bytes);

/// Removes from Folder the temporary files that interrupted writes of
/// WriteFileAtomically left: names of the form "<name>.XXXXXX" (six letters or
/// digits) where <name> matches the wildcard FinalNamePattern (such as
/// "*.PGM"), unless a running process is still writing them. Answers how many
/// were removed. Run at start-up, before the game lists or writes the folder.
int RemoveInterruptedWrites(const QString& Folder, const QString& FinalNamePattern);

} // namespace zindo
