#pragma once

#include <QByteArray>
#include <QString>

namespace zindo {

/// The game's files hold single-byte texts in Windows-1252. ToAnsi converts a
/// text to those bytes; a character that Windows-1252 cannot hold becomes '?'.
/// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
/// are read as the characters U+0081 .. U+009D of the same number and written
/// back as the same bytes, so a text read from a file is written back byte for
/// byte.
QByteArray ToAnsi(const QString& Text);

/// Reads Windows-1252 bytes into a text.
QString FromAnsi(const QByteArray& Bytes);
QString FromAnsi(const char* Bytes, qsizetype Size);

/// Whether Text can be stored in the game's files and read back the same:
/// every character has a Windows-1252 byte, and none is the zero character
/// that ends a text field. Screens use it to refuse names where they are typed.
bool IsAnsiText(const QString& Text);

/// Raises EQzError unless IsAnsiText(Text), naming the text as What (such as
/// "player name"): the game refuses to store a name that would read back
/// differently.
void CheckAnsiText(const QString& Text, const QString& What);

/// Writes Text into a fixed field of Size bytes: at most Size - 1 characters,
/// then zero bytes up to the end of the field.
void WriteAnsiField(char* Field, int Size, const QString& Text);

/// Reads a zero-terminated text from a fixed field of Size bytes: at most
/// Size - 1 characters, the same length WriteAnsiField writes, so a field
/// whose last byte is not zero reads back as it is written again.
QString ReadAnsiField(const char* Field, int Size);

/// The text of a Windows-1252 text file up to its first zero byte, read from at
/// most MaxBytes bytes (the tutorial's pages). An empty text when the file is
/// missing or cannot be read.
QString ReadAnsiTextFile(const QString& FileName, qsizetype MaxBytes);

/// The same from bytes already read: up to the first zero byte.
QString AnsiTextUpToZero(const QByteArray& Bytes);

} // namespace zindo
