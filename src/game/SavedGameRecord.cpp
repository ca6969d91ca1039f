#include "SavedGameRecord.h"

#include "data/AnsiText.h"
#include "data/QzError.h"

#include <QCoreApplication>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace zindo {

namespace {

void PutU32(QByteArray& Bytes, int Offset, std::uint32_t Value)
{
    qToLittleEndian<std::uint32_t>(Value, Bytes.data() + Offset);
}

std::uint32_t GetU32(const QByteArray& Bytes, int Offset)
{
    return qFromLittleEndian<std::uint32_t>(Bytes.constData() + Offset);
}

} // namespace

QString LimitText(const QString& Text, int MaxCharacters)
{
    if (Text.size() <= MaxCharacters)
        return Text; // never more characters than 16-bit units
    const QList<uint> codes = Text.toUcs4();
    if (codes.size() <= MaxCharacters)
        return Text;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), MaxCharacters);
}

QByteArray TSavedGameRecord::ToBytes() const
{
    QByteArray bytes(Size, '\0');
    PutU32(bytes, VersionOffset, Version);
    PutU32(bytes, Reserved1Offset, Reserved1);
    PutU32(bytes, LevelOffset, static_cast<std::uint32_t>(Level));
    PutU32(bytes, Reserved2Offset, Reserved2);
    WriteAnsiField(bytes.data() + ThemeOffset, TextFieldSize, LimitText(Theme, MaxTextLength));
    PutU32(bytes, LastCompletedLevelOffset, static_cast<std::uint32_t>(LastCompletedLevel));
    PutU32(bytes, ScoreOffset, static_cast<std::uint32_t>(Score));
    WriteAnsiField(bytes.data() + PlayerNameOffset, TextFieldSize, LimitText(PlayerName, MaxTextLength));
    bytes[ResultBookedOffset] = ResultBooked ? 1 : 0;
    return bytes;
}

TSavedGameRecord TSavedGameRecord::FromBytes(const QByteArray& Bytes)
{
    if (Bytes.size() < Size)
        throw EQzError(QCoreApplication::translate("Game", "Stream read error"));
    TSavedGameRecord record;
    record.Version = GetU32(Bytes, VersionOffset);
    record.Reserved1 = GetU32(Bytes, Reserved1Offset);
    record.Level = static_cast<std::int32_t>(GetU32(Bytes, LevelOffset));
    record.Reserved2 = GetU32(Bytes, Reserved2Offset);
    record.Theme = ReadAnsiField(Bytes.constData() + ThemeOffset, TextFieldSize);
    record.LastCompletedLevel = static_cast<std::int32_t>(GetU32(Bytes, LastCompletedLevelOffset));
    record.Score = static_cast<std::int32_t>(GetU32(Bytes, ScoreOffset));
    record.PlayerName = ReadAnsiField(Bytes.constData() + PlayerNameOffset, TextFieldSize);
    record.ResultBooked = Bytes[ResultBookedOffset] != 0;
    return record;
}

QString TSavedGameRecord::Problem() const
{
    if (Level < 1 || Level > 10)
        return QCoreApplication::translate("Game", "its level is %1, not one of 1 to 10").arg(Level);
    if (Score < 0)
        return QCoreApplication::translate("Game", "its score %1 is negative").arg(Score);
    return QString();
}

std::int32_t TSavedGameRecord::AddToScore(std::int32_t Score, std::int64_t Points)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t(Score) + Points, 0, std::numeric_limits<std::int32_t>::max()));
}

} // namespace zindo
