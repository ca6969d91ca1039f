#pragma once

#include <QByteArray>
#include <QString>

namespace zindo {

/// The game's files hold single-byte texts in Windows-1252. ToAnsi converts a
/// text to those bytes; a character that Windows-1252 cannot hold becomes '?'.
QByteArray ToAnsi(const QString& Text);

/// Reads Windows-1252 bytes into a text.
QString FromAnsi(const QByteArray& Bytes);

/// Writes Text into a fixed field of Size bytes: at most Size - 1 characters,
/// then zero bytes up to the end of the field.
void WriteAnsiField(char* Field, int Size, const QString& Text);

/// Reads a zero-terminated text from a fixed field of Size bytes (all Size
/// bytes when no zero byte is there).
QString ReadAnsiField(const char* Field, int Size);

} // namespace zindo
